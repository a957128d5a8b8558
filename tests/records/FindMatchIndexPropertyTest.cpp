// The duplicate test finds its candidates through an index of stored keys. Whatever the
// stored records, their order and their later changes, it must answer exactly as a plain
// walk over every stored record does: the walk below, written from each kind's matching
// rules. Records are drawn from small pools so keys collide often, seeded so every run
// draws the same ones.
#include "records/CommAddrMgr.h"
#include "records/CommDateMgr.h"
#include "records/CommNoteMgr.h"
#include "records/CommTaskMgr.h"

#include "RecordTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

using record_tests::SetText;

namespace {

// Draws from the engine's own output, which the language fixes, rather than from the
// library's distributions, which it does not.
class Random {
public:
    explicit Random(std::uint32_t nSeed) : m_engine(nSeed) {}

    std::size_t Below(std::size_t nBound) { return m_engine() % nBound; }
    bool OneIn(std::size_t nChance) { return Below(nChance) == 0; }

    template <typename T, std::size_t N>
    const T& Pick(const T (&values)[N])
    {
        return values[Below(N)];
    }

private:
    std::mt19937 m_engine;
};

char OtherCase(char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return static_cast<char>(c - 'A' + 'a');
    return c;
}

bool EqualIgnoringCase(std::string_view text1, std::string_view text2)
{
    if (text1.size() != text2.size())
        return false;
    for (std::size_t i = 0; i < text1.size(); ++i) {
        const char c1 = text1[i];
        const char c2 = text2[i];
        if (c1 != c2 && OtherCase(c1) != c2)
            return false;
    }
    return true;
}

constexpr const char* kLineBreaks[] = {"\r", "\n", "\r\n", "\n\n"};

// text with letters put in the other case at random, and with line breaks put between its
// characters when asked: differences the contact rules ignore.
std::string Noisy(std::string_view text, Random& random, bool bLineBreaks)
{
    std::string noisy;
    for (const char c : text) {
        if (bLineBreaks && random.OneIn(10))
            noisy += random.Pick(kLineBreaks);
        noisy += random.OneIn(3) ? OtherCase(c) : c;
    }
    return noisy;
}

// Line breaks left at the end of a contact text do count.
std::string WithTrailingBreakNowAndThen(std::string text, Random& random)
{
    if (!text.empty() && random.OneIn(12))
        text += random.Pick(kLineBreaks);
    return text;
}

// One of nCount texts made of szStem and a number, or now and then the empty text.
std::string Numbered(const char* szStem, std::size_t nCount, Random& random)
{
    if (random.OneIn(6))
        return "";
    return std::string(szStem) + " " + std::to_string(random.Below(nCount));
}

constexpr const char* kUnmatchedTexts[] = {"", "x", "Chess", "Lorem ipsum"};

// A text member of a record, by place and width.
struct TextMember {
    std::size_t nOffset;
    std::size_t nSize;
};

#define TEXT_MEMBER(Rec, member) \
    TextMember { offsetof(Rec, member), sizeof(Rec::member) }

template <typename Rec>
const char* TextOf(const Rec& rec, TextMember member)
{
    return reinterpret_cast<const char*>(&rec) + member.nOffset;
}

template <typename Rec>
void SetMember(Rec& rec, TextMember member, std::string_view text)
{
    CutText(reinterpret_cast<char*>(&rec) + member.nOffset, member.nSize, text);
}

struct ContactKind {
    using Rec = CommAddrRec;
    using Mgr = CommAddrMgr;
    static constexpr bool bClearsFound = false;

    static constexpr std::array kKeys = {
        TEXT_MEMBER(Rec, szFirstName),
        TEXT_MEMBER(Rec, szLastName),
        TEXT_MEMBER(Rec, szEmail),
    };
    // The e-mail is compared too; it is drawn with the keys.
    static constexpr std::array kOtherCompared = {
        TEXT_MEMBER(Rec, szHomePhone),    TEXT_MEMBER(Rec, szWorkPhone),   TEXT_MEMBER(Rec, szMobilePhone),
        TEXT_MEMBER(Rec, szWorkFax),      TEXT_MEMBER(Rec, szHomeFax),     TEXT_MEMBER(Rec, szCompany),
        TEXT_MEMBER(Rec, szTitle),        TEXT_MEMBER(Rec, szWorkCountry), TEXT_MEMBER(Rec, szWorkState),
        TEXT_MEMBER(Rec, szWorkPostal),   TEXT_MEMBER(Rec, szWorkCity),    TEXT_MEMBER(Rec, szWorkStreet),
        TEXT_MEMBER(Rec, szHomeCountry),  TEXT_MEMBER(Rec, szHomeState),   TEXT_MEMBER(Rec, szHomePostal),
        TEXT_MEMBER(Rec, szHomeCity),     TEXT_MEMBER(Rec, szHomeStreet),  TEXT_MEMBER(Rec, szOtherCountry),
        TEXT_MEMBER(Rec, szOtherState),   TEXT_MEMBER(Rec, szOtherPostal), TEXT_MEMBER(Rec, szOtherCity),
        TEXT_MEMBER(Rec, szOtherStreet),  TEXT_MEMBER(Rec, szNote),
    };

    static bool SameText(const Rec& rec1, const Rec& rec2, TextMember member)
    {
        return Mgr::CompareText(TextOf(rec1, member), TextOf(rec2, member)) == 0;
    }

    static bool KeyEmpty(const Rec& rec)
    {
        for (const TextMember member : kKeys) {
            if (TextOf(rec, member)[0] != '\0')
                return false;
        }
        return true;
    }

    static bool SameKey(const Rec& rec1, const Rec& rec2)
    {
        for (const TextMember member : kKeys) {
            if (!SameText(rec1, rec2, member))
                return false;
        }
        return true;
    }

    static bool SameContent(const Rec& rec1, const Rec& rec2)
    {
        if (!SameText(rec1, rec2, TEXT_MEMBER(Rec, szEmail)))
            return false;
        for (const TextMember member : kOtherCompared) {
            if (!SameText(rec1, rec2, member))
                return false;
        }
        return true;
    }

    static void Fill(Rec& rec, Random& random)
    {
        static constexpr const char* kFirstNames[] = {"", "Ann", "Bob", "Zoë", "Ann Marie"};
        static constexpr const char* kLastNames[] = {"", "Lee", "Ng"};
        static constexpr const char* kEmails[] = {"", "ann@example.com", "bob@example.com"};
        // A sixth have no name and no e-mail at all: company-only contacts.
        if (!random.OneIn(6)) {
            SetText(rec.szFirstName, WithTrailingBreakNowAndThen(Noisy(random.Pick(kFirstNames), random, true), random));
            SetText(rec.szLastName, WithTrailingBreakNowAndThen(Noisy(random.Pick(kLastNames), random, true), random));
            SetText(rec.szEmail, Noisy(random.Pick(kEmails), random, true));
        }
        // The compared fields follow one of three profiles, with one of them off now and then.
        const std::size_t nProfile = random.Below(3);
        const std::size_t nOff = random.OneIn(3) ? random.Below(kOtherCompared.size()) : kOtherCompared.size();
        for (std::size_t i = 0; i < kOtherCompared.size(); ++i) {
            std::string value = nProfile == 0 ? "" : "v" + std::to_string(i) + (nProfile == 1 ? " alpha" : " beta");
            if (i == nOff)
                value = random.OneIn(2) ? std::string("other") : value + "\r\n";
            SetMember(rec, kOtherCompared[i], Noisy(value, random, true));
        }
        SetText(rec.szMiddleName, random.Pick(kUnmatchedTexts));
        SetText(rec.szHobby, random.Pick(kUnmatchedTexts));
        rec.nSourceType = static_cast<LONG>(random.Below(16));
    }
};

struct CalendarKind {
    using Rec = CommDateRec;
    using Mgr = CommDateMgr;
    static constexpr bool bClearsFound = true;

    static bool SameDay(const SYSTEMTIME& st1, const SYSTEMTIME& st2)
    {
        return st1.wYear == st2.wYear && st1.wMonth == st2.wMonth && st1.wDay == st2.wDay;
    }

    static bool KeyEmpty(const Rec& rec) { return rec.szDescription[0] == '\0'; }

    static bool SameKey(const Rec& rec1, const Rec& rec2)
    {
        return EqualIgnoringCase(rec1.szDescription, rec2.szDescription) && SameDay(rec1.stStart, rec2.stStart) &&
               SameDay(rec1.stEnd, rec2.stEnd) && rec1.nAllDayEvent == rec2.nAllDayEvent;
    }

    static bool SameContent(const Rec& rec1, const Rec& rec2)
    {
        return EqualIgnoringCase(rec1.szLocation, rec2.szLocation);
    }

    static void Fill(Rec& rec, Random& random)
    {
        static constexpr const char* kLocations[] = {"", "Room 1", "Cafe", "Cafe\n"};
        SetText(rec.szDescription, Noisy(Numbered("Meeting", 40, random), random, false));
        const auto wDay = static_cast<WORD>(1 + random.Below(2));
        rec.stStart = platform::MakeSystemTime(2004, 5, wDay, static_cast<WORD>(random.Below(24)),
                                               static_cast<WORD>(random.Below(60)));
        rec.stEnd = platform::MakeSystemTime(2004, 5, static_cast<WORD>(wDay + random.Below(2)),
                                             static_cast<WORD>(random.Below(24)), static_cast<WORD>(random.Below(60)));
        rec.nAllDayEvent = random.OneIn(4) ? 1 : 0;
        SetText(rec.szLocation, Noisy(random.Pick(kLocations), random, false));
        SetText(rec.szNote, random.Pick(kUnmatchedTexts));
        rec.nAlarm = static_cast<LONG>(random.Below(2));
        rec.nImportance = static_cast<LONG>(random.Below(3));
    }
};

struct TaskKind {
    using Rec = CommTaskRec;
    using Mgr = CommTaskMgr;
    static constexpr bool bClearsFound = false;

    static bool KeyEmpty(const Rec& rec) { return rec.szSubject[0] == '\0'; }

    static bool SameKey(const Rec& rec1, const Rec& rec2) { return EqualIgnoringCase(rec1.szSubject, rec2.szSubject); }

    static bool SameContent(const Rec& rec1, const Rec& rec2)
    {
        return rec1.nPriority == rec2.nPriority && SameKey(rec1, rec2);
    }

    static void Fill(Rec& rec, Random& random)
    {
        SetText(rec.szSubject, Noisy(Numbered("Call Bob about", 150, random), random, false));
        SetText(rec.szNote, random.Pick(kUnmatchedTexts));
        SetText(rec.szCategory, random.Pick(kUnmatchedTexts));
        rec.nPriority = static_cast<LONG>(random.Below(3));
        rec.bCompleted = static_cast<BYTE>(random.Below(2));
        rec.bPrivate = static_cast<BYTE>(random.Below(2));
        rec.bAlarm = static_cast<BYTE>(random.Below(2));
        rec.tDueDate = static_cast<time_t>(random.Below(3)) * 86400 * 365;
    }
};

struct NoteKind {
    using Rec = CommNoteRec;
    using Mgr = CommNoteMgr;
    static constexpr bool bClearsFound = false;

    static bool KeyEmpty(const Rec& rec) { return rec.szSubject[0] == '\0'; }

    static bool SameKey(const Rec& rec1, const Rec& rec2) { return EqualIgnoringCase(rec1.szSubject, rec2.szSubject); }

    static bool SameContent(const Rec& rec1, const Rec& rec2) { return EqualIgnoringCase(rec1.szNote, rec2.szNote); }

    static void Fill(Rec& rec, Random& random)
    {
        static constexpr const char* kBodies[] = {"", "Buy milk", "Call home", "Buy milk\r\n"};
        SetText(rec.szSubject, Noisy(Numbered("Ideas", 150, random), random, false));
        SetText(rec.szNote, Noisy(random.Pick(kBodies), random, false));
        SetText(rec.szCategory, random.Pick(kUnmatchedTexts));
        rec.nColor = static_cast<LONG>(random.Below(5));
        rec.nPrivate = static_cast<LONG>(random.Below(2));
    }
};

#undef TEXT_MEMBER

// A manager whose index files every key under one of three hashes, so nearly every
// candidate it meets has another key.
template <typename Mgr>
class CollidingMgr : public Mgr {
public:
    CollidingMgr() : m_bColliding(this->UseKeyHash(&FewHashes)) {}
    bool Colliding() const { return m_bColliding; }

private:
    static std::uint64_t FewHashes(std::string_view text) { return text.size() % 3; }
    bool m_bColliding;
};

template <typename Rec>
struct Answer {
    int nCode;
    const Rec* pFound;
    int nIndex;

    bool operator==(const Answer&) const = default;
};

template <typename Rec>
void PrintTo(const Answer<Rec>& answer, std::ostream* os)
{
    *os << "code " << answer.nCode << ", found " << static_cast<const void*>(answer.pFound) << ", index "
        << answer.nIndex;
}

// The reference: every stored record in list order, compared field by field.
template <typename Kind, typename Mgr>
Answer<typename Kind::Rec> WalkAnswer(Mgr& mgr, const typename Kind::Rec* pRec, const typename Kind::Rec* pFoundBefore)
{
    using Rec = typename Kind::Rec;
    const Rec* pLastKeyMatch = nullptr;
    int nLastKeyMatch = -1;
    int nPosition = 0;
    for (const Rec* pStored = mgr.GetFirst(); pStored != nullptr; pStored = mgr.GetNext(), ++nPosition) {
        const bool bSameKey = Kind::SameKey(*pStored, *pRec);
        if (pStored == pRec || (bSameKey && Kind::SameContent(*pStored, *pRec)))
            return {kMatchIdentical, pStored, nPosition};
        if (bSameKey && !Kind::KeyEmpty(*pRec)) {
            pLastKeyMatch = pStored;
            nLastKeyMatch = nPosition;
        }
    }
    if (pLastKeyMatch != nullptr)
        return {kMatchSameKey, pLastKeyMatch, nLastKeyMatch};
    return {kMatchNone, Kind::bClearsFound ? nullptr : pFoundBefore, nPosition};
}

template <typename Rec, typename Mgr>
Answer<Rec> IndexedAnswer(Mgr& mgr, const Rec* pRec, Rec* pFoundBefore)
{
    Rec* pFound = pFoundBefore;
    int nIndex = -77;
    const int nCode = mgr.FindMatch(pRec, &pFound, &nIndex);
    return {nCode, pFound, nIndex};
}

// How often each rule decided, so a generator that stopped making collisions shows.
struct Tally {
    std::array<int, 4> codes{};
    int nEmptyKeyIdentical = 0;
    int nIdentityBehindIdentical = 0;
};

constexpr int kSteps = 3000;

// Imports, queries with stored records, overwrites of stored records, and adds without
// asking, with one emptying half-way; after every question the answers are compared.
template <typename Kind, typename Mgr>
void RunAgainstWalk(Mgr& mgr, std::uint32_t nSeed, Tally& tally)
{
    using Rec = typename Kind::Rec;
    Random random(nSeed);
    std::vector<Rec*> stored;  // by position
    const auto pIncoming = record_tests::NewRecord<Rec>();
    const auto pSentinel = record_tests::NewRecord<Rec>();

    const auto ask = [&](const Rec* pRec) {
        const Answer<Rec> expected = WalkAnswer<Kind>(mgr, pRec, pSentinel.get());
        const Answer<Rec> actual = IndexedAnswer(mgr, pRec, pSentinel.get());
        ++tally.codes[static_cast<std::size_t>(expected.nCode)];
        if (expected.nCode == kMatchIdentical && Kind::KeyEmpty(*pRec) && expected.pFound != pRec)
            ++tally.nEmptyKeyIdentical;
        return std::pair{expected, actual};
    };
    const auto overwrite = [&](int nIndex, const Rec* pRec) {
        if constexpr (requires { mgr.UpdateRecord(pRec, nIndex); }) {
            if (random.OneIn(2))
                return mgr.UpdateRecord(pRec, nIndex);
        }
        return mgr.ReplaceRecord(nIndex, pRec);
    };
    // A record of the same key may also be copied straight over the found one, as the
    // adapters have done: its key, and so its filing, stays the same.
    const auto takeOver = [&](int nIndex, const Rec* pRec) {
        if (!random.OneIn(3))
            return overwrite(nIndex, pRec);
        *stored[static_cast<std::size_t>(nIndex)] = *pRec;
        return true;
    };

    const auto add = [&](const Rec* pRec) {
        Rec* const pAdded = mgr.AddRecord(pRec);
        if (pAdded != nullptr)
            stored.push_back(pAdded);
        return pAdded != nullptr;
    };

    for (int nStep = 0; nStep < kSteps; ++nStep) {
        if (nStep == kSteps / 2) {
            mgr.FreeAll();
            stored.clear();
        }
        const std::size_t nAction = random.Below(100);
        if (nAction < 15 && !stored.empty()) {
            const Rec* pStored = stored[random.Below(stored.size())];
            const auto [expected, actual] = ask(pStored);
            if (expected.pFound != pStored)
                ++tally.nIdentityBehindIdentical;
            ASSERT_EQ(actual, expected) << "step " << nStep << ", a stored record itself";
            continue;
        }
        std::memset(static_cast<void*>(pIncoming.get()), 0, sizeof(Rec));
        Kind::Fill(*pIncoming, random);
        if (nAction < 25 && !stored.empty()) {
            ASSERT_TRUE(overwrite(static_cast<int>(random.Below(stored.size())), pIncoming.get())) << "step " << nStep;
            continue;
        }
        if (nAction < 40) {
            ASSERT_TRUE(add(pIncoming.get())) << "step " << nStep;
            continue;
        }
        const auto [expected, actual] = ask(pIncoming.get());
        ASSERT_EQ(actual, expected) << "step " << nStep;
        if (actual.nCode == kMatchSameKey) {
            ASSERT_TRUE(takeOver(actual.nIndex, pIncoming.get())) << "step " << nStep;
        } else if (actual.nCode == kMatchNone) {
            ASSERT_TRUE(add(pIncoming.get())) << "step " << nStep;
        }
    }
}

// Every rule must have decided often enough for the comparison to mean something.
void ExpectEveryRuleReached(const Tally& tally)
{
    EXPECT_GT(tally.codes[kMatchIdentical], 100);
    EXPECT_GT(tally.codes[kMatchNone], 100);
    EXPECT_GT(tally.codes[kMatchSameKey], 100);
    EXPECT_GT(tally.nEmptyKeyIdentical, 10);
    EXPECT_GT(tally.nIdentityBehindIdentical, 10);
}

constexpr std::uint32_t kSeeds[] = {1, 20040501, 4242};
// Colliding hashes make every search nearly a walk: one seed is enough there.
constexpr std::uint32_t kCollidingSeeds[] = {77};

template <typename Kind>
class FindMatchIndexProperty : public testing::Test {};

struct KindNames {
    template <typename Kind>
    static std::string GetName(int)
    {
        if constexpr (std::is_same_v<Kind, ContactKind>)
            return "Contacts";
        else if constexpr (std::is_same_v<Kind, CalendarKind>)
            return "Calendar";
        else if constexpr (std::is_same_v<Kind, TaskKind>)
            return "Tasks";
        else
            return "Notes";
    }
};

using Kinds = testing::Types<ContactKind, CalendarKind, TaskKind, NoteKind>;
TYPED_TEST_SUITE(FindMatchIndexProperty, Kinds, KindNames);

TYPED_TEST(FindMatchIndexProperty, AnswersAsAWalkOverEveryStoredRecord)
{
    for (const std::uint32_t nSeed : kSeeds) {
        SCOPED_TRACE(testing::Message() << "seed " << nSeed);
        typename TypeParam::Mgr mgr;
        Tally tally;
        RunAgainstWalk<TypeParam>(mgr, nSeed, tally);
        if (this->HasFatalFailure())
            return;
        ExpectEveryRuleReached(tally);
    }
}

TYPED_TEST(FindMatchIndexProperty, AnswersAsAWalkWhenKeyHashesCollide)
{
    for (const std::uint32_t nSeed : kCollidingSeeds) {
        SCOPED_TRACE(testing::Message() << "seed " << nSeed);
        CollidingMgr<typename TypeParam::Mgr> mgr;
        ASSERT_TRUE(mgr.Colliding());
        Tally tally;
        RunAgainstWalk<TypeParam>(mgr, nSeed, tally);
        if (this->HasFatalFailure())
            return;
        ExpectEveryRuleReached(tally);
    }
}

}  // namespace
