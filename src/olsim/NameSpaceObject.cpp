#include "olsim/NameSpaceObject.h"

#include "olsim/AsciiNames.h"
#include "olsim/FolderObject.h"
#include "olsim/ItemObject.h"
#include "olsim/VariantConversion.h"

namespace olsim {
namespace {

enum : DISPID { kGetDefaultFolder = 1, kType, kGetItemFromID };

HRESULT TextArgument(const VARIANT& argument, std::string& out)
{
    PropertyValue value;
    const HRESULT hr = ToPropertyValue(argument, ValueType::Text, value);
    out = AsText(value);
    return hr;
}

}  // namespace

NameSpaceObject::NameSpaceObject(std::shared_ptr<ProfileSession> session) : m_session(std::move(session)) {}

const MemberTable& NameSpaceObject::Members() const
{
    static const MemberTable members({
        {"GetDefaultFolder", kGetDefaultFolder, MemberType::Method},
        {"Type", kType, MemberType::Property},
        {"GetItemFromID", kGetItemFromID, MemberType::Method},
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
    case kGetItemFromID:
        return GetItemFromId(call);
    case kType:
        return call.Form() == CallForm::Put ? call.Fail("The property is read-only.")
                                            : call.ReturnValue(TextValue("MAPI"));
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT NameSpaceObject::GetItemFromId(Invocation& call)
{
    if (const HRESULT hr = CheckArgCount(call, 1, 2); FAILED(hr))
        return hr;
    std::string entryId;
    if (const HRESULT hr = TextArgument(call.Arg(0), entryId); FAILED(hr))
        return hr;
    if (call.ArgCount() == 2 && !IsMissing(call.Arg(1))) {
        std::string storeId;
        if (const HRESULT hr = TextArgument(call.Arg(1), storeId); FAILED(hr))
            return hr;
        if (!SameAsciiName(storeId, m_session->StoreId()))
            return call.Fail(kObjectNotFound, kMapiNotFound);
    }
    auto item = m_session->LoadByEntryId(entryId);
    if (!item)
        return call.Fail(kObjectNotFound, kMapiNotFound);
    return call.ReturnObject(NewObject<ItemObject>(m_session, std::make_shared<ItemData>(std::move(*item))));
}

}  // namespace olsim
