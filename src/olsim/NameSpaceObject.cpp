#include "olsim/NameSpaceObject.h"

#include "olsim/FolderObject.h"
#include "olsim/VariantConversion.h"

namespace olsim {
namespace {

enum : DISPID { kGetDefaultFolder = 1, kType };

}  // namespace

NameSpaceObject::NameSpaceObject(std::shared_ptr<ProfileSession> session) : m_session(std::move(session)) {}

const MemberTable& NameSpaceObject::Members() const
{
    static const MemberTable members({
        {"GetDefaultFolder", kGetDefaultFolder, MemberType::Method},
        {"Type", kType, MemberType::Property},
    });
    return members;
}

HRESULT NameSpaceObject::InvokeMember(Invocation& call)
{
    switch (call.Member().id) {
    case kGetDefaultFolder: {
        if (const HRESULT hr = CheckArgCount(call, 1, 1); FAILED(hr))
            return hr;
        std::int32_t folderNumber = 0;
        if (const HRESULT hr = ToIndex(call.Arg(0), folderNumber); FAILED(hr))
            return hr;
        const auto kind = KindForFolderNumber(folderNumber);
        if (!kind)
            return call.Fail("The profile has no such default folder.");
        return call.ReturnObject(NewObject<FolderObject>(m_session, *kind));
    }
    case kType:
        return call.Form() == CallForm::Put ? call.Fail("The property is read-only.")
                                            : call.ReturnValue(TextValue("MAPI"));
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

}  // namespace olsim
