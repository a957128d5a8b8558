#include "platform/WinCompat.h"

#include "misc/FakeDispatch.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

using fake::FakeDispatch;

std::uint32_t BytePrefix(BSTR bstr)
{
    std::uint32_t prefix = 0;
    std::memcpy(&prefix, reinterpret_cast<const char*>(bstr) - sizeof(prefix), sizeof(prefix));
    return prefix;
}

TEST(Bstr, IsLengthPrefixedAndTerminated)
{
    struct Case {
        platform::OleString text;
        bool counted;  // made with an explicit length, so embedded terminators stay
    } const cases[] = {
        {OLESTR(""), false},
        {OLESTR("Outlook"), false},
        {OLESTR("\U0001F600x"), false},
        {platform::OleString(OLESTR("a\0b"), 3), true},
    };
    for (const Case& c : cases) {
        const BSTR bstr = c.counted ? SysAllocStringLen(c.text.data(), static_cast<UINT>(c.text.size()))
                                    : SysAllocString(c.text.c_str());
        ASSERT_NE(bstr, nullptr);
        EXPECT_EQ(SysStringLen(bstr), c.text.size());
        EXPECT_EQ(SysStringByteLen(bstr), c.text.size() * 2);
        EXPECT_EQ(BytePrefix(bstr), c.text.size() * 2);
        EXPECT_EQ(platform::OleString(bstr, SysStringLen(bstr)), c.text);
        EXPECT_EQ(bstr[c.text.size()], OLECHAR('\0'));
        SysFreeString(bstr);
    }
}

TEST(Bstr, NullInputsAndTheLiveCount)
{
    const long before = platform::LiveBstrCount();
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);

    const BSTR zeroed = SysAllocStringLen(nullptr, 3);
    ASSERT_NE(zeroed, nullptr);
    EXPECT_EQ(platform::LiveBstrCount(), before + 1);
    EXPECT_EQ(platform::OleString(zeroed, 4), platform::OleString(4, OLECHAR('\0')));
    EXPECT_EQ(SysStringLen(zeroed), 3u);
    SysFreeString(zeroed);
    EXPECT_EQ(platform::LiveBstrCount(), before);
}

class VariantTest : public ::testing::Test {
protected:
    void SetUp() override { m_liveBefore = platform::LiveBstrCount(); }
    void TearDown() override { EXPECT_EQ(platform::LiveBstrCount(), m_liveBefore); }

    platform::ComPtr<FakeDispatch> m_object = FakeDispatch::Create();

private:
    long m_liveBefore = 0;
};

TEST_F(VariantTest, ClearFreesWhatTheVariantOwnsAndEmptiesIt)
{
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(OLESTR("owned"));
    VARIANT object;
    VariantInit(&object);
    object.vt = VT_DISPATCH;
    object.pdispVal = m_object.Get();
    m_object->AddRef();
    VARIANT unknown;
    VariantInit(&unknown);
    unknown.vt = VT_UNKNOWN;
    unknown.punkVal = static_cast<IDispatch*>(m_object.Get());
    m_object->AddRef();
    ASSERT_EQ(m_object->RefCount(), 3u);

    for (VARIANT* value : {&text, &object, &unknown}) {
        EXPECT_EQ(VariantClear(value), S_OK);
        EXPECT_EQ(value->vt, VT_EMPTY);
    }
    EXPECT_EQ(m_object->RefCount(), 1u);
}

TEST_F(VariantTest, ClearLeavesByReferenceValuesToTheirOwner)
{
    BSTR owned = SysAllocString(OLESTR("not yours"));
    VARIANT byRef;
    VariantInit(&byRef);
    byRef.vt = VT_BSTR | VT_BYREF;
    byRef.pbstrVal = &owned;
    IDispatch* pDisp = m_object.Get();
    VARIANT objectByRef;
    VariantInit(&objectByRef);
    objectByRef.vt = VT_DISPATCH | VT_BYREF;
    objectByRef.ppdispVal = &pDisp;

    EXPECT_EQ(VariantClear(&byRef), S_OK);
    EXPECT_EQ(VariantClear(&objectByRef), S_OK);

    EXPECT_EQ(byRef.vt, VT_EMPTY);
    EXPECT_EQ(platform::OleString(owned), OLESTR("not yours"));
    EXPECT_EQ(m_object->RefCount(), 1u);
    SysFreeString(owned);
}

TEST_F(VariantTest, CopyDuplicatesStringsAndSharesObjects)
{
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocStringLen(OLESTR("x\0y"), 3);
    VARIANT target;
    VariantInit(&target);
    target.vt = VT_DISPATCH;
    target.pdispVal = m_object.Get();
    m_object->AddRef();

    EXPECT_EQ(VariantCopy(&target, &source), S_OK);
    EXPECT_EQ(m_object->RefCount(), 1u) << "the old value of the target is released";
    ASSERT_EQ(target.vt, VT_BSTR);
    EXPECT_NE(target.bstrVal, source.bstrVal);
    EXPECT_EQ(platform::OleString(target.bstrVal, SysStringLen(target.bstrVal)),
              platform::OleString(OLESTR("x\0y"), 3));

    VariantClear(&source);
    source.vt = VT_DISPATCH;
    source.pdispVal = m_object.Get();
    m_object->AddRef();
    EXPECT_EQ(VariantCopy(&target, &source), S_OK);
    EXPECT_EQ(target.pdispVal, source.pdispVal);
    EXPECT_EQ(m_object->RefCount(), 3u);
    EXPECT_EQ(VariantCopy(&target, &target), S_OK);
    EXPECT_EQ(m_object->RefCount(), 3u);

    VariantClear(&source);
    VariantClear(&target);
    EXPECT_EQ(m_object->RefCount(), 1u);
}

TEST_F(VariantTest, ScalarsCopyAsTheyAre)
{
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_DATE;
    source.date = -1.25;
    VARIANT target;
    VariantInit(&target);
    EXPECT_EQ(VariantCopy(&target, &source), S_OK);
    EXPECT_EQ(target.vt, VT_DATE);
    EXPECT_EQ(target.date, -1.25);
#ifndef _WIN32
    // The stand-in refuses null pointers; Wine's functions read through them.
    EXPECT_EQ(VariantCopy(nullptr, &source), E_INVALIDARG);
    EXPECT_EQ(VariantClear(nullptr), E_INVALIDARG);
#endif
}

}  // namespace
