// The duplicate test's index follows every change of the stored records: overwrites by
// position, the updates of tasks and notes, emptying; and searching leaves a walk alone.
#include "records/CommAddrMgr.h"
#include "records/CommDateMgr.h"
#include "records/CommNoteMgr.h"
#include "records/CommTaskMgr.h"

#include "RecordTestSupport.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>

using record_tests::SetText;

namespace {

// Each kind's records made from a key and a content number: equal keys are the same item,
// equal content numbers make it identical.
struct Contacts {
    using Mgr = CommAddrMgr;
    using Rec = CommAddrRec;
    static std::unique_ptr<Rec> Make(const char* szKey, int nContent)
    {
        auto rec = record_tests::NewRecord<Rec>();
        SetText(rec->szFirstName, szKey);
        SetText(rec->szCompany, "Company " + std::to_string(nContent));
        return rec;
    }
};

struct Calendar {
    using Mgr = CommDateMgr;
    using Rec = CommDateRec;
    static std::unique_ptr<Rec> Make(const char* szKey, int nContent)
    {
        auto rec = record_tests::NewRecord<Rec>();
        SetText(rec->szDescription, szKey);
        SetText(rec->szLocation, "Room " + std::to_string(nContent));
        rec->stStart = platform::MakeSystemTime(2004, 5, 1, 9);
        rec->stEnd = platform::MakeSystemTime(2004, 5, 1, 10);
        return rec;
    }
};

struct Tasks {
    using Mgr = CommTaskMgr;
    using Rec = CommTaskRec;
    static std::unique_ptr<Rec> Make(const char* szKey, int nContent)
    {
        auto rec = record_tests::NewRecord<Rec>();
        SetText(rec->szSubject, szKey);
        rec->nPriority = nContent;
        return rec;
    }
};

struct Notes {
    using Mgr = CommNoteMgr;
    using Rec = CommNoteRec;
    static std::unique_ptr<Rec> Make(const char* szKey, int nContent)
    {
        auto rec = record_tests::NewRecord<Rec>();
        SetText(rec->szSubject, szKey);
        SetText(rec->szNote, "Body " + std::to_string(nContent));
        return rec;
    }
};

template <typename Kind>
class FindMatchIndexChanges : public testing::Test {
protected:
    using Mgr = typename Kind::Mgr;
    using Rec = typename Kind::Rec;

    struct Answer {
        int nCode;
        int nIndex;
        const Rec* pFound;
    };

    Answer Ask(const char* szKey, int nContent)
    {
        Rec* pFound = nullptr;
        int nIndex = -77;
        const int nCode = m_mgr.FindMatch(Kind::Make(szKey, nContent).get(), &pFound, &nIndex);
        return {nCode, nIndex, pFound};
    }

    Rec* Add(const char* szKey, int nContent) { return m_mgr.AddRecord(Kind::Make(szKey, nContent).get()); }

    // The stored records Ann/1, Bob/1, Cy/1; the one at position 1 is then made Dee/2 in
    // the given way. Every answer must follow the change.
    void ExpectAnswersAfterOverwrite(bool (*overwrite)(Mgr&, int, const Rec*))
    {
        Add("Ann", 1);
        const Rec* pSecond = Add("Bob", 1);
        Add("Cy", 1);
        ASSERT_TRUE(overwrite(m_mgr, 1, Kind::Make("Dee", 2).get()));

        struct Case {
            const char* szKey;
            int nContent;
            int nCode;
            int nIndex;
        };
        const Case cases[] = {
            {"Bob", 1, kMatchNone, 3},  // the old key is gone
            {"Dee", 2, kMatchIdentical, 1},
            {"Dee", 1, kMatchSameKey, 1},
            {"Ann", 1, kMatchIdentical, 0},
            {"Cy", 2, kMatchSameKey, 2},
        };
        for (const Case& c : cases) {
            const Answer answer = Ask(c.szKey, c.nContent);
            EXPECT_EQ(answer.nCode, c.nCode) << c.szKey << "/" << c.nContent;
            EXPECT_EQ(answer.nIndex, c.nIndex) << c.szKey << "/" << c.nContent;
        }
        EXPECT_EQ(Ask("Dee", 1).pFound, pSecond);
    }

    Mgr m_mgr;
};

struct KindNames {
    template <typename Kind>
    static std::string GetName(int)
    {
        if constexpr (std::is_same_v<Kind, Contacts>)
            return "Contacts";
        else if constexpr (std::is_same_v<Kind, Calendar>)
            return "Calendar";
        else if constexpr (std::is_same_v<Kind, Tasks>)
            return "Tasks";
        else
            return "Notes";
    }
};

using Kinds = testing::Types<Contacts, Calendar, Tasks, Notes>;
TYPED_TEST_SUITE(FindMatchIndexChanges, Kinds, KindNames);

TYPED_TEST(FindMatchIndexChanges, ReplaceRecordRefilesTheRecord)
{
    using Mgr = typename TypeParam::Mgr;
    using Rec = typename TypeParam::Rec;
    this->ExpectAnswersAfterOverwrite([](Mgr& mgr, int nIndex, const Rec* pRec) { return mgr.ReplaceRecord(nIndex, pRec); });
}

// Tasks and notes are also brought up to date in place.
template <typename Kind>
class FindMatchIndexUpdates : public FindMatchIndexChanges<Kind> {};

using UpdatedKinds = testing::Types<Tasks, Notes>;
TYPED_TEST_SUITE(FindMatchIndexUpdates, UpdatedKinds, KindNames);

TYPED_TEST(FindMatchIndexUpdates, UpdateRecordRefilesTheRecord)
{
    using Mgr = typename TypeParam::Mgr;
    using Rec = typename TypeParam::Rec;
    this->ExpectAnswersAfterOverwrite([](Mgr& mgr, int nIndex, const Rec* pRec) { return mgr.UpdateRecord(pRec, nIndex); });
}

TYPED_TEST(FindMatchIndexChanges, ReplaceRecordRefusesWhatItCannotDo)
{
    using Rec = typename TypeParam::Rec;
    this->Add("Ann", 1);
    this->Add("Bob", 1);
    const auto pDee = TypeParam::Make("Dee", 2);
    struct Case {
        int nIndex;
        const Rec* pRec;
    };
    const Case cases[] = {{-1, pDee.get()}, {2, pDee.get()}, {1000, pDee.get()}, {0, nullptr}};
    for (const Case& c : cases)
        EXPECT_FALSE(this->m_mgr.ReplaceRecord(c.nIndex, c.pRec)) << c.nIndex;
    EXPECT_EQ(this->Ask("Ann", 1).nCode, kMatchIdentical);
    EXPECT_EQ(this->Ask("Bob", 1).nIndex, 1);
    EXPECT_EQ(this->Ask("Dee", 2).nCode, kMatchNone);
}

TYPED_TEST(FindMatchIndexChanges, FreeAllEmptiesTheIndex)
{
    this->Add("Ann", 1);
    this->Add("Bob", 1);
    this->m_mgr.FreeAll();
    const auto empty = this->Ask("Bob", 1);
    EXPECT_EQ(empty.nCode, kMatchNone);
    EXPECT_EQ(empty.nIndex, 0);

    const auto* pBob = this->Add("Bob", 1);
    const auto again = this->Ask("Bob", 1);
    EXPECT_EQ(again.nCode, kMatchIdentical);
    EXPECT_EQ(again.nIndex, 0);
    EXPECT_EQ(again.pFound, pBob);
}

TYPED_TEST(FindMatchIndexChanges, SearchingLeavesAWalkInProgressAlone)
{
    const auto* pFirst = this->Add("Ann", 1);
    const auto* pSecond = this->Add("Bob", 1);
    this->Add("Cy", 1);
    ASSERT_EQ(this->m_mgr.GetFirst(), pFirst);
    EXPECT_EQ(this->Ask("Cy", 1).nIndex, 2);
    EXPECT_EQ(this->m_mgr.GetNext(), pSecond);
}

// Overwriting keeps the stored record's own image and takes everything else.
TEST(FindMatchIndexReplace, KeepsTheStoredImage)
{
    CommAddrMgr mgr;
    char storedImage[] = "stored image";
    auto rec = Contacts::Make("Ann", 1);
    rec->pNative = storedImage;
    rec->nNativeSize = sizeof storedImage;
    CommAddrRec* pStored = mgr.AddRecord(rec.get());
    void* const pStoredImage = pStored->pNative;

    char otherImage[] = "other";
    auto incoming = Contacts::Make("Ann", 2);
    SetText(incoming->szNote, "New note");
    incoming->pNative = otherImage;
    incoming->nNativeSize = sizeof otherImage;
    ASSERT_TRUE(mgr.ReplaceRecord(0, incoming.get()));

    EXPECT_EQ(pStored->pNative, pStoredImage);
    EXPECT_EQ(pStored->nNativeSize, sizeof storedImage);
    EXPECT_EQ(std::memcmp(pStored->pNative, storedImage, sizeof storedImage), 0);
    EXPECT_EQ(std::memcmp(pStored, incoming.get(), offsetof(CommAddrRec, pNative)), 0);
}

// A manager whose hash can be chosen; the choice only holds while nothing is stored.
class HashChoosingTaskMgr : public CommTaskMgr {
public:
    using CommTaskMgr::UseKeyHash;
};

TEST(FindMatchIndexHash, ChosenOnlyWhileEmpty)
{
    HashChoosingTaskMgr mgr;
    const CommKeyHash oneHash = [](std::string_view) -> std::uint64_t { return 1; };
    EXPECT_TRUE(mgr.UseKeyHash(oneHash));
    mgr.AddRecord(Tasks::Make("Ann", 1).get());
    EXPECT_FALSE(mgr.UseKeyHash(&CommDefaultKeyHash));
    EXPECT_FALSE(mgr.UseKeyHash(nullptr));
    mgr.FreeAll();
    EXPECT_TRUE(mgr.UseKeyHash(&CommDefaultKeyHash));
}

}  // namespace
