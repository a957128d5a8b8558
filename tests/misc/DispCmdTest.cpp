#include "common/misc/DispCmd.h"

#include "common/misc/CxDebugUtil.h"
#include "misc/FakeDispatch.h"
#include "support/TempDir.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace {

using fake::FakeDispatch;
using fake::Utf16;
using platform::ComPtr;

constexpr LCID kUsEnglish = 0x0409;

std::string ReadLog()
{
    std::ifstream in(testing_support::CurrentTestDataHome() / "appdebug.log", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DispCmdTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppDebug.SetLogFolder((testing_support::CurrentTestDataHome().string() + "/").c_str());
        m_liveStringsBefore = platform::LiveBstrCount();
    }
    void TearDown() override
    {
        EXPECT_EQ(m_object->RefCount(), 1u) << "a reference was not released";
        m_object.Reset();
        EXPECT_EQ(platform::LiveBstrCount(), m_liveStringsBefore) << "a BSTR was not freed";
    }

    ComPtr<FakeDispatch> m_object = FakeDispatch::Create();

private:
    long m_liveStringsBefore = 0;
};

TEST_F(DispCmdTest, HoldsOneReferenceForItsLifetime)
{
    {
        CDispCmd cmd(m_object.Get());
        EXPECT_EQ(m_object->RefCount(), 2u);
        EXPECT_EQ(cmd.GetDispatch(), m_object.Get());
        EXPECT_EQ(m_object->RefCount(), 2u) << "GetDispatch must not add a reference";
    }
    EXPECT_EQ(m_object->RefCount(), 1u);
}

TEST_F(DispCmdTest, RefusesAMissingObjectOrNameWithoutCallingAnything)
{
    m_object->SetLong(u"Count", 3);
    CDispCmd withObject(m_object.Get());
    CDispCmd withoutObject(nullptr);
    VARIANT result;
    VariantInit(&result);

    struct Case {
        CDispCmd* cmd;
        LPCOLESTR name;
    } const cases[] = {{&withoutObject, u"Count"}, {&withObject, nullptr}, {&withObject, u""}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.cmd->InvokeByName(c.name, DISPATCH_PROPERTYGET, nullptr, &result), E_INVALIDARG);
        EXPECT_EQ(c.cmd->GetProperty(c.name, &result), E_INVALIDARG);
        EXPECT_EQ(c.cmd->PutLong(c.name, 1), E_INVALIDARG);
    }
    EXPECT_TRUE(m_object->Lookups().empty());
    EXPECT_EQ(result.vt, VT_EMPTY);
}

TEST_F(DispCmdTest, ANameKnownOnlyInUsEnglishResolvesOnTheSecondLookupAndRunsUnderTheSystemLocale)
{
    m_object->SetLong(u"Importance", 2);
    m_object->KnownOnlyUnder(u"Importance", kUsEnglish);
    CDispCmd cmd(m_object.Get());

    LONG nValue = 0;
    EXPECT_EQ(cmd.GetLong(u"Importance", &nValue), S_OK);
    EXPECT_EQ(nValue, 2);

    ASSERT_EQ(m_object->Lookups().size(), 2u);
    EXPECT_EQ(m_object->Lookups()[0].lcid, LOCALE_SYSTEM_DEFAULT);
    EXPECT_EQ(m_object->Lookups()[1].lcid, kUsEnglish);
    ASSERT_EQ(m_object->Invokes().size(), 1u);
    EXPECT_EQ(m_object->Invokes()[0].lcid, LOCALE_SYSTEM_DEFAULT);
    EXPECT_EQ(ReadLog(), "") << "a successful retry is not a failure";
}

TEST_F(DispCmdTest, ANameUnknownUnderBothLocalesIsLoggedOnceAndNotInvoked)
{
    CDispCmd cmd(m_object.Get());
    LONG nValue = 77;

    EXPECT_EQ(cmd.GetLong(u"Gr\u00f6\u00dfe", &nValue), DISP_E_UNKNOWNNAME);

    EXPECT_EQ(nValue, 77);
    EXPECT_EQ(m_object->Lookups().size(), 2u);
    EXPECT_TRUE(m_object->Invokes().empty());
    const std::string log = ReadLog();
    EXPECT_NE(log.find("[!!!] - Failed to call IDispatch->GetIDsOfNames, Name=Gr\xC3\xB6\xC3\x9F"
                       "e, hr=0x80020006\r\n"),
              std::string::npos)
        << log;
}

TEST_F(DispCmdTest, AnyOtherLookupFailureIsReturnedAtOnceWithoutRetryOrMessage)
{
    m_object->SetLong(u"Count", 1);
    m_object->FailLookup(u"Count", E_OUTOFMEMORY);
    CDispCmd cmd(m_object.Get());
    LONG nValue = 0;

    EXPECT_EQ(cmd.GetLong(u"Count", &nValue), E_OUTOFMEMORY);

    EXPECT_EQ(m_object->Lookups().size(), 1u);
    EXPECT_TRUE(m_object->Invokes().empty());
    EXPECT_EQ(ReadLog(), "");
}

TEST_F(DispCmdTest, InvokeFailuresPassThroughUnchangedAndUnlogged)
{
    m_object->SetLong(u"Count", 1);
    m_object->FailInvoke(u"Count", DISP_E_EXCEPTION);
    CDispCmd cmd(m_object.Get());
    LONG nValue = 5;

    EXPECT_EQ(cmd.GetLong(u"Count", &nValue), DISP_E_EXCEPTION);
    EXPECT_EQ(nValue, 5);
    EXPECT_EQ(ReadLog(), "");
    ASSERT_EQ(m_object->Invokes().size(), 1u);
    EXPECT_FALSE(m_object->Invokes()[0].passedExcepInfo);
    EXPECT_FALSE(m_object->Invokes()[0].passedArgErr);
}

// Every getter against every kind of value: only its own type is taken, any other
// answers S_FALSE and leaves the output as it was.
TEST_F(DispCmdTest, GettersTakeOnlyTheirOwnTypeAndLeaveTheOutputOtherwise)
{
    ComPtr<FakeDispatch> child = FakeDispatch::Create();
    m_object->SetString(u"Text", u"Hello");
    m_object->SetLong(u"Number", 42);
    m_object->SetBool(u"Flag", VARIANT_TRUE);
    m_object->SetDate(u"When", 45000.25);
    m_object->SetObject(u"Child", child.Get());
    m_object->SetProperty(u"Nothing", VARIANT{});
    CDispCmd cmd(m_object.Get());

    enum class Getter { String, Long, Bool, Date };
    struct Case {
        Getter getter;
        LPCOLESTR property;
        HRESULT expected;
        std::string valueIfTaken;
    } const cases[] = {
        {Getter::String, u"Text", S_OK, "Hello"},    {Getter::String, u"Number", S_FALSE, ""},
        {Getter::String, u"Child", S_FALSE, ""},     {Getter::String, u"Nothing", S_FALSE, ""},
        {Getter::Long, u"Number", S_OK, "42"},       {Getter::Long, u"Text", S_FALSE, ""},
        {Getter::Long, u"Flag", S_FALSE, ""},        {Getter::Long, u"When", S_FALSE, ""},
        {Getter::Bool, u"Flag", S_OK, "1"},          {Getter::Bool, u"Number", S_FALSE, ""},
        {Getter::Bool, u"Nothing", S_FALSE, ""},     {Getter::Date, u"When", S_OK, "45000.25"},
        {Getter::Date, u"Number", S_FALSE, ""},      {Getter::Date, u"Text", S_FALSE, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.property, c.property + std::char_traits<char16_t>::length(c.property)));
        std::string taken;
        HRESULT hr = E_FAIL;
        switch (c.getter) {
        case Getter::String: {
            char szBuf[16] = "untouched";
            hr = cmd.GetString(c.property, szBuf, sizeof(szBuf));
            taken = hr == S_OK ? szBuf : (std::strcmp(szBuf, "untouched") == 0 ? "" : "changed");
            break;
        }
        case Getter::Long: {
            LONG nValue = -7;
            hr = cmd.GetLong(c.property, &nValue);
            taken = hr == S_OK ? std::to_string(nValue) : (nValue == -7 ? "" : "changed");
            break;
        }
        case Getter::Bool: {
            bool bValue = false;
            hr = cmd.GetBool(c.property, &bValue);
            taken = hr == S_OK ? std::to_string(bValue) : (!bValue ? "" : "changed");
            break;
        }
        case Getter::Date: {
            DATE dValue = -3.5;
            hr = cmd.GetDate(c.property, &dValue);
            taken = hr == S_OK ? std::to_string(dValue).substr(0, 8) : (dValue == -3.5 ? "" : "changed");
            break;
        }
        }
        EXPECT_EQ(hr, c.expected);
        EXPECT_EQ(taken, c.valueIfTaken);
    }
    EXPECT_EQ(child->RefCount(), 2u) << "a mismatched object value must be released again";
}

TEST_F(DispCmdTest, GetBoolReadsAnyNonZeroValueAsTrue)
{
    struct Case {
        VARIANT_BOOL stored;
        bool expected;
    } const cases[] = {{VARIANT_TRUE, true}, {1, true}, {0x7FFF, true}, {VARIANT_FALSE, false}};
    CDispCmd cmd(m_object.Get());
    for (const Case& c : cases) {
        m_object->SetBool(u"Private", c.stored);
        bool bValue = !c.expected;
        EXPECT_EQ(cmd.GetBool(u"Private", &bValue), S_OK);
        EXPECT_EQ(bValue, c.expected) << c.stored;
    }
}

TEST_F(DispCmdTest, GetStringCutsToTheBufferAfterAWholeCharacter)
{
    struct Case {
        std::u16string stored;
        int nSize;
        std::string expected;
    } const cases[] = {
        {std::u16string(40, u'x'), 32, std::string(31, 'x')},
        {std::u16string(31, u'y'), 32, std::string(31, 'y')},
        {std::u16string(20, u'\u00e9'), 32, [] {
             std::string text;
             for (int i = 0; i < 15; ++i)
                 text += "\xC3\xA9";
             return text;
         }()},
        {u"Gr\u00fc\u00dfe \U0001F600", 64, "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80"},
        {u"ab\U0001F600", 6, "ab"},
        {u"abc", 1, ""},
        {u"", 8, ""},
    };
    CDispCmd cmd(m_object.Get());
    for (const Case& c : cases) {
        m_object->SetString(u"Body", c.stored);
        std::string buffer(static_cast<std::size_t>(c.nSize) + 4, '#');
        EXPECT_EQ(cmd.GetString(u"Body", buffer.data(), c.nSize), S_OK);
        EXPECT_EQ(std::string(buffer.c_str()), c.expected) << "size " << c.nSize;
        EXPECT_EQ(buffer.substr(static_cast<std::size_t>(c.nSize)), "####") << "wrote past the buffer";
    }
}

TEST_F(DispCmdTest, GetStringOfANullStringIsEmpty)
{
    VARIANT nullText;
    VariantInit(&nullText);
    nullText.vt = VT_BSTR;
    m_object->SetProperty(u"Body", nullText);
    CDispCmd cmd(m_object.Get());
    char szBuf[8] = "old";

    EXPECT_EQ(cmd.GetString(u"Body", szBuf, sizeof(szBuf)), S_OK);
    EXPECT_STREQ(szBuf, "");
}

TEST_F(DispCmdTest, NullOutputsAndABufferWithoutRoomAreNotDoneAndCallNothing)
{
    m_object->SetString(u"Body", u"text");
    CDispCmd cmd(m_object.Get());
    char szBuf[4] = "abc";

    EXPECT_EQ(cmd.GetString(u"Body", nullptr, 10), S_FALSE);
    EXPECT_EQ(cmd.GetLong(u"Body", nullptr), S_FALSE);
    EXPECT_EQ(cmd.GetBool(u"Body", nullptr), S_FALSE);
    EXPECT_EQ(cmd.GetDate(u"Body", nullptr), S_FALSE);
    EXPECT_EQ(cmd.GetObject(u"Body", nullptr), S_FALSE);
    EXPECT_EQ(cmd.GetString(u"Body", szBuf, 0), E_INVALIDARG);
    EXPECT_STREQ(szBuf, "abc");
    EXPECT_TRUE(m_object->Invokes().empty());
}

TEST_F(DispCmdTest, GetObjectHandsOverTheReferenceOrNull)
{
    ComPtr<FakeDispatch> child = FakeDispatch::Create();
    m_object->SetObject(u"Items", child.Get());
    m_object->SetObject(u"Parent", nullptr);
    m_object->SetProperty(u"Nothing", VARIANT{});
    CDispCmd cmd(m_object.Get());

    IDispatch* pDisp = m_object.Get();
    EXPECT_EQ(cmd.GetObject(u"Nothing", &pDisp), S_FALSE);
    EXPECT_EQ(pDisp, nullptr);

    pDisp = m_object.Get();
    EXPECT_EQ(cmd.GetObject(u"Parent", &pDisp), S_OK);
    EXPECT_EQ(pDisp, nullptr);

    EXPECT_EQ(cmd.GetObject(u"Items", &pDisp), S_OK);
    EXPECT_EQ(pDisp, static_cast<IDispatch*>(child.Get()));
    EXPECT_EQ(child->RefCount(), 3u) << "the caller owns one reference";
    pDisp->Release();
    EXPECT_EQ(child->RefCount(), 2u);
}

TEST_F(DispCmdTest, PutStringSendsTheTextAsAPropertyPut)
{
    CDispCmd cmd(m_object.Get());
    m_object->SetString(u"Subject", u"");

    EXPECT_EQ(cmd.PutString(u"Subject", "Gr\xC3\xBC\xC3\x9F" "e"), S_OK);

    ASSERT_EQ(m_object->Invokes().size(), 1u);
    const fake::RecordedInvoke& put = m_object->Invokes()[0];
    EXPECT_EQ(put.flags, DISPATCH_PROPERTYPUT);
    EXPECT_FALSE(put.wantsResult);
    ASSERT_EQ(put.namedArgs.size(), 1u);
    EXPECT_EQ(put.namedArgs[0], DISPID_PROPERTYPUT);
    ASSERT_EQ(put.args.size(), 1u);
    EXPECT_EQ(put.args[0]->vt, VT_BSTR);
    EXPECT_EQ(std::u16string(put.args[0]->bstrVal), u"Gr\u00fc\u00dfe");
}

TEST_F(DispCmdTest, PutStringNeverSendsAnEmptyText)
{
    CDispCmd cmd(m_object.Get());
    m_object->SetString(u"Subject", u"kept");

    EXPECT_EQ(cmd.PutString(u"Subject", ""), S_OK);
    EXPECT_EQ(cmd.PutString(u"Subject", nullptr), S_OK);

    EXPECT_TRUE(m_object->Lookups().empty());
    EXPECT_EQ(std::u16string(m_object->Property(u"Subject")->bstrVal), u"kept");
}

TEST_F(DispCmdTest, PutStringSendsAtMost20479UnitsAndNeverHalfACharacter)
{
    struct Case {
        std::string text;
        std::u16string expected;
    } const cases[] = {
        {std::string(30000, 'a'), std::u16string(20479, u'a')},
        {std::string(20479, 'b'), std::u16string(20479, u'b')},
        // 20478 units of text, then a character of two units that no longer fits.
        {std::string(20478, 'c') + "\xF0\x9F\x98\x80", std::u16string(20478, u'c')},
        {std::string(20477, 'd') + "\xF0\x9F\x98\x80", std::u16string(20477, u'd') + u"\U0001F600"},
    };
    CDispCmd cmd(m_object.Get());
    m_object->SetString(u"Body", u"");
    for (const Case& c : cases) {
        EXPECT_EQ(cmd.PutString(u"Body", c.text.c_str()), S_OK);
        const VARIANT* stored = m_object->Property(u"Body");
        ASSERT_EQ(stored->vt, VT_BSTR);
        EXPECT_EQ(SysStringLen(stored->bstrVal), c.expected.size());
        EXPECT_TRUE(std::u16string(stored->bstrVal) == c.expected) << "text of " << c.text.size() << " bytes";
    }
}

TEST_F(DispCmdTest, PutDateSendsNothingForADateWithinAHairOfZero)
{
    struct Case {
        DATE dValue;
        bool sent;
    } const cases[] = {
        {0.0, false}, {5e-6, false}, {-5e-6, false}, {-0.0, false},
        {1e-5, true}, {-1e-5, true}, {-1.0, true},   {45000.75, true},
    };
    CDispCmd cmd(m_object.Get());
    m_object->SetDate(u"Start", 12345.0);
    for (const Case& c : cases) {
        m_object->SetDate(u"Start", 12345.0);
        EXPECT_EQ(cmd.PutDate(u"Start", c.dValue), S_OK);
        EXPECT_EQ(m_object->Property(u"Start")->date, c.sent ? c.dValue : 12345.0) << c.dValue;
        EXPECT_EQ(m_object->Property(u"Start")->vt, VT_DATE);
    }
}

TEST_F(DispCmdTest, PutLongAndPutBoolAlwaysSendTheirValue)
{
    CDispCmd cmd(m_object.Get());
    m_object->SetLong(u"Sensitivity", 9);
    m_object->SetBool(u"ReminderSet", VARIANT_FALSE);

    struct Case {
        bool bValue;
        VARIANT_BOOL sent;
    } const flags[] = {{true, VARIANT_TRUE}, {false, VARIANT_FALSE}};
    for (const Case& c : flags) {
        EXPECT_EQ(cmd.PutBool(u"ReminderSet", c.bValue), S_OK);
        EXPECT_EQ(m_object->Property(u"ReminderSet")->vt, VT_BOOL);
        EXPECT_EQ(m_object->Property(u"ReminderSet")->boolVal, c.sent);
    }
    for (const LONG nValue : {0, -1, 2147483647}) {
        EXPECT_EQ(cmd.PutLong(u"Sensitivity", nValue), S_OK);
        EXPECT_EQ(m_object->Property(u"Sensitivity")->vt, VT_I4);
        EXPECT_EQ(m_object->Property(u"Sensitivity")->lVal, nValue);
    }
    EXPECT_EQ(m_object->Invokes().size(), 5u);
}

TEST_F(DispCmdTest, CallPassesTheArgumentsInComOrderAndReturnsTheResult)
{
    m_object->SetMethod(u"Add", [](const DISPPARAMS& params, VARIANT* pResult) {
        if (params.cArgs != 2 || params.rgvarg[0].vt != VT_BSTR || params.rgvarg[1].vt != VT_I4)
            return DISP_E_TYPEMISMATCH;
        pResult->vt = VT_I4;
        pResult->lVal = params.rgvarg[1].lVal * 10;
        return S_OK;
    });
    CDispCmd cmd(m_object.Get());
    VARIANT args[2];
    VariantInit(&args[0]);
    args[0].vt = VT_BSTR;
    args[0].bstrVal = SysAllocString(u"last");
    VariantInit(&args[1]);
    args[1].vt = VT_I4;
    args[1].lVal = 4;
    VARIANT result;
    VariantInit(&result);

    EXPECT_EQ(cmd.Call(u"Add", args, 2, &result), S_OK);

    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 40);
    ASSERT_EQ(m_object->Invokes().size(), 1u);
    const fake::RecordedInvoke& call = m_object->Invokes()[0];
    EXPECT_EQ(call.flags, DISPATCH_METHOD);
    EXPECT_TRUE(call.wantsResult);
    EXPECT_TRUE(call.namedArgs.empty());
    ASSERT_EQ(call.args.size(), 2u);
    EXPECT_EQ(std::u16string(call.args[0]->bstrVal), u"last");
    EXPECT_EQ(call.args[1]->lVal, 4);
    VariantClear(&args[0]);
}

TEST_F(DispCmdTest, GetPropertyAsksForAPropertyWithoutArguments)
{
    m_object->SetString(u"Name", Utf16("Contacts"));
    CDispCmd cmd(m_object.Get());
    VARIANT result;
    VariantInit(&result);

    EXPECT_EQ(cmd.GetProperty(u"name", &result), S_OK);

    EXPECT_EQ(result.vt, VT_BSTR);
    EXPECT_EQ(std::u16string(result.bstrVal), u"Contacts");
    ASSERT_EQ(m_object->Invokes().size(), 1u);
    EXPECT_EQ(m_object->Invokes()[0].flags, DISPATCH_PROPERTYGET);
    EXPECT_TRUE(m_object->Invokes()[0].args.empty());
    VariantClear(&result);
}

}  // namespace
