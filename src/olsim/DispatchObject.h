// The common ground of every object of the simulated Outlook: reference counting,
// IDispatch's name lookup (without regard to ASCII case, under any locale), the checks
// on an Invoke's form and arguments, injected faults, and failures turned into HRESULTs.
#pragma once

#include "olsim/AsciiNames.h"
#include "olsim/PropertyValue.h"

#include "platform/WinCompat.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace olsim {

enum class MemberType { Property, Method };

struct MemberDef {
    std::string name;
    DISPID id;
    MemberType type;
};

// The members of one class. Every program spells the names the same way call after call,
// so each name is also kept as written, in UTF-16: such a lookup costs one hash of the name
// as it arrives, and only other spellings go the way of ASCII case.
class MemberTable {
public:
    explicit MemberTable(std::vector<MemberDef> members);

    const MemberDef* Find(platform::OleStringView name) const;
    const MemberDef* Find(DISPID id) const;

private:
    struct WideNameHash {
        using is_transparent = void;
        std::size_t operator()(platform::OleStringView name) const
        {
            return std::hash<platform::OleStringView>{}(name);
        }
    };

    std::vector<MemberDef> m_members;
    std::unordered_map<platform::OleString, std::size_t, WideNameHash, std::equal_to<>> m_byWrittenName;
    std::unordered_map<std::string, std::size_t, AsciiCaseHash, AsciiCaseEqual> m_byName;
    std::unordered_map<DISPID, std::size_t> m_byId;
};

enum class CallForm { Get, Put, Method };

// MAPI's codes, which Outlook hands on in EXCEPINFO.scode when the store refuses a call.
inline constexpr SCODE kMapiObjectDeleted = static_cast<SCODE>(0x8004010A);  // MAPI_E_OBJECT_DELETED
inline constexpr SCODE kMapiNotFound = static_cast<SCODE>(0x8004010F);       // MAPI_E_NOT_FOUND
// Outlook's words for MAPI_E_NOT_FOUND. The reference pages do not give them; they are the
// words Outlook is commonly seen to report.
inline constexpr std::string_view kObjectNotFound = "The operation failed. An object could not be found.";

// One call of a member, with its arguments in their natural order.
class Invocation {
public:
    Invocation(const MemberDef& member, CallForm form, DISPPARAMS& params, VARIANT* result, EXCEPINFO* excepInfo);

    const MemberDef& Member() const { return m_member; }
    CallForm Form() const { return m_form; }
    UINT ArgCount() const { return m_params.cArgs; }
    // Argument index counted from the first; by-reference arguments as they are.
    const VARIANT& Arg(UINT index) const { return m_params.rgvarg[m_params.cArgs - 1 - index]; }
    // The value of a put.
    const VARIANT& PutValue() const { return m_params.rgvarg[0]; }

    HRESULT ReturnValue(const PropertyValue& value);
    // Hands the caller the object (one reference), or Nothing for null.
    HRESULT ReturnObject(IDispatch* object);
    // DISP_E_EXCEPTION with Outlook's description of what went wrong and its code.
    HRESULT Fail(std::string_view description, SCODE code = E_FAIL);

private:
    const MemberDef& m_member;
    CallForm m_form;
    DISPPARAMS& m_params;
    VARIANT* m_result;
    EXCEPINFO* m_excepInfo;
};

class DispatchObject : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                            DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                     UINT* puArgErr) override;

protected:
    DispatchObject() = default;
    // Deleted through Release as the most derived type; IUnknown itself has no virtual destructor on Windows.
    virtual ~DispatchObject() = default;

    virtual const MemberTable& Members() const = 0;
    // The object model's class name, which injected faults name.
    virtual std::string_view ObjectKind() const = 0;
    virtual HRESULT InvokeMember(Invocation& call) = 0;

private:
    ULONG m_references = 1;
};

// A new object holding one reference, which the caller owns.
template <typename T, typename... Args>
T* NewObject(Args&&... args)
{
    return new T(std::forward<Args>(args)...);
}

// DISP_E_BADPARAMCOUNT unless the call has between least and most arguments.
HRESULT CheckArgCount(const Invocation& call, UINT least, UINT most);

}  // namespace olsim
