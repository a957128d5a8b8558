#include "platform/win/ComHolders.h"

#include "misc/FakeDispatch.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

using fake::FakeDispatch;
using platform::BstrHolder;
using platform::ComPtr;
using platform::VariantHolder;

class ComHoldersTest : public ::testing::Test {
protected:
    void SetUp() override { m_liveBefore = platform::LiveBstrCount(); }
    void TearDown() override { EXPECT_EQ(platform::LiveBstrCount(), m_liveBefore); }

    long Live() const { return platform::LiveBstrCount() - m_liveBefore; }

private:
    long m_liveBefore = 0;
};

TEST_F(ComHoldersTest, BstrHolderFreesExactlyOnce)
{
    {
        BstrHolder text(OLESTR("one"));
        BstrHolder counted(platform::OleStringView(OLESTR("t\0o"), 3));
        EXPECT_EQ(Live(), 2);
        EXPECT_EQ(counted.Length(), 3u);
        EXPECT_EQ(counted.View(), platform::OleStringView(OLESTR("t\0o"), 3));

        BstrHolder moved(std::move(text));
        EXPECT_EQ(text.Get(), nullptr);
        EXPECT_EQ(moved.View(), OLESTR("one"));
        moved = std::move(counted);
        EXPECT_EQ(Live(), 1) << "assignment frees the string held before";

        *moved.Put() = SysAllocString(OLESTR("from a call"));
        EXPECT_EQ(Live(), 1);
        const BSTR detached = moved.Detach();
        EXPECT_EQ(moved.Length(), 0u);
        EXPECT_EQ(moved.View(), OLESTR(""));
        moved.Reset(detached);
        EXPECT_EQ(moved.View(), OLESTR("from a call"));
        EXPECT_EQ(Live(), 1);
    }
    EXPECT_EQ(Live(), 0);
}

TEST_F(ComHoldersTest, VariantHolderClearsItsValue)
{
    ComPtr<FakeDispatch> object = FakeDispatch::Create();
    {
        VariantHolder value;
        EXPECT_EQ(value->vt, VT_EMPTY);
        value->vt = VT_DISPATCH;
        value->pdispVal = ComPtr<FakeDispatch>(object).Detach();
        EXPECT_EQ(object->RefCount(), 2u);

        VariantHolder moved(std::move(value));
        EXPECT_EQ(value->vt, VT_EMPTY);
        EXPECT_EQ(object->RefCount(), 2u);

        VariantHolder text;
        text->vt = VT_BSTR;
        text->bstrVal = SysAllocString(OLESTR("s"));
        moved = std::move(text);
        EXPECT_EQ(object->RefCount(), 1u);
        EXPECT_EQ(Live(), 1);

        VARIANT detached = moved.Detach();
        EXPECT_EQ(moved->vt, VT_EMPTY);
        EXPECT_EQ(detached.vt, VT_BSTR);
        VariantClear(&detached);
    }
    EXPECT_EQ(Live(), 0);
    EXPECT_EQ(object->RefCount(), 1u);
}

// GCC cannot see that the count never reaches zero here and warns of a use after free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuse-after-free"
TEST_F(ComHoldersTest, ComPtrCountsEveryReference)
{
    ComPtr<FakeDispatch> adopted = FakeDispatch::Create();
    FakeDispatch* const raw = adopted.Get();
    EXPECT_EQ(raw->RefCount(), 1u);

    ComPtr<FakeDispatch> shared(raw);
    EXPECT_EQ(raw->RefCount(), 2u);
    {
        ComPtr<FakeDispatch> copy = shared;
        EXPECT_EQ(raw->RefCount(), 3u);
        ComPtr<FakeDispatch> moved = std::move(copy);
        EXPECT_EQ(raw->RefCount(), 3u);
        EXPECT_FALSE(copy);
    }
    EXPECT_EQ(raw->RefCount(), 2u);

    ComPtr<IDispatch> asDispatch;
    EXPECT_EQ(shared.QueryInto(IID_IDispatch, asDispatch), S_OK);
    EXPECT_EQ(raw->RefCount(), 3u);
    ComPtr<IRunnableObject> runnable;
    EXPECT_EQ(shared.QueryInto(IID_IRunnableObject, runnable), E_NOINTERFACE);
    EXPECT_FALSE(runnable);

    shared = ComPtr<FakeDispatch>();
    EXPECT_EQ(raw->RefCount(), 2u);
    asDispatch.Reset();
    EXPECT_EQ(raw->RefCount(), 1u);
    EXPECT_EQ(ComPtr<FakeDispatch>().QueryInto(IID_IDispatch, asDispatch), E_POINTER);
}
#pragma GCC diagnostic pop

}  // namespace
