#include "olsim/FolderObject.h"

#include "olsim/ItemsObject.h"

namespace olsim {
namespace {

enum : DISPID { kName = 1, kStoreId, kItems, kDefaultItemType };

}  // namespace

FolderObject::FolderObject(std::shared_ptr<ProfileSession> session, ItemKind kind)
    : m_session(std::move(session)), m_kind(kind)
{
}

const MemberTable& FolderObject::Members() const
{
    static const MemberTable members({
        {"Name", kName, MemberType::Property},
        {"StoreID", kStoreId, MemberType::Property},
        {"Items", kItems, MemberType::Property},
        {"DefaultItemType", kDefaultItemType, MemberType::Property},
    });
    return members;
}

HRESULT FolderObject::InvokeMember(Invocation& call)
{
    if (call.Form() == CallForm::Put)
        return call.Fail("The property is read-only.");
    const KindInfo& info = Info(m_kind);
    switch (call.Member().id) {
    case kName:
        return call.ReturnValue(TextValue(std::string(info.folderName)));
    case kStoreId:
        return call.ReturnValue(TextValue(m_session->StoreId()));
    case kItems:
        return call.ReturnObject(NewObject<ItemsObject>(m_session, m_kind));
    case kDefaultItemType:
        return call.ReturnValue(LongValue(info.itemType));
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

}  // namespace olsim
