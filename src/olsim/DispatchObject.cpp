#include "olsim/DispatchObject.h"

#include "olsim/FaultInjection.h"
#include "olsim/SimulatorLog.h"
#include "olsim/StoreError.h"
#include "olsim/VariantConversion.h"

#include <new>

namespace olsim {
namespace {

constexpr platform::OleStringView kExceptionSource = OLESTR("Microsoft Outlook");

// Names are ASCII; any other character cannot match.
bool AsciiName(platform::OleStringView wide, std::string& out)
{
    out.clear();
    for (const OLECHAR unit : wide) {
        if (unit >= 0x80)
            return false;
        out += static_cast<char>(unit);
    }
    return true;
}

platform::OleStringView Terminated(const OLECHAR* text)
{
    return text ? platform::OleStringView(text) : platform::OleStringView();
}

}  // namespace

MemberTable::MemberTable(std::vector<MemberDef> members) : m_members(std::move(members))
{
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        m_byWrittenName.emplace(platform::OleString(m_members[i].name.begin(), m_members[i].name.end()), i);
        m_byName.emplace(m_members[i].name, i);
        m_byId.emplace(m_members[i].id, i);
    }
}

const MemberDef* MemberTable::Find(platform::OleStringView name) const
{
    if (const auto written = m_byWrittenName.find(name); written != m_byWrittenName.end())
        return &m_members[written->second];
    thread_local std::string narrow;
    if (!AsciiName(name, narrow))
        return nullptr;
    const auto found = m_byName.find(std::string_view(narrow));
    return found == m_byName.end() ? nullptr : &m_members[found->second];
}

const MemberDef* MemberTable::Find(DISPID id) const
{
    const auto found = m_byId.find(id);
    return found == m_byId.end() ? nullptr : &m_members[found->second];
}

Invocation::Invocation(const MemberDef& member, CallForm form, DISPPARAMS& params, VARIANT* result,
                       EXCEPINFO* excepInfo)
    : m_member(member), m_form(form), m_params(params), m_result(result), m_excepInfo(excepInfo)
{
}

HRESULT Invocation::ReturnValue(const PropertyValue& value)
{
    if (!m_result)
        return S_OK;
    VariantClear(m_result);
    return FromPropertyValue(value, m_result);
}

HRESULT Invocation::ReturnObject(IDispatch* object)
{
    if (!m_result) {
        if (object)
            object->Release();
        return S_OK;
    }
    VariantClear(m_result);
    m_result->vt = VT_DISPATCH;
    m_result->pdispVal = object;
    return S_OK;
}

HRESULT Invocation::Fail(std::string_view description, SCODE code)
{
    if (m_excepInfo) {
        *m_excepInfo = EXCEPINFO{};
        m_excepInfo->bstrSource = SysAllocStringLen(kExceptionSource.data(), static_cast<UINT>(kExceptionSource.size()));
        const platform::OleString wide = WideFromUtf8(description);
        m_excepInfo->bstrDescription = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        m_excepInfo->scode = code;
    }
    return DISP_E_EXCEPTION;
}

HRESULT CheckArgCount(const Invocation& call, UINT least, UINT most)
{
    return call.ArgCount() < least || call.ArgCount() > most ? DISP_E_BADPARAMCOUNT : S_OK;
}

HRESULT DispatchObject::QueryInterface(REFIID riid, void** ppvObject)
{
    if (!ppvObject)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch) {
        *ppvObject = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG DispatchObject::AddRef() { return ++m_references; }

ULONG DispatchObject::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* pctinfo)
{
    if (!pctinfo)
        return E_INVALIDARG;
    *pctinfo = 0;
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo)
        *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (!rgszNames || !rgDispId || cNames == 0)
        return E_INVALIDARG;
    for (UINT i = 0; i < cNames; ++i)
        rgDispId[i] = DISPID_UNKNOWN;
    const MemberDef* member = nullptr;
    try {
        member = Members().Find(Terminated(rgszNames[0]));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    if (!member)
        return DISP_E_UNKNOWNNAME;
    rgDispId[0] = member->id;
    // Named arguments are not supported, so any argument name is unknown.
    return cNames > 1 ? DISP_E_UNKNOWNNAME : S_OK;
}

HRESULT DispatchObject::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                               VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (!pDispParams || (pDispParams->cArgs > 0 && !pDispParams->rgvarg))
        return E_INVALIDARG;
    if (puArgErr)
        *puArgErr = 0;
    const MemberDef* member = Members().Find(dispIdMember);
    if (!member)
        return DISP_E_MEMBERNOTFOUND;

    CallForm form = CallForm::Get;
    if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (member->type != MemberType::Property)
            return DISP_E_MEMBERNOTFOUND;
        if (pDispParams->cArgs != 1)
            return DISP_E_BADPARAMCOUNT;
        if (pDispParams->cNamedArgs != 1 || !pDispParams->rgdispidNamedArgs ||
            pDispParams->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTFOUND;
        form = CallForm::Put;
    } else if (member->type == MemberType::Method) {
        if ((wFlags & DISPATCH_METHOD) == 0)
            return DISP_E_MEMBERNOTFOUND;
        form = CallForm::Method;
    } else if ((wFlags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) == 0) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (form != CallForm::Put && pDispParams->cNamedArgs > 0)
        return DISP_E_NONAMEDARGS;
    if (form == CallForm::Get && pDispParams->cArgs > 0)
        return DISP_E_BADPARAMCOUNT;

    if (const auto fault = TakeFault(ObjectKind(), member->name))
        return *fault;

    Invocation call(*member, form, *pDispParams, pVarResult, pExcepInfo);
    try {
        return InvokeMember(call);
    } catch (const StoreError& error) {
        LogLine("olsim: " + std::string(ObjectKind()) + "." + member->name + " failed: " + error.what());
        const bool gone = dynamic_cast<const ItemGoneError*>(&error) != nullptr;
        return call.Fail(error.what(), gone ? kMapiObjectDeleted : E_FAIL);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception& error) {
        LogLine("olsim: " + std::string(ObjectKind()) + "." + member->name + " failed unexpectedly: " + error.what());
        return E_UNEXPECTED;
    }
}

}  // namespace olsim
