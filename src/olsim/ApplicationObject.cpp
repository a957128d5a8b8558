#include "olsim/ApplicationObject.h"

#include "olsim/AsciiNames.h"
#include "olsim/NameSpaceObject.h"
#include "olsim/VariantConversion.h"

namespace olsim {
namespace {

enum : DISPID { kGetNameSpace = 1, kVersion, kName };

}  // namespace

ApplicationObject::ApplicationObject(std::shared_ptr<ProfileSession> session) : m_session(std::move(session)) {}

const MemberTable& ApplicationObject::Members() const
{
    static const MemberTable members({
        {"GetNameSpace", kGetNameSpace, MemberType::Method},
        {"Version", kVersion, MemberType::Property},
        {"Name", kName, MemberType::Property},
    });
    return members;
}

HRESULT ApplicationObject::InvokeMember(Invocation& call)
{
    switch (call.Member().id) {
    case kGetNameSpace: {
        if (const HRESULT hr = CheckArgCount(call, 1, 1); FAILED(hr))
            return hr;
        PropertyValue type;
        if (const HRESULT hr = ToPropertyValue(call.Arg(0), ValueType::Text, type); FAILED(hr))
            return hr;
        if (!SameAsciiName(AsText(type), "MAPI"))
            return call.Fail("The only namespace is \"MAPI\".");
        return call.ReturnObject(NewObject<NameSpaceObject>(m_session));
    }
    case kVersion:
        return call.Form() == CallForm::Put ? call.Fail("The property is read-only.")
                                            : call.ReturnValue(TextValue(m_session->OutlookVersion()));
    case kName:
        return call.Form() == CallForm::Put ? call.Fail("The property is read-only.")
                                            : call.ReturnValue(TextValue("Outlook"));
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

}  // namespace olsim
