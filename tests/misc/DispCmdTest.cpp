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
    m_object->SetLong(OLESTR("Count"), 3);
    CDispCmd withObject(m_object.Get());
    CDispCmd withoutObject(nullptr);
    VARIANT result;
    VariantInit(&result);

    struct Case {
        CDispCmd* cmd;
        LPCOLESTR name;
    } const cases[] = {{&withoutObject, OLESTR("Count")}, {&withObject, nullptr}, {&withObject, OLESTR("")}};
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
    m_object->SetLong(OLESTR("Importance"), 2);
    m_object->KnownOnlyUnder(OLESTR("Importance"), kUsEnglish);
    CDispCmd cmd(m_object.Get());

    LONG nValue = 0;
    EXPECT_EQ(cmd.GetLong(OLESTR("Importance"), &nValue), S_OK);
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

    EXPECT_EQ(cmd.GetLong(OLESTR("Gr\u00f6\u00dfe"), &nValue), DISP_E_UNKNOWNNAME);

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
    m_object->SetLong(OLESTR("Count"), 1);
    m_object->FailLookup(OLESTR("Count"), E_OUTOFMEMORY);
    CDispCmd cmd(m_object.Get());
    LONG nValue = 0;

    EXPECT_EQ(cmd.GetLong(OLESTR("Count"), &nValue), E_OUTOFMEMORY);

    EXPECT_EQ(m_object->Lookups().size(), 1u);
    EXPECT_TRUE(m_object->Invokes().empty());
    EXPECT_EQ(ReadLog(), "");
}

TEST_F(DispCmdTest, InvokeFailuresPassThroughUnchangedAndUnlogged)
{
    m_object->SetLong(OLESTR("Count"), 1);
    m_object->FailInvoke(OLESTR("Count"), DISP_E_EXCEPTION);
    CDispCmd cmd(m_object.Get());
    LONG nValue = 5;

    EXPECT_EQ(cmd.GetLong(OLESTR("Count"), &nValue), DISP_E_EXCEPTION);
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
    m_object->SetString(OLESTR("Text"), OLESTR("Hello"));
    m_object->SetLong(OLESTR("Number"), 42);
    m_object->SetBool(OLESTR("Flag"), VARIANT_TRUE);
    m_object->SetDate(OLESTR("When"), 45000.25);
    m_object->SetObject(OLESTR("Child"), child.Get());
    m_object->SetProperty(OLESTR("Nothing"), VARIANT{});
    CDispCmd cmd(m_object.Get());

    enum class Getter { String, Long, Bool, Date };
    struct Case {
        Getter getter;
        LPCOLESTR property;
        HRESULT expected;
        std::string valueIfTaken;
    } const cases[] = {
        {Getter::String, OLESTR("Text"), S_OK, "Hello"},    {Getter::String, OLESTR("Number"), S_FALSE, ""},
        {Getter::String, OLESTR("Child"), S_FALSE, ""},     {Getter::String, OLESTR("Nothing"), S_FALSE, ""},
        {Getter::Long, OLESTR("Number"), S_OK, "42"},       {Getter::Long, OLESTR("Text"), S_FALSE, ""},
        {Getter::Long, OLESTR("Flag"), S_FALSE, ""},        {Getter::Long, OLESTR("When"), S_FALSE, ""},
        {Getter::Bool, OLESTR("Flag"), S_OK, "1"},          {Getter::Bool, OLESTR("Number"), S_FALSE, ""},
        {Getter::Bool, OLESTR("Nothing"), S_FALSE, ""},     {Getter::Date, OLESTR("When"), S_OK, "45000.25"},
        {Getter::Date, OLESTR("Number"), S_FALSE, ""},      {Getter::Date, OLESTR("Text"), S_FALSE, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.property, c.property + std::char_traits<OLECHAR>::length(c.property)));
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
        m_object->SetBool(OLESTR("Private"), c.stored);
        bool bValue = !c.expected;
        EXPECT_EQ(cmd.GetBool(OLESTR("Private"), &bValue), S_OK);
        EXPECT_EQ(bValue, c.expected) << c.stored;
    }
}

TEST_F(DispCmdTest, GetStringCutsToTheBufferAfterAWholeCharacter)
{
    struct Case {
        platform::OleString stored;
        int nSize;
        std::string expected;
    } const cases[] = {
        {platform::OleString(40, OLECHAR('x')), 32, std::string(31, 'x')},
        {platform::OleString(31, OLECHAR('y')), 32, std::string(31, 'y')},
        {platform::OleString(20, OLECHAR(0x00E9)), 32, [] {
             std::string text;
             for (int i = 0; i < 15; ++i)
                 text += "\xC3\xA9";
             return text;
         }()},
        {OLESTR("Gr\u00fc\u00dfe \U0001F600"), 64, "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80"},
        {OLESTR("ab\U0001F600"), 6, "ab"},
        {OLESTR("abc"), 1, ""},
        {OLESTR(""), 8, ""},
    };
    CDispCmd cmd(m_object.Get());
    for (const Case& c : cases) {
        m_object->SetString(OLESTR("Body"), c.stored);
        std::string buffer(static_cast<std::size_t>(c.nSize) + 4, '#');
        EXPECT_EQ(cmd.GetString(OLESTR("Body"), buffer.data(), c.nSize), S_OK);
        EXPECT_EQ(std::string(buffer.c_str()), c.expected) << "size " << c.nSize;
        EXPECT_EQ(buffer.substr(static_cast<std::size_t>(c.nSize)), "####") << "wrote past the buffer";
    }
}

TEST_F(DispCmdTest, GetStringOfANullStringIsEmpty)
{
    VARIANT nullText;
    VariantInit(&nullText);
    nullText.vt = VT_BSTR;
    m_object->SetProperty(OLESTR("Body"), nullText);
    CDispCmd cmd(m_object.Get());
    char szBuf[8] = "old";

    EXPECT_EQ(cmd.GetString(OLESTR("Body"), szBuf, sizeof(szBuf)), S_OK);
    EXPECT_STREQ(szBuf, "");
}

TEST_F(DispCmdTest, NullOutputsAndABufferWithoutRoomAreNotDoneAndCallNothing)
{
    m_object->SetString(OLESTR("Body"), OLESTR("text"));
    CDispCmd cmd(m_object.Get());
    char szBuf[4] = "abc";

    EXPECT_EQ(cmd.GetString(OLESTR("Body"), nullptr, 10), S_FALSE);
    EXPECT_EQ(cmd.GetLong(OLESTR("Body"), nullptr), S_FALSE);
    EXPECT_EQ(cmd.GetBool(OLESTR("Body"), nullptr), S_FALSE);
    EXPECT_EQ(cmd.GetDate(OLESTR("Body"), nullptr), S_FALSE);
    EXPECT_EQ(cmd.GetObject(OLESTR("Body"), nullptr), S_FALSE);
    EXPECT_EQ(cmd.GetString(OLESTR("Body"), szBuf, 0), E_INVALIDARG);
    EXPECT_STREQ(szBuf, "abc");
    EXPECT_TRUE(m_object->Invokes().empty());
}

TEST_F(DispCmdTest, GetObjectHandsOverTheReferenceOrNull)
{
    ComPtr<FakeDispatch> child = FakeDispatch::Create();
    m_object->SetObject(OLESTR("Items"), child.Get());
    m_object->SetObject(OLESTR("Parent"), nullptr);
    m_object->SetProperty(OLESTR("Nothing"), VARIANT{});
    CDispCmd cmd(m_object.Get());

    IDispatch* pDisp = m_object.Get();
    EXPECT_EQ(cmd.GetObject(OLESTR("Nothing"), &pDisp), S_FALSE);
    EXPECT_EQ(pDisp, nullptr);

    pDisp = m_object.Get();
    EXPECT_EQ(cmd.GetObject(OLESTR("Parent"), &pDisp), S_OK);
    EXPECT_EQ(pDisp, nullptr);

    EXPECT_EQ(cmd.GetObject(OLESTR("Items"), &pDisp), S_OK);
    EXPECT_EQ(pDisp, static_cast<IDispatch*>(child.Get()));
    EXPECT_EQ(child->RefCount(), 3u) << "the caller owns one reference";
    pDisp->Release();
    EXPECT_EQ(child->RefCount(), 2u);
}

TEST_F(DispCmdTest, PutStringSendsTheTextAsAPropertyPut)
{
    CDispCmd cmd(m_object.Get());
    m_object->SetString(OLESTR("Subject"), OLESTR(""));

    EXPECT_EQ(cmd.PutString(OLESTR("Subject"), "Gr\xC3\xBC\xC3\x9F" "e"), S_OK);

    ASSERT_EQ(m_object->Invokes().size(), 1u);
    const fake::RecordedInvoke& put = m_object->Invokes()[0];
    EXPECT_EQ(put.flags, DISPATCH_PROPERTYPUT);
    EXPECT_FALSE(put.wantsResult);
    ASSERT_EQ(put.namedArgs.size(), 1u);
    EXPECT_EQ(put.namedArgs[0], DISPID_PROPERTYPUT);
    ASSERT_EQ(put.args.size(), 1u);
    EXPECT_EQ(put.args[0]->vt, VT_BSTR);
    EXPECT_EQ(platform::OleString(put.args[0]->bstrVal), OLESTR("Gr\u00fc\u00dfe"));
}

TEST_F(DispCmdTest, PutStringNeverSendsAnEmptyText)
{
    CDispCmd cmd(m_object.Get());
    m_object->SetString(OLESTR("Subject"), OLESTR("kept"));

    EXPECT_EQ(cmd.PutString(OLESTR("Subject"), ""), S_OK);
    EXPECT_EQ(cmd.PutString(OLESTR("Subject"), nullptr), S_OK);

    EXPECT_TRUE(m_object->Lookups().empty());
    EXPECT_EQ(platform::OleString(m_object->Property(OLESTR("Subject"))->bstrVal), OLESTR("kept"));
}

TEST_F(DispCmdTest, PutStringSendsAtMost20479UnitsAndNeverHalfACharacter)
{
    struct Case {
        std::string text;
        platform::OleString expected;
    } const cases[] = {
        {std::string(30000, 'a'), platform::OleString(20479, OLECHAR('a'))},
        {std::string(20479, 'b'), platform::OleString(20479, OLECHAR('b'))},
        // 20478 units of text, then a character of two units that no longer fits.
        {std::string(20478, 'c') + "\xF0\x9F\x98\x80", platform::OleString(20478, OLECHAR('c'))},
        {std::string(20477, 'd') + "\xF0\x9F\x98\x80", platform::OleString(20477, OLECHAR('d')) + OLESTR("\U0001F600")},
    };
    CDispCmd cmd(m_object.Get());
    m_object->SetString(OLESTR("Body"), OLESTR(""));
    for (const Case& c : cases) {
        EXPECT_EQ(cmd.PutString(OLESTR("Body"), c.text.c_str()), S_OK);
        const VARIANT* stored = m_object->Property(OLESTR("Body"));
        ASSERT_EQ(stored->vt, VT_BSTR);
        EXPECT_EQ(SysStringLen(stored->bstrVal), c.expected.size());
        EXPECT_TRUE(platform::OleString(stored->bstrVal) == c.expected) << "text of " << c.text.size() << " bytes";
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
    m_object->SetDate(OLESTR("Start"), 12345.0);
    for (const Case& c : cases) {
        m_object->SetDate(OLESTR("Start"), 12345.0);
        EXPECT_EQ(cmd.PutDate(OLESTR("Start"), c.dValue), S_OK);
        EXPECT_EQ(m_object->Property(OLESTR("Start"))->date, c.sent ? c.dValue : 12345.0) << c.dValue;
        EXPECT_EQ(m_object->Property(OLESTR("Start"))->vt, VT_DATE);
    }
}

TEST_F(DispCmdTest, PutLongAndPutBoolAlwaysSendTheirValue)
{
    CDispCmd cmd(m_object.Get());
    m_object->SetLong(OLESTR("Sensitivity"), 9);
    m_object->SetBool(OLESTR("ReminderSet"), VARIANT_FALSE);

    struct Case {
        bool bValue;
        VARIANT_BOOL sent;
    } const flags[] = {{true, VARIANT_TRUE}, {false, VARIANT_FALSE}};
    for (const Case& c : flags) {
        EXPECT_EQ(cmd.PutBool(OLESTR("ReminderSet"), c.bValue), S_OK);
        EXPECT_EQ(m_object->Property(OLESTR("ReminderSet"))->vt, VT_BOOL);
        EXPECT_EQ(m_object->Property(OLESTR("ReminderSet"))->boolVal, c.sent);
    }
    for (const LONG nValue : {0, -1, 2147483647}) {
        EXPECT_EQ(cmd.PutLong(OLESTR("Sensitivity"), nValue), S_OK);
        EXPECT_EQ(m_object->Property(OLESTR("Sensitivity"))->vt, VT_I4);
        EXPECT_EQ(m_object->Property(OLESTR("Sensitivity"))->lVal, nValue);
    }
    EXPECT_EQ(m_object->Invokes().size(), 5u);
}

TEST_F(DispCmdTest, CallPassesTheArgumentsInComOrderAndReturnsTheResult)
{
    m_object->SetMethod(OLESTR("Add"), [](const DISPPARAMS& params, VARIANT* pResult) {
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
    args[0].bstrVal = SysAllocString(OLESTR("last"));
    VariantInit(&args[1]);
    args[1].vt = VT_I4;
    args[1].lVal = 4;
    VARIANT result;
    VariantInit(&result);

    EXPECT_EQ(cmd.Call(OLESTR("Add"), args, 2, &result), S_OK);

    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 40);
    ASSERT_EQ(m_object->Invokes().size(), 1u);
    const fake::RecordedInvoke& call = m_object->Invokes()[0];
    EXPECT_EQ(call.flags, DISPATCH_METHOD);
    EXPECT_TRUE(call.wantsResult);
    EXPECT_TRUE(call.namedArgs.empty());
    ASSERT_EQ(call.args.size(), 2u);
    EXPECT_EQ(platform::OleString(call.args[0]->bstrVal), OLESTR("last"));
    EXPECT_EQ(call.args[1]->lVal, 4);
    VariantClear(&args[0]);
}

TEST_F(DispCmdTest, GetPropertyAsksForAPropertyWithoutArguments)
{
    m_object->SetString(OLESTR("Name"), Utf16("Contacts"));
    CDispCmd cmd(m_object.Get());
    VARIANT result;
    VariantInit(&result);

    EXPECT_EQ(cmd.GetProperty(OLESTR("name"), &result), S_OK);

    EXPECT_EQ(result.vt, VT_BSTR);
    EXPECT_EQ(platform::OleString(result.bstrVal), OLESTR("Contacts"));
    ASSERT_EQ(m_object->Invokes().size(), 1u);
    EXPECT_EQ(m_object->Invokes()[0].flags, DISPATCH_PROPERTYGET);
    EXPECT_TRUE(m_object->Invokes()[0].args.empty());
    VariantClear(&result);
}

}  // namespace
