#include "common/misc/CxList.h"
#include "common/misc/CxMemory.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace {

// A list over the elements of a caller-owned array, so payloads are easy to name.
class CxListTest : public ::testing::Test {
protected:
    void Fill(std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i)
            ASSERT_TRUE(list.Add(&items[i]));
    }
    void* Item(std::size_t i) { return &items[i]; }

    std::array<int, 200> items{};
    CxList list;
};

TEST_F(CxListTest, EmptyListReadsNothing)
{
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.GetFirst(), nullptr);
    EXPECT_EQ(list.GetNext(), nullptr);
    EXPECT_EQ(list.Find(0), nullptr);
}

TEST_F(CxListTest, NullPayloadIsRefusedWithoutMovingTheCursor)
{
    Fill(2);
    EXPECT_EQ(list.GetFirst(), Item(0));
    EXPECT_FALSE(list.Add(nullptr));
    EXPECT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetNext(), Item(1));
}

TEST_F(CxListTest, WalkReturnsPayloadsInOrderThenNullOnEveryFurtherCall)
{
    for (const std::size_t count : {0u, 1u, 2u, 5u, 200u}) {
        list.RemoveAll(false);
        Fill(count);
        std::vector<void*> walked;
        for (void* p = list.GetFirst(); p != nullptr; p = list.GetNext())
            walked.push_back(p);
        ASSERT_EQ(walked.size(), count);
        for (std::size_t i = 0; i < count; ++i)
            EXPECT_EQ(walked[i], Item(i)) << "count " << count << ", element " << i;
        for (int extra = 0; extra < 3; ++extra)
            EXPECT_EQ(list.GetNext(), nullptr) << "count " << count;
    }
}

TEST_F(CxListTest, FindMovesTheCursorInBothDirections)
{
    Fill(3);
    EXPECT_EQ(list.GetCount(), 3u);
    EXPECT_EQ(list.Find(2), Item(2));  // the cursor is already on the last node
    EXPECT_EQ(list.Find(0), Item(0));  // walks back to the head
    EXPECT_EQ(list.Find(3), nullptr);  // past the end: the cursor stays on the head
    EXPECT_EQ(list.GetNext(), Item(1));
}

TEST_F(CxListTest, ReadingByPositionAndSequentiallyShareOneCursor)
{
    Fill(10);
    // Each step: an operation on the list, the element it must return, -1 for null.
    enum class Op { First, Next, Find };
    const struct {
        Op op;
        std::uint32_t index;
        int expected;
    } steps[] = {
        {Op::Find, 7, 7},  {Op::Next, 0, 8},  {Op::Find, 3, 3},  {Op::Next, 0, 4},   {Op::Find, 4, 4},
        {Op::Find, 9, 9},  {Op::Next, 0, -1}, {Op::Find, 10, -1}, {Op::Find, 0, 0}, {Op::Next, 0, 1},
        {Op::First, 0, 0}, {Op::Find, 5, 5},  {Op::Find, 2, 2},  {Op::Next, 0, 3},
    };
    int step = 0;
    for (const auto& s : steps) {
        void* const result = s.op == Op::First ? list.GetFirst() : s.op == Op::Next ? list.GetNext() : list.Find(s.index);
        EXPECT_EQ(result, s.expected < 0 ? nullptr : Item(static_cast<std::size_t>(s.expected))) << "step " << step;
        ++step;
    }
}

TEST_F(CxListTest, AddDuringAWalkMovesTheCursorToTheNewNode)
{
    Fill(4);
    EXPECT_EQ(list.GetFirst(), Item(0));
    EXPECT_EQ(list.GetNext(), Item(1));
    ASSERT_TRUE(list.Add(Item(4)));
    EXPECT_EQ(list.GetNext(), nullptr);
    EXPECT_EQ(list.GetCount(), 5u);
    EXPECT_EQ(list.Find(4), Item(4));
    EXPECT_EQ(list.Find(2), Item(2));
}

TEST_F(CxListTest, RemoveAllWithoutFreeingKeepsPayloadsAndRestartsNumbering)
{
    items[0] = 11;
    items[1] = 22;
    Fill(2);
    list.RemoveAll(false);
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.GetFirst(), nullptr);
    EXPECT_EQ(items[0], 11);
    EXPECT_EQ(items[1], 22);

    ASSERT_TRUE(list.Add(Item(1)));
    EXPECT_EQ(list.GetCount(), 1u);
    EXPECT_EQ(list.Find(0), Item(1));
    EXPECT_EQ(list.Find(1), nullptr);
}

TEST(CxList, RemoveAllWithFreeingReleasesEveryPayloadOnce)
{
    // The sanitizer build reports a payload that is not released, or released twice.
    CxList list;
    for (int i = 0; i < 3; ++i) {
        void* const payload = CxAlloc(32);
        ASSERT_NE(payload, nullptr);
        std::memset(payload, 'a' + i, 32);
        ASSERT_TRUE(list.Add(payload));
    }
    list.RemoveAll(true);
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.GetFirst(), nullptr);

    void* const next = CxAlloc(8);
    ASSERT_TRUE(list.Add(next));
    EXPECT_EQ(list.Find(0), next);
    list.RemoveAll(true);
}

TEST(CxList, DestroyingAListNeverFreesPayloads)
{
    // Payloads on the stack: freeing one would be caught by the address sanitizer.
    int first = 1;
    int second = 2;
    {
        CxList list;
        ASSERT_TRUE(list.Add(&first));
        ASSERT_TRUE(list.Add(&second));
    }
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

}  // namespace
