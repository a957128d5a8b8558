#include "platform/WinCompat.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr const char* kExe = "/opt/brindle-version-test/OUTLOOK.EXE";

class VersionTest : public ::testing::Test {
protected:
    void TearDown() override { platform::ClearFileVersion(kExe); }

    // The block GetFileVersionInfoA gives for path; empty when it gives none.
    static std::vector<unsigned char> Block(const char* path)
    {
        DWORD handle = 99;
        const DWORD size = GetFileVersionInfoSizeA(path, &handle);
        EXPECT_EQ(handle, 0u);
        if (size == 0)
            return {};
        std::vector<unsigned char> block(size);
        if (!GetFileVersionInfoA(path, handle, size, block.data()))
            return {};
        return block;
    }
};

TEST_F(VersionTest, AFileWithoutVersionHasNoBlock)
{
    EXPECT_EQ(GetFileVersionInfoSizeA(kExe, nullptr), 0u);
    unsigned char buffer[256] = {};
    EXPECT_FALSE(GetFileVersionInfoA(kExe, 0, sizeof buffer, buffer));
    EXPECT_EQ(GetFileVersionInfoSizeA(nullptr, nullptr), 0u);
}

TEST_F(VersionTest, TheRootBlockHoldsTheFourParts)
{
    const struct {
        WORD parts[4];
        DWORD ms;
        DWORD ls;
    } cases[] = {
        {{11, 0, 8312, 0}, 0x000B0000, 0x20780000},
        {{16, 0, 0, 0}, 0x00100000, 0x00000000},
        {{65535, 65535, 65535, 65535}, 0xFFFFFFFF, 0xFFFFFFFF},
        {{1, 2, 3, 4}, 0x00010002, 0x00030004},
    };
    for (const auto& c : cases) {
        platform::SetFileVersion(kExe, c.parts[0], c.parts[1], c.parts[2], c.parts[3]);
        std::vector<unsigned char> block = Block(kExe);
        ASSERT_FALSE(block.empty());
        LPVOID value = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
        ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
        const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
        EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
        EXPECT_EQ(info->dwFileVersionMS, c.ms) << c.parts[0];
        EXPECT_EQ(info->dwFileVersionLS, c.ls) << c.parts[0];
    }
}

TEST_F(VersionTest, OnlyTheRootBlockIsKnown)
{
    platform::SetFileVersion(kExe, 11, 0, 8312, 0);
    std::vector<unsigned char> block = Block(kExe);
    ASSERT_FALSE(block.empty());
    LPVOID value = nullptr;
    UINT length = 0;
    EXPECT_FALSE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\FileVersion", &value, &length));
    EXPECT_FALSE(VerQueryValueA(block.data(), "", &value, &length));
#ifndef _WIN32
    // Windows' own VerQueryValueA answers for blocks that are not the store's.
    std::vector<unsigned char> foreign(block.size(), 0);
    EXPECT_FALSE(VerQueryValueA(foreign.data(), "\\", &value, &length));
#endif
}

TEST_F(VersionTest, ABufferSmallerThanTheBlockIsRefused)
{
    platform::SetFileVersion(kExe, 11, 0, 8312, 0);
    const DWORD size = GetFileVersionInfoSizeA(kExe, nullptr);
    ASSERT_GT(size, 1u);
    std::vector<unsigned char> buffer(size - 1, 0xAB);
    EXPECT_FALSE(GetFileVersionInfoA(kExe, 0, size - 1, buffer.data()));
    EXPECT_EQ(buffer.front(), 0xAB);
}

TEST_F(VersionTest, PathsMatchExactlyAndClearingRemovesTheVersion)
{
    platform::SetFileVersion(kExe, 11, 0, 8312, 0);
    EXPECT_EQ(GetFileVersionInfoSizeA("/opt/brindle-version-test/outlook.exe", nullptr), 0u);
    EXPECT_GT(GetFileVersionInfoSizeA(kExe, nullptr), 0u);
    platform::ClearFileVersion(kExe);
    EXPECT_EQ(GetFileVersionInfoSizeA(kExe, nullptr), 0u);
}

}  // namespace
