#include "records/CommNoteMgr.h"

#include "RecordTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using record_tests::FieldText;
using record_tests::SetText;

namespace {

using Edit = std::function<void(CommNoteRec&)>;

const Edit kSame = [](CommNoteRec&) {};

std::unique_ptr<CommNoteRec> BaseNote()
{
    auto rec = record_tests::NewRecord<CommNoteRec>();
    SetText(rec->szSubject, "Shopping");
    SetText(rec->szNote, "Shopping\r\nMilk, bread");
    SetText(rec->szCategory, "Home");
    rec->nColor = 3;
    return rec;
}

std::unique_ptr<CommNoteRec> EditedNote(const Edit& edit)
{
    auto rec = BaseNote();
    edit(*rec);
    return rec;
}

const Edit kOtherBody = [](CommNoteRec& r) { SetText(r.szNote, "Eggs"); };
const Edit kNoSubject = [](CommNoteRec& r) { r.szSubject[0] = '\0'; };

struct MatchCase {
    const char* szName;
    std::vector<Edit> stored;
    Edit incoming;
    int nIncomingIsStored;
    int nCode;
    int nFound;  // position of the record expected in ppFound, -1 for untouched
    int nIndex;
};

const MatchCase kMatchCases[] = {
    {"EmptyManager", {}, kSame, -1, 2, -1, 0},
    {"RecordItself", {kOtherBody, kSame}, kSame, 1, 1, 1, 1},
    {"LetterCaseIgnored", {kSame},
     [](CommNoteRec& r) {
         SetText(r.szSubject, "SHOPPING");
         SetText(r.szNote, "shopping\r\nMILK, BREAD");
     },
     -1, 1, 0, 0},
    {"LineBreakDifferenceInBody", {kSame}, [](CommNoteRec& r) { SetText(r.szNote, "Shopping\nMilk, bread"); }, -1, 3, 0, 0},
    {"OtherBodyAtFirstPosition", {kSame}, kOtherBody, -1, 3, 0, 0},
    {"LastOfSeveralKeyMatches", {kOtherBody, [](CommNoteRec& r) { SetText(r.szSubject, "Work"); }, kOtherBody}, kSame, -1, 3, 2, 2},
    {"ColourAndCategoryTakeNoPart", {kSame},
     [](CommNoteRec& r) {
         r.nColor = 1;
         SetText(r.szCategory, "Other");
     },
     -1, 1, 0, 0},
    {"OtherSubject", {kSame}, [](CommNoteRec& r) { SetText(r.szSubject, "Shopping list"); }, -1, 2, -1, 1},
    {"NoSubjectIdentical", {kNoSubject}, kNoSubject, -1, 1, 0, 0},
    {"NoSubjectOtherBodyIsNew", {kNoSubject, kSame},
     [](CommNoteRec& r) {
         kNoSubject(r);
         kOtherBody(r);
     },
     -1, 2, -1, 2},
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const MatchCase& c, std::ostream* os)
{
    *os << c.szName;
}

class NoteFindMatch : public testing::TestWithParam<MatchCase> {};

TEST_P(NoteFindMatch, AnswersCodeRecordAndPosition)
{
    const MatchCase& c = GetParam();
    CommNoteMgr mgr;
    std::vector<CommNoteRec*> stored;
    for (const Edit& edit : c.stored)
        stored.push_back(mgr.AddRecord(EditedNote(edit).get()));

    const auto incoming = EditedNote(c.incoming);
    const CommNoteRec* pIncoming = c.nIncomingIsStored >= 0 ? stored[static_cast<std::size_t>(c.nIncomingIsStored)] : incoming.get();
    CommNoteRec untouched{};
    CommNoteRec* pFound = &untouched;
    int nIndex = -77;

    EXPECT_EQ(mgr.FindMatch(pIncoming, &pFound, &nIndex), c.nCode);
    EXPECT_EQ(pFound, c.nFound < 0 ? &untouched : stored[static_cast<std::size_t>(c.nFound)]);
    EXPECT_EQ(nIndex, c.nIndex);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoteFindMatch, testing::ValuesIn(kMatchCases),
                         [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.szName); });

// Subjects compare over their first 255 characters, bodies over their first 20479: a
// difference in an unterminated member's last byte does not count.
TEST(NoteFindMatchLimits, OnlyTheTextsWithinTheirWidthsCount)
{
    CommNoteMgr mgr;
    auto stored = BaseNote();
    std::memset(stored->szSubject, 's', sizeof stored->szSubject);
    std::memset(stored->szNote, 'n', sizeof stored->szNote);
    mgr.AddRecord(stored.get());

    auto incoming = BaseNote();
    std::memset(incoming->szSubject, 'S', sizeof incoming->szSubject);
    incoming->szSubject[sizeof incoming->szSubject - 1] = 'x';
    std::memset(incoming->szNote, 'N', sizeof incoming->szNote);
    incoming->szNote[sizeof incoming->szNote - 1] = '\0';
    CommNoteRec* pFound = nullptr;
    int nIndex = -1;
    EXPECT_EQ(mgr.FindMatch(incoming.get(), &pFound, &nIndex), 1);

    incoming->szNote[100] = 'm';
    EXPECT_EQ(mgr.FindMatch(incoming.get(), &pFound, &nIndex), 3);
}

TEST(NoteFieldTable, HasTheElevenRows)
{
    struct Row {
        LONG nId;
        const char* szName;
        LONG nLength;
    };
    const Row rows[] = {
        {0, "Color", 4},        {1, "Private", 4},       {2, "Subject", 256},
        {3, "Note", 20480},     {4, "Category", 256},    {5, "Creation Time", 8},
        {6, "Last Modification Time", 8}, {7, "Source", 4}, {8, "Status", 4},
        {9, "ID(Integer)", 4},  {10, "ID(String)", 32},
    };
    for (const Row& row : rows) {
        CommFieldDef def{};
        ASSERT_TRUE(CommNoteMgr::GetFieldDef(row.nId, &def)) << row.nId;
        EXPECT_EQ(def.nId, row.nId);
        EXPECT_STREQ(def.szName, row.szName);
        EXPECT_EQ(def.nSize, row.nLength) << row.szName;
    }
    CommFieldDef def{};
    EXPECT_FALSE(CommNoteMgr::GetFieldDef(11, &def));
}

TEST(NoteFieldText, EveryField)
{
    auto rec = BaseNote();
    rec->nPrivate = 1;
    rec->dCreationTime = 0.0;
    rec->dLastModificationTime = 38053.37847222222;  // 2004-03-07 09:05:00
    rec->nSource = 3;
    rec->nStatus = 2;
    rec->nId = 42;
    SetText(rec->szId, "00000000ABCDEF");
    struct Case {
        LONG nId;
        const char* szText;
    };
    const Case cases[] = {
        {0, "#000003"},
        {1, "Yes"},
        {2, "Shopping"},
        {3, "Shopping\r\nMilk, bread"},
        {4, "Home"},
        {5, "12-30-1899 00:00:00"},
        {6, "03-07-2004 09:05:00"},
        {7, ""},
        {8, ""},
        {9, ""},
        {10, ""},
        {11, ""},
    };
    for (const Case& c : cases) {
        const auto shown = FieldText<CommNoteMgr>(*rec, c.nId);
        EXPECT_TRUE(shown.bResult) << c.nId;
        EXPECT_EQ(shown.text, c.szText) << c.nId;
    }
}

TEST(NoteFieldText, ColoursAndDatesThatCannotBeShown)
{
    auto rec = BaseNote();
    const std::pair<LONG, const char*> colours[] = {{0, "#000000"}, {0xABCDEF, "#abcdef"}, {0x1234567, "#1234567"}};
    for (const auto& [nColor, szText] : colours) {
        rec->nColor = nColor;
        EXPECT_EQ(FieldText<CommNoteMgr>(*rec, 0).text, szText) << nColor;
    }
    rec->dCreationTime = 1.0e9;  // far beyond the year 9999
    const auto shown = FieldText<CommNoteMgr>(*rec, 5);
    EXPECT_TRUE(shown.bResult);
    EXPECT_EQ(shown.text, "");
}

TEST(NoteFieldText, LongNoteIsCutToTheListBuffer)
{
    auto rec = BaseNote();
    std::memset(rec->szNote, 'a', 5000);
    rec->szNote[5000] = '\0';
    EXPECT_EQ(FieldText<CommNoteMgr>(*rec, 3, 1024).text, std::string(1023, 'a'));
}

std::vector<CommNoteRec*> StoreThreeNotes(CommNoteMgr& mgr)
{
    std::vector<CommNoteRec*> stored;
    for (const char* szSubject : {"First", "Second", "Third"}) {
        auto rec = BaseNote();
        SetText(rec->szSubject, szSubject);
        SetText(rec->szNote, std::string(szSubject) + " body");
        rec->nStatus = 5;
        stored.push_back(mgr.AddRecord(rec.get()));
    }
    return stored;
}

TEST(NoteUpdateRecord, RefusesPositionsWithoutRecord)
{
    CommNoteMgr mgr;
    const std::vector<CommNoteRec*> stored = StoreThreeNotes(mgr);
    const auto incoming = BaseNote();
    for (const int nIndex : {-1, 3, 100})
        EXPECT_FALSE(mgr.UpdateRecord(incoming.get(), nIndex)) << nIndex;
    EXPECT_FALSE(mgr.UpdateRecord(nullptr, 0));
    EXPECT_STREQ(stored[0]->szSubject, "First");
    EXPECT_EQ(stored[2]->nStatus, 5);
}

TEST(NoteUpdateRecord, TakesColourPrivacyAndTextsAndClearsStatus)
{
    struct Case {
        const char* szName;
        const char* szSubject;
        const char* szNote;
        const char* szExpectedSubject;
        const char* szExpectedNote;
    };
    const Case cases[] = {
        {"BothGiven", "New subject", "New body", "New subject", "New body"},
        {"EmptySubjectKept", "", "New body", "Second", "New body"},
        {"EmptyBodyKept", "New subject", "", "New subject", "Second body"},
    };
    for (const Case& c : cases) {
        CommNoteMgr mgr;
        const std::vector<CommNoteRec*> stored = StoreThreeNotes(mgr);
        auto incoming = record_tests::NewRecord<CommNoteRec>();
        SetText(incoming->szSubject, c.szSubject);
        SetText(incoming->szNote, c.szNote);
        SetText(incoming->szCategory, "Ignored");
        incoming->nColor = 4;
        incoming->nPrivate = 1;

        ASSERT_TRUE(mgr.UpdateRecord(incoming.get(), 1)) << c.szName;
        const CommNoteRec& updated = *stored[1];
        EXPECT_STREQ(updated.szSubject, c.szExpectedSubject) << c.szName;
        EXPECT_STREQ(updated.szNote, c.szExpectedNote) << c.szName;
        EXPECT_EQ(updated.nColor, 4) << c.szName;
        EXPECT_EQ(updated.nPrivate, 1) << c.szName;
        EXPECT_EQ(updated.nStatus, 0) << c.szName;
        EXPECT_STREQ(updated.szCategory, "Home") << c.szName;
        EXPECT_EQ(stored[0]->nStatus, 5) << c.szName;
        EXPECT_EQ(stored[2]->nColor, 3) << c.szName;
    }
}

TEST(NoteRecords, FreeAllReleasesRecordsAndImages)
{
    CommNoteMgr mgr;
    std::vector<char> image(4096, 'i');
    for (int i = 0; i < 3; ++i) {
        auto rec = BaseNote();
        if (i != 1) {
            rec->pNative = image.data();
            rec->nNativeSize = static_cast<DWORD>(image.size());
        }
        mgr.AddRecord(rec.get());
    }
    int nWithImage = 0;
    for (const CommNoteRec* pRec = mgr.GetFirst(); pRec != nullptr; pRec = mgr.GetNext())
        nWithImage += pRec->pNative != nullptr ? 1 : 0;
    EXPECT_EQ(nWithImage, 2);
    mgr.FreeAll();
    EXPECT_EQ(mgr.GetFirst(), nullptr);
}

}  // namespace
