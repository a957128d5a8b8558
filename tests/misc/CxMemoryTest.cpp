#include "common/misc/CxMemory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

TEST(CxMemory, BlocksAreZeroFilled)
{
    for (const std::size_t size : {std::size_t{1}, std::size_t{7}, std::size_t{4096}, std::size_t{1} << 20}) {
        std::unique_ptr<void, CxFreeDeleter> block(CxAlloc(size));
        ASSERT_NE(block, nullptr) << size;
        const auto* bytes = static_cast<const unsigned char*>(block.get());
        std::size_t nonZero = 0;
        for (std::size_t i = 0; i < size; ++i)
            nonZero += bytes[i] != 0;
        EXPECT_EQ(nonZero, 0u) << size;
    }
}

TEST(CxMemory, EmptyRequestsStillGiveDistinctBlocks)
{
    std::unique_ptr<void, CxFreeDeleter> first(CxAlloc(0));
    std::unique_ptr<void, CxFreeDeleter> second(CxAlloc(0));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first.get(), second.get());
}

}  // namespace
