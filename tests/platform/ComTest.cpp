#include "platform/WinCompat.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(ComApartment, InitialisationNestsPerThreadAndRefusesAModelChange)
{
    enum class Step { InitApartment, InitFree, Uninit };
    struct Case {
        Step step;
        HRESULT expected;
        int depthAfter;
    } const steps[] = {
        {Step::InitApartment, S_OK, 1},
        {Step::InitApartment, S_FALSE, 2},
        {Step::InitFree, RPC_E_CHANGED_MODE, 2},
        {Step::Uninit, S_OK, 1},
        {Step::Uninit, S_OK, 0},
        {Step::Uninit, S_OK, 0},
        {Step::InitFree, S_OK, 1},
        {Step::InitApartment, RPC_E_CHANGED_MODE, 1},
        {Step::Uninit, S_OK, 0},
    };
    ASSERT_EQ(platform::ComInitializeDepth(), 0);
    int index = 0;
    for (const Case& c : steps) {
        HRESULT hr = S_OK;
        switch (c.step) {
        case Step::InitApartment:
            hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            break;
        case Step::InitFree:
            hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            break;
        case Step::Uninit:
            CoUninitialize();
            break;
        }
        EXPECT_EQ(hr, c.expected) << "step " << index;
        EXPECT_EQ(platform::ComInitializeDepth(), c.depthAfter) << "step " << index;
        ++index;
    }
}

TEST(ComApartment, RecordsTheModelOfTheCallingThreadOnly)
{
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    EXPECT_EQ(platform::ComApartmentModel(), COINIT_APARTMENTTHREADED);
    int otherDepth = -1;
    std::thread other([&] { otherDepth = platform::ComInitializeDepth(); });
    other.join();
    EXPECT_EQ(otherDepth, 0);
    EXPECT_EQ(platform::ComInitializeDepth(), 1);
    CoUninitialize();
}

TEST(ComResults, NegativeCodesAreFailures)
{
    struct Case {
        HRESULT hr;
        bool failed;
    } const cases[] = {
        {S_OK, false},          {S_FALSE, false},         {E_INVALIDARG, true},
        {DISP_E_EXCEPTION, true}, {REGDB_E_CLASSNOTREG, true}, {CO_E_CLASSSTRING, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FAILED(c.hr), c.failed) << std::hex << c.hr;
        EXPECT_EQ(SUCCEEDED(c.hr), !c.failed) << std::hex << c.hr;
    }
}

TEST(ComGuids, CompareEveryField)
{
    const GUID base{0x12345678, 0x9ABC, 0xDEF0, {1, 2, 3, 4, 5, 6, 7, 8}};
    GUID lastByte = base;
    lastByte.Data4[7] = 9;
    GUID secondWord = base;
    secondWord.Data2 = 0;
    struct Case {
        GUID other;
        bool equal;
    } const cases[] = {{base, true}, {lastByte, false}, {secondWord, false}, {IID_NULL, false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsEqualGUID(base, c.other), c.equal);
    EXPECT_FALSE(IsEqualIID(IID_IUnknown, IID_IDispatch));
    EXPECT_TRUE(IsEqualIID(IID_IDispatch, IID_IDispatch));
}

}  // namespace
