// Cross-check of BSTRs, VARIANTs and UTF-8 conversion: the same expected values hold for our
// stand-ins on Linux and for the real oleaut32 and kernel32 on Windows. Only what Microsoft's
// documentation promises is checked: for instance not what a too-small buffer holds after a
// failed conversion, nor the characters of a BSTR allocated without a source.
#include "platform/WinCompat.h"
#include "platform/StandInCrossCheck.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

namespace {

using cross_check::CheckedHere;
using cross_check::kWineDiffers;
using platform::OleString;

OleString Units(std::initializer_list<unsigned> units)
{
    OleString text;
    for (const unsigned unit : units)
        text += static_cast<OLECHAR>(unit);
    return text;
}

// ---- BSTR ----

TEST(StandInCrossCheck, BstrLengths)
{
    const OleString withNul(OLESTR("a\0b"), 3);
    struct Case {
        const char* name;
        BSTR bstr;
        OleString expected;
    } const cases[] = {
        {"Text", SysAllocString(OLESTR("Outlook")), OLESTR("Outlook")},
        {"EmptyText", SysAllocString(OLESTR("")), OLESTR("")},
        {"EmbeddedNul", SysAllocStringLen(withNul.data(), 3), withNul},
        {"PartOfTheSource", SysAllocStringLen(OLESTR("abcdef"), 3), OLESTR("abc")},
        {"LengthZero", SysAllocStringLen(OLESTR("x"), 0), OLESTR("")},
        {"SurrogatePair", SysAllocString(OLESTR("\U0001F600")), OLESTR("\U0001F600")},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.bstr, nullptr) << c.name;
        EXPECT_EQ(SysStringLen(c.bstr), c.expected.size()) << c.name;
        EXPECT_EQ(SysStringByteLen(c.bstr), c.expected.size() * sizeof(OLECHAR)) << c.name;
        EXPECT_TRUE(OleString(c.bstr, SysStringLen(c.bstr)) == c.expected) << c.name;
        EXPECT_EQ(c.bstr[c.expected.size()], OLECHAR(0)) << c.name;
        SysFreeString(c.bstr);
    }
}

TEST(StandInCrossCheck, BstrFromNothing)
{
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysStringByteLen(nullptr), 0u);
    SysFreeString(nullptr);

    // Windows allocates the characters without setting them; only the length and the
    // terminator after them are promised.
    const BSTR blank = SysAllocStringLen(nullptr, 3);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(SysStringLen(blank), 3u);
    EXPECT_EQ(SysStringByteLen(blank), 6u);
    EXPECT_EQ(blank[3], OLECHAR(0));
    SysFreeString(blank);
}

// ---- VARIANT ----

class CountingDispatch final : public IDispatch {
public:
    ULONG refs = 1;  // the test's own reference; the object lives on the stack

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch)) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }
};

VARIANT Zeroed()
{
    VARIANT value;
    std::memset(&value, 0, sizeof value);
    return value;
}

TEST(StandInCrossCheck, VariantInitCopyAndClearOfValues)
{
    VARIANT init;
    std::memset(&init, 0x5A, sizeof init);
    VariantInit(&init);
    EXPECT_EQ(init.vt, VT_EMPTY);

    VARIANT i4 = Zeroed(), r8 = Zeroed(), date = Zeroed(), boolean = Zeroed(), empty = Zeroed();
    i4.vt = VT_I4;
    i4.lVal = -42;
    r8.vt = VT_R8;
    r8.dblVal = -1.5;
    date.vt = VT_DATE;
    date.date = -1.25;
    boolean.vt = VT_BOOL;
    boolean.boolVal = VARIANT_TRUE;
    const struct {
        const char* name;
        VARIANT source;
    } cases[] = {{"I4", i4}, {"R8", r8}, {"Date", date}, {"Bool", boolean}, {"Empty", empty}};
    for (const auto& c : cases) {
        VARIANT source = c.source;  // Windows declares the source of a copy not const
        VARIANT copy;
        VariantInit(&copy);
        EXPECT_EQ(VariantCopy(&copy, &source), S_OK) << c.name;
        EXPECT_EQ(copy.vt, c.source.vt) << c.name;
        EXPECT_EQ(std::memcmp(&copy.llVal, &c.source.llVal, sizeof copy.llVal), 0) << c.name;
        EXPECT_EQ(VariantClear(&copy), S_OK) << c.name;
        EXPECT_EQ(copy.vt, VT_EMPTY) << c.name;
    }
}

TEST(StandInCrossCheck, VariantCopyOfAStringIsDeep)
{
    const OleString text(OLESTR("x\0y\u00e9"), 4);
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    ASSERT_EQ(copy.vt, VT_BSTR);
    EXPECT_NE(copy.bstrVal, source.bstrVal);
    EXPECT_EQ(SysStringLen(copy.bstrVal), 4u);
    EXPECT_TRUE(OleString(copy.bstrVal, SysStringLen(copy.bstrVal)) == text);
    EXPECT_EQ(VariantClear(&source), S_OK);
    EXPECT_EQ(source.vt, VT_EMPTY);
    EXPECT_TRUE(OleString(copy.bstrVal, SysStringLen(copy.bstrVal)) == text) << "the copy outlives the source";
    EXPECT_EQ(VariantClear(&copy), S_OK);
}

TEST(StandInCrossCheck, VariantCopyOfAnObjectAddsAReference)
{
    CountingDispatch object;
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_DISPATCH;
    source.pdispVal = &object;
    object.AddRef();
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    EXPECT_EQ(copy.vt, VT_DISPATCH);
    EXPECT_EQ(copy.pdispVal, static_cast<IDispatch*>(&object));
    EXPECT_EQ(object.refs, 3u);

    // Copying over a value releases what the target held.
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    EXPECT_EQ(object.refs, 3u);
    EXPECT_EQ(VariantClear(&copy), S_OK);
    EXPECT_EQ(copy.vt, VT_EMPTY);
    EXPECT_EQ(object.refs, 2u);
    EXPECT_EQ(VariantClear(&source), S_OK);
    EXPECT_EQ(object.refs, 1u);
}

// Types no VARIANT may hold: the unused 15, VT_VOID (24) and the types after it that only type
// descriptions use, and a reference to VT_EMPTY or VT_NULL.
TEST(StandInCrossCheck, VariantOfABadTypeIsRefused)
{
    const VARTYPE badTypes[] = {15, 24, 0x0FFF, VT_BYREF | VT_EMPTY, VT_BYREF | VT_NULL};
    for (const VARTYPE vt : badTypes) {
        VARIANT bad = Zeroed();
        bad.vt = vt;
        EXPECT_EQ(VariantClear(&bad), DISP_E_BADVARTYPE) << vt;
        EXPECT_EQ(bad.vt, vt) << "left as it was: " << vt;

        VARIANT target;
        VariantInit(&target);
        target.vt = VT_I4;
        target.lVal = 7;
        EXPECT_EQ(VariantCopy(&target, &bad), DISP_E_BADVARTYPE) << vt;
        EXPECT_EQ(target.vt, VT_I4) << vt;
        EXPECT_EQ(target.lVal, 7) << vt;

        // Documented: the source and destination have an invalid variant type.
        EXPECT_EQ(VariantCopy(&bad, &target), DISP_E_BADVARTYPE) << vt;
        EXPECT_EQ(bad.vt, vt) << vt;
    }
}

// ---- UTF-8 conversion ----

struct ToWideCase {
    const char* name;
    std::string bytes;
    int length;  // as passed: -1 for terminated input
    DWORD flags;
    int result;  // units needed and written; 0 for a failure
    OleString expected;
};

TEST(StandInCrossCheck, MultiByteToWideCharUtf8)
{
    const ToWideCase cases[] = {
        {"Ascii", "Contacts", 8, 0, 8, OLESTR("Contacts")},
        {"TwoByte", "M\xC3\xBCller", 7, 0, 6, OLESTR("M\u00fcller")},
        {"ThreeByte", "\xE2\x82\xAC", 3, 0, 1, OLESTR("\u20ac")},
        {"FourByteIsASurrogatePair", "\xF0\x9F\x98\x80", 4, 0, 2, OLESTR("\U0001F600")},
        {"TerminatorCounted", "ab\xC3\xA9", -1, 0, 4, OleString(OLESTR("ab\u00e9\0"), 4)},
        {"EmbeddedNul", std::string("a\0b", 3), 3, 0, 3, OleString(OLESTR("a\0b"), 3)},
        {"LengthStopsEarly", "abcdef", 3, 0, 3, OLESTR("abc")},
        {"StrictOnValidText", "\xC3\xA9\xF0\x9F\x98\x80", 6, MB_ERR_INVALID_CHARS, 3, OLESTR("\u00e9\U0001F600")},
        {"LoneContinuationReplaced", "a\x80z", 3, 0, 3, OLESTR("a\uFFFDz")},
        {"InvalidByteReplaced", "a\xFFz", 3, 0, 3, OLESTR("a\uFFFDz")},
        {"TruncatedSequenceReplaced", "\xE2\x82z", 3, 0, 2, OLESTR("\uFFFDz")},
        {"TruncatedAtTheEndReplaced", "a\xE2\x82", 3, 0, 2, OLESTR("a\uFFFD")},
        {"StrictOnInvalidByte", "a\xFFz", 3, MB_ERR_INVALID_CHARS, 0, {}},
        {"StrictOnTruncatedSequence", "a\xE2\x82", 3, MB_ERR_INVALID_CHARS, 0, {}},
        {"StrictOnEncodedSurrogate", "\xED\xA0\x80", 3, MB_ERR_INVALID_CHARS, 0, {}},
        {"ZeroLength", "a", 0, 0, 0, {}},
    };
    for (const ToWideCase& c : cases) {
        EXPECT_EQ(MultiByteToWideChar(CP_UTF8, c.flags, c.bytes.data(), c.length, nullptr, 0), c.result) << c.name;
        OleString buffer(c.expected.size() + 8, OLECHAR('#'));
        const int room = c.result > 0 ? c.result : static_cast<int>(buffer.size());
        EXPECT_EQ(MultiByteToWideChar(CP_UTF8, c.flags, c.bytes.data(), c.length, buffer.data(), room), c.result)
            << c.name;
        EXPECT_TRUE(buffer.substr(0, c.expected.size()) == c.expected) << c.name;
    }
}

struct ToNarrowCase {
    const char* name;
    OleString wide;
    int length;  // as passed: -1 for terminated input
    DWORD flags;
    int result;  // bytes needed and written; 0 for a failure
    std::string expected;
};

TEST(StandInCrossCheck, WideCharToMultiByteUtf8)
{
    const ToNarrowCase cases[] = {
        {"Ascii", OLESTR("Termin"), 6, 0, 6, "Termin"},
        {"TwoAndThreeByte", OLESTR("\u00e9\u20ac"), 2, 0, 5, "\xC3\xA9\xE2\x82\xAC"},
        {"SurrogatePairIsFourBytes", OLESTR("\U0001F600"), 2, 0, 4, "\xF0\x9F\x98\x80"},
        {"TerminatorCounted", OLESTR("\u00e9"), -1, 0, 3, std::string("\xC3\xA9\0", 3)},
        {"LengthStopsEarly", OLESTR("abcdef"), 2, 0, 2, "ab"},
        {"LoneHighSurrogateReplaced", Units({0xD83D}), 1, 0, 3, "\xEF\xBF\xBD"},
        {"LoneLowSurrogateReplaced", Units({0xDE00}), 1, 0, 3, "\xEF\xBF\xBD"},
        {"HighSurrogateBeforeAscii", Units({0xD83D, 'x'}), 2, 0, 4, "\xEF\xBF\xBDx"},
        {"SurrogatesInTheWrongOrder", Units({0xDE00, 0xD83D}), 2, 0, 6, "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"StrictOnValidText", OLESTR("\U0001F600"), 2, WC_ERR_INVALID_CHARS, 4, "\xF0\x9F\x98\x80"},
        {"StrictOnLoneSurrogate", Units({'a', 0xD800, 'b'}), 3, WC_ERR_INVALID_CHARS, 0, {}},
        {"ZeroLength", OLESTR("a"), 0, 0, 0, {}},
    };
    for (const ToNarrowCase& c : cases) {
        EXPECT_EQ(WideCharToMultiByte(CP_UTF8, c.flags, c.wide.data(), c.length, nullptr, 0, nullptr, nullptr),
                  c.result)
            << c.name;
        std::string buffer(c.expected.size() + 8, '#');
        const int room = c.result > 0 ? c.result : static_cast<int>(buffer.size());
        EXPECT_EQ(WideCharToMultiByte(CP_UTF8, c.flags, c.wide.data(), c.length, buffer.data(), room, nullptr,
                                      nullptr),
                  c.result)
            << c.name;
        EXPECT_EQ(buffer.substr(0, c.expected.size()), c.expected) << c.name;
    }

    // Documented: for CP_UTF8 both default-character arguments must be null, else the function
    // fails. Wine ignores them and converts.
    char narrow[8];
    BOOL usedDefault = FALSE;
    const struct {
        const char* name;
        const char* defaultChar;
        BOOL* usedDefaultChar;
        bool wineDiffers;
    } refused[] = {
        {"DefaultChar", "?", nullptr, kWineDiffers},
        {"UsedDefaultChar", nullptr, &usedDefault, kWineDiffers},
    };
    for (const auto& c : refused) {
        if (!CheckedHere(c.wineDiffers))
            continue;
        EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, OLESTR("a"), -1, narrow, 8, c.defaultChar, c.usedDefaultChar), 0)
            << c.name;
    }
}

// Documented: a buffer too small fails with 0. What it then holds is not promised (our
// stand-in's whole characters are its own promise), so it is not looked at.
TEST(StandInCrossCheck, ABufferTooSmallFails)
{
    const struct {
        const char* name;
        std::string bytes;
        int length;
        int room;
        bool wineDiffers;
    } toWide[] = {
        {"AsciiOneShort", "abc", 3, 2, false},
        {"TerminatorWithoutRoom", "ab", -1, 2, false},
        {"TwoCharactersInOne", "a\xC3\xA9", 3, 1, false},
        // Wine writes the first half of a surrogate pair into the last unit and succeeds.
        {"SurrogatePairInOneUnit", "\xF0\x9F\x98\x80", 4, 1, kWineDiffers},
        {"SurrogatePairHalfFits", "\xC3\xA9\xF0\x9F\x98\x80", 6, 2, kWineDiffers},
    };
    for (const auto& c : toWide) {
        if (!CheckedHere(c.wineDiffers))
            continue;
        OleString buffer(8, OLECHAR('#'));
        EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, c.bytes.data(), c.length, buffer.data(), c.room), 0) << c.name;
    }

    const struct {
        const char* name;
        OleString wide;
        int length;
        int room;
    } toNarrow[] = {
        {"AsciiOneShort", OLESTR("abc"), 3, 2},
        {"TerminatorWithoutRoom", OLESTR("ab"), -1, 2},
        {"TwoByteInOne", OLESTR("\u00e9"), 1, 1},
        {"ThreeByteCut", OLESTR("a\u20ac"), 2, 3},
        {"FourByteInThree", OLESTR("\U0001F600"), 2, 3},
    };
    for (const auto& c : toNarrow) {
        std::string buffer(8, '#');
        EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, c.wide.data(), c.length, buffer.data(), c.room, nullptr, nullptr), 0)
            << c.name;
    }
}

}  // namespace
