// The preview of an import answers, for each incoming record, what the duplicate test will
// answer when the run reaches it: after the earlier records of the same run were added or
// written over their matches. It is checked against the run itself, replayed on a second
// manager holding the same records, over seeded draws from small pools so that records
// repeat and keys collide within one run.
#include "records/CommAddrMgr.h"
#include "records/CommTaskMgr.h"

#include "RecordTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

using record_tests::SetText;

namespace {

struct ContactKind {
    using Rec = CommAddrRec;
    using Mgr = CommAddrMgr;
    static void Fill(Rec& rec, std::mt19937& engine)
    {
        static constexpr std::array kFirst = {"Ann", "Bob"};
        static constexpr std::array kLast = {"Lee", "Kim"};
        static constexpr std::array kCompany = {"Acme", "Initech", ""};
        SetText(rec.szFirstName, kFirst[engine() % kFirst.size()]);
        SetText(rec.szLastName, kLast[engine() % kLast.size()]);
        SetText(rec.szCompany, kCompany[engine() % kCompany.size()]);
    }
};

struct TaskKind {
    using Rec = CommTaskRec;
    using Mgr = CommTaskMgr;
    static void Fill(Rec& rec, std::mt19937& engine)
    {
        static constexpr std::array kSubject = {"Call Ann", "Pay rent", ""};
        static constexpr std::array kPriority = {kTaskPriorityNormal, kTaskPriorityHigh};
        SetText(rec.szSubject, kSubject[engine() % kSubject.size()]);
        rec.nPriority = kPriority[engine() % kPriority.size()];
    }
};

template <typename Kind>
class PreviewMatches : public ::testing::Test {
protected:
    using Rec = typename Kind::Rec;

    std::vector<std::unique_ptr<Rec>> Draw(std::mt19937& engine, int nCount)
    {
        std::vector<std::unique_ptr<Rec>> records;
        for (int n = 0; n < nCount; ++n) {
            records.push_back(record_tests::NewRecord<Rec>());
            Kind::Fill(*records.back(), engine);
        }
        return records;
    }

    // What the run does with each record: the duplicate test, then an add or a write over
    // the match, as the adapters save records.
    struct RunMatch {
        int nCode;
        std::size_t nPosition;
        std::unique_ptr<Rec> pMatched;  // a copy as it was when matched
    };

    static std::vector<RunMatch> Replay(typename Kind::Mgr& mgr, const std::vector<Rec*>& incoming)
    {
        std::vector<RunMatch> matches;
        for (Rec* pRec : incoming) {
            Rec* pFound = nullptr;
            int nIndex = 0;
            const int nCode = mgr.FindMatch(pRec, &pFound, &nIndex);
            matches.push_back({nCode, static_cast<std::size_t>(nIndex),
                               pFound != nullptr ? std::make_unique<Rec>(*pFound) : nullptr});
            if (nCode == kMatchNone) {
                EXPECT_NE(mgr.AddRecord(pRec), nullptr);
            } else if (nCode == kMatchSameKey) {
                EXPECT_TRUE(mgr.ReplaceRecord(nIndex, pRec));
            }
        }
        return matches;
    }
};

using Kinds = ::testing::Types<ContactKind, TaskKind>;
TYPED_TEST_SUITE(PreviewMatches, Kinds);

TYPED_TEST(PreviewMatches, AnswersWhatTheRunFindsAndChangesNothingStored)
{
    std::array<int, 4> codesSeen{};
    for (std::uint32_t nSeed = 1; nSeed <= 40; ++nSeed) {
        std::mt19937 engine(nSeed);
        const auto stored = this->Draw(engine, static_cast<int>(engine() % 4));
        const auto incoming = this->Draw(engine, 8);
        std::vector<typename TypeParam::Rec*> pointers;
        for (const auto& pRec : incoming)
            pointers.push_back(pRec.get());

        typename TypeParam::Mgr previewed;
        typename TypeParam::Mgr replayed;
        for (const auto& pRec : stored) {
            ASSERT_NE(previewed.AddRecord(pRec.get()), nullptr);
            ASSERT_NE(replayed.AddRecord(pRec.get()), nullptr);
        }

        const auto preview = previewed.PreviewMatches(pointers);
        const auto run = this->Replay(replayed, pointers);
        ASSERT_EQ(preview.size(), run.size()) << "seed " << nSeed;
        for (std::size_t n = 0; n < run.size(); ++n) {
            EXPECT_EQ(preview[n].match.nCode, run[n].nCode) << "seed " << nSeed << ", record " << n;
            if (run[n].nCode != kMatchNone) {
                ASSERT_NE(run[n].pMatched, nullptr);
                EXPECT_EQ(preview[n].match.nPosition, run[n].nPosition) << "seed " << nSeed << ", record " << n;
                ASSERT_NE(preview[n].pMatched, nullptr);
                // The matched record has the content the run's stored record had at that point.
                EXPECT_EQ(std::memcmp(preview[n].pMatched, run[n].pMatched.get(), offsetof(typename TypeParam::Rec, pNative)), 0);
            } else {
                EXPECT_EQ(preview[n].pMatched, nullptr);
            }
            ++codesSeen[static_cast<std::size_t>(run[n].nCode)];
        }

        std::size_t nStored = 0;
        for (auto* pRec = previewed.GetFirst(); pRec != nullptr; pRec = previewed.GetNext(), ++nStored)
            EXPECT_EQ(std::memcmp(pRec, stored[nStored].get(), offsetof(typename TypeParam::Rec, pNative)), 0);
        EXPECT_EQ(nStored, stored.size());
    }
    // The draws must have met every answer, or the comparison proved little.
    EXPECT_GT(codesSeen[kMatchIdentical], 0);
    EXPECT_GT(codesSeen[kMatchNone], 0);
    EXPECT_GT(codesSeen[kMatchSameKey], 0);
}

// Records of different key groups never match each other: the preview of one group's
// records, against that group's stored records alone, answers as the whole run's preview.
TYPED_TEST(PreviewMatches, AKeyGroupAlonePreviewsAsTheWholeRun)
{
    std::size_t nGroupsSeen = 0;
    for (std::uint32_t nSeed = 1; nSeed <= 40; ++nSeed) {
        std::mt19937 engine(nSeed);
        const auto stored = this->Draw(engine, static_cast<int>(engine() % 6));
        const auto incoming = this->Draw(engine, 10);
        typename TypeParam::Mgr mgr;
        for (const auto& pRec : stored)
            ASSERT_NE(mgr.AddRecord(pRec.get()), nullptr);
        std::vector<typename TypeParam::Rec*> all;
        for (const auto& pRec : incoming)
            all.push_back(pRec.get());
        const auto whole = mgr.PreviewMatches(all);

        std::vector<std::uint64_t> groups;
        for (const auto* pRec : all)
            groups.push_back(mgr.KeyGroup(pRec));
        for (const std::uint64_t nGroup : groups) {
            std::vector<typename TypeParam::Rec*> members;
            std::vector<std::size_t> places;
            for (std::size_t n = 0; n < all.size(); ++n) {
                if (groups[n] == nGroup) {
                    members.push_back(all[n]);
                    places.push_back(n);
                }
            }
            const auto alone = mgr.PreviewGroup(nGroup, members);
            ASSERT_EQ(alone.size(), members.size());
            for (std::size_t n = 0; n < members.size(); ++n) {
                EXPECT_EQ(alone[n].match.nCode, whole[places[n]].match.nCode) << "seed " << nSeed << ", record " << places[n];
                EXPECT_EQ(alone[n].pMatched, whole[places[n]].pMatched) << "seed " << nSeed << ", record " << places[n];
            }
            nGroupsSeen += members.size() < all.size() ? 1 : 0;
        }
    }
    EXPECT_GT(nGroupsSeen, 0u) << "the draws must make more than one group";
}

TEST(PreviewMatchesOf, ANullRecordIsNoRecord)
{
    CommAddrMgr mgr;
    CommAddrRec* incoming[] = {nullptr};
    const auto matches = mgr.PreviewMatches(incoming);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0].match.nCode, kMatchNoRecord);
    EXPECT_EQ(matches[0].pMatched, nullptr);
}

}  // namespace
