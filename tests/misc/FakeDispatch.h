// A small scriptable automation object for tests: properties and methods by name, with
// every name lookup and every call recorded so a test can see exactly what was sent.
#pragma once

#include "platform/WinCompat.h"
#include "platform/win/ComHolders.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fake {

struct RecordedLookup {
    platform::OleString name;
    LCID lcid;
};

struct RecordedInvoke {
    platform::OleString name;
    WORD flags;
    LCID lcid;
    std::vector<platform::VariantHolder> args;  // copies, in the order they were passed
    std::vector<DISPID> namedArgs;
    bool wantsResult;
    bool passedExcepInfo;
    bool passedArgErr;
};

inline platform::OleString Utf16(std::string_view text)
{
    platform::OleString wide(text.size() + 1, OLECHAR('\0'));
    const int units = text.empty() ? 0
                                   : MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                         wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(units));
    return wide;
}

class FakeDispatch final : public IDispatch, public IRunnableObject {
public:
    using Method = std::function<HRESULT(const DISPPARAMS& params, VARIANT* pResult)>;

    // The pointer holds the one reference the object starts with.
    static platform::ComPtr<FakeDispatch> Create()
    {
        return platform::ComPtr<FakeDispatch>::Adopt(new FakeDispatch);
    }

    void SetProperty(platform::OleStringView name, const VARIANT& value)
    {
        Member& member = Declare(name);
        member.isMethod = false;
        // Some Windows headers declare the source without const.
        VariantCopy(member.value.Get(), const_cast<VARIANT*>(&value));
    }
    void SetLong(platform::OleStringView name, LONG nValue)
    {
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_I4;
        value.lVal = nValue;
        SetProperty(name, value);
    }
    void SetBool(platform::OleStringView name, VARIANT_BOOL bValue)
    {
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_BOOL;
        value.boolVal = bValue;
        SetProperty(name, value);
    }
    void SetDate(platform::OleStringView name, DATE dValue)
    {
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_DATE;
        value.date = dValue;
        SetProperty(name, value);
    }
    void SetString(platform::OleStringView name, platform::OleStringView text)
    {
        platform::VariantHolder value;
        value->vt = VT_BSTR;
        value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        SetProperty(name, *value.Get());
    }
    void SetObject(platform::OleStringView name, IDispatch* pDisp)
    {
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_DISPATCH;
        value.pdispVal = pDisp;
        SetProperty(name, value);
    }
    void SetMethod(platform::OleStringView name, Method method)
    {
        Member& member = Declare(name);
        member.isMethod = true;
        member.method = std::move(method);
    }
    // Lookups of name under any other locale fail with DISP_E_UNKNOWNNAME.
    void KnownOnlyUnder(platform::OleStringView name, LCID lcid) { Declare(name).onlyUnder = lcid; }
    void FailLookup(platform::OleStringView name, HRESULT hr) { Declare(name).lookupFailure = hr; }
    void FailInvoke(platform::OleStringView name, HRESULT hr) { Declare(name).invokeFailure = hr; }
    // Makes the object runnable; OleRun then answers hr.
    void SetRunResult(HRESULT hr) { m_runResult = hr; }
    void RefuseDispatchInterface() { m_refuseDispatch = true; }

    const VARIANT* Property(platform::OleStringView name) const
    {
        const Member* member = Find(name);
        return member ? member->value.Get() : nullptr;
    }
    const std::vector<RecordedLookup>& Lookups() const { return m_lookups; }
    const std::vector<RecordedInvoke>& Invokes() const { return m_invokes; }
    ULONG RefCount() const { return m_refCount; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (!ppvObject)
            return E_POINTER;
        *ppvObject = nullptr;
        if (riid == IID_IUnknown || (riid == IID_IDispatch && !m_refuseDispatch))
            *ppvObject = static_cast<IDispatch*>(this);
        else if (riid == IID_IRunnableObject && m_runResult)
            *ppvObject = static_cast<IRunnableObject*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refCount; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG remaining = --m_refCount;
        if (remaining == 0)
            delete this;
        return remaining;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override
    {
        if (pctinfo)
            *pctinfo = 0;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                            DISPID* rgDispId) override
    {
        if (!rgszNames || !rgDispId || cNames != 1)
            return E_INVALIDARG;
        const platform::OleStringView name = rgszNames[0];
        m_lookups.push_back({platform::OleString(name), lcid});
        *rgDispId = DISPID_UNKNOWN;
        const Member* member = Find(name);
        if (!member || (member->onlyUnder && *member->onlyUnder != lcid))
            return DISP_E_UNKNOWNNAME;
        if (FAILED(member->lookupFailure))
            return member->lookupFailure;
        *rgDispId = static_cast<DISPID>(member - m_members.data()) + 1;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                     VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override
    {
        if (dispIdMember < 1 || static_cast<std::size_t>(dispIdMember) > m_members.size())
            return DISP_E_MEMBERNOTFOUND;
        if (!pDispParams)
            return E_INVALIDARG;
        Member& member = m_members[static_cast<std::size_t>(dispIdMember) - 1];
        Record(member.name, wFlags, lcid, *pDispParams, pVarResult, pExcepInfo, puArgErr);
        if (FAILED(member.invokeFailure))
            return member.invokeFailure;
        if (member.isMethod && (wFlags & DISPATCH_METHOD))
            return member.method ? member.method(*pDispParams, pVarResult) : S_OK;
        if (!member.isMethod && (wFlags & DISPATCH_PROPERTYGET)) {
            if (pDispParams->cArgs != 0)
                return DISP_E_BADPARAMCOUNT;
            return pVarResult ? VariantCopy(pVarResult, member.value.Get()) : S_OK;
        }
        if (!member.isMethod && (wFlags & DISPATCH_PROPERTYPUT)) {
            if (pDispParams->cArgs != 1)
                return DISP_E_BADPARAMCOUNT;
            if (pDispParams->cNamedArgs != 1 || pDispParams->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
                return DISP_E_PARAMNOTFOUND;
            return VariantCopy(member.value.Get(), &pDispParams->rgvarg[0]);
        }
        return DISP_E_MEMBERNOTFOUND;
    }

    HRESULT STDMETHODCALLTYPE GetRunningClass(LPCLSID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Run(LPBINDCTX) override { return *m_runResult; }
    BOOL STDMETHODCALLTYPE IsRunning() override { return SUCCEEDED(*m_runResult); }
    HRESULT STDMETHODCALLTYPE LockRunning(BOOL, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetContainedObject(BOOL) override { return S_OK; }

private:
    struct Member {
        platform::OleString name;
        bool isMethod = false;
        platform::VariantHolder value;
        Method method;
        std::optional<LCID> onlyUnder;
        HRESULT lookupFailure = S_OK;
        HRESULT invokeFailure = S_OK;
    };

    FakeDispatch() = default;
    virtual ~FakeDispatch() = default;

    static bool SameName(platform::OleStringView a, platform::OleStringView b)
    {
        auto fold = [](OLECHAR c) { return c >= 'A' && c <= 'Z' ? static_cast<OLECHAR>(c - 'A' + 'a') : c; };
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (fold(a[i]) != fold(b[i]))
                return false;
        }
        return true;
    }
    const Member* Find(platform::OleStringView name) const
    {
        for (const Member& member : m_members) {
            if (SameName(member.name, name))
                return &member;
        }
        return nullptr;
    }
    Member& Declare(platform::OleStringView name)
    {
        if (const Member* found = Find(name))
            return const_cast<Member&>(*found);
        Member& member = m_members.emplace_back();
        member.name = name;
        return member;
    }
    void Record(const platform::OleString& name, WORD wFlags, LCID lcid, const DISPPARAMS& params,
                const VARIANT* pVarResult, const EXCEPINFO* pExcepInfo, const UINT* puArgErr)
    {
        RecordedInvoke call{name, wFlags, lcid, {}, {}, pVarResult != nullptr, pExcepInfo != nullptr,
                            puArgErr != nullptr};
        for (UINT i = 0; i < params.cArgs; ++i) {
            platform::VariantHolder copy;
            VariantCopy(copy.Get(), &params.rgvarg[i]);
            call.args.push_back(std::move(copy));
        }
        for (UINT i = 0; i < params.cNamedArgs; ++i)
            call.namedArgs.push_back(params.rgdispidNamedArgs[i]);
        m_invokes.push_back(std::move(call));
    }

    ULONG m_refCount = 1;
    std::vector<Member> m_members;
    std::vector<RecordedLookup> m_lookups;
    std::vector<RecordedInvoke> m_invokes;
    std::optional<HRESULT> m_runResult;
    bool m_refuseDispatch = false;
};

}  // namespace fake
