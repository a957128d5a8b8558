#include "olsim/ItemsObject.h"

#include "olsim/ItemObject.h"
#include "olsim/ItemRules.h"
#include "olsim/StoreError.h"
#include "olsim/VariantConversion.h"

#include <algorithm>

namespace olsim {
namespace {

enum : DISPID { kItem = DISPID_VALUE, kCount, kGetFirst, kGetNext, kAdd };

}  // namespace

ItemsObject::ItemsObject(std::shared_ptr<ProfileSession> session, ItemKind kind)
    : m_session(std::move(session)), m_kind(kind)
{
}

const MemberTable& ItemsObject::Members() const
{
    static const MemberTable members({
        {"Item", kItem, MemberType::Method},
        {"Count", kCount, MemberType::Property},
        {"GetFirst", kGetFirst, MemberType::Method},
        {"GetNext", kGetNext, MemberType::Method},
        {"Add", kAdd, MemberType::Method},
    });
    return members;
}

HRESULT ItemsObject::InvokeMember(Invocation& call)
{
    switch (call.Member().id) {
    case kItem:
        return ItemAt(call);
    case kCount:
        if (call.Form() == CallForm::Put)
            return call.Fail("The property is read-only.");
        return call.ReturnValue(LongValue(static_cast<std::int32_t>(m_session->Listing(m_kind).size())));
    case kGetFirst:
    case kGetNext:
        if (const HRESULT hr = CheckArgCount(call, 0, 0); FAILED(hr))
            return hr;
        return Next(call, call.Member().id == kGetFirst);
    case kAdd:
        return Add(call);
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT ItemsObject::ItemAt(Invocation& call)
{
    if (const HRESULT hr = CheckArgCount(call, 1, 1); FAILED(hr))
        return hr;
    std::int32_t position = 0;
    if (const HRESULT hr = ToIndex(call.Arg(0), position); FAILED(hr))
        return hr;
    const auto& listing = m_session->Listing(m_kind);
    if (position < 1 || static_cast<std::size_t>(position) > listing.size())
        return call.Fail("Array index out of bounds.");
    return call.ReturnObject(OpenItem(listing[static_cast<std::size_t>(position) - 1]));
}

HRESULT ItemsObject::Next(Invocation& call, bool fromStart)
{
    const auto& listing = fromStart ? m_session->Listing(m_kind) : m_session->WalkListing(m_kind);
    // The walk's listing may still hold items another process has deleted since: a walk
    // passes over them as it would had they been gone when it started.
    for (auto next = fromStart ? listing.begin() : std::upper_bound(listing.begin(), listing.end(), m_lastId);
         next != listing.end(); ++next) {
        m_lastId = *next;
        try {
            return call.ReturnObject(OpenItem(*next));
        } catch (const ItemGoneError&) {
        }
    }
    return call.ReturnObject(nullptr);
}

HRESULT ItemsObject::Add(Invocation& call)
{
    if (const HRESULT hr = CheckArgCount(call, 0, 1); FAILED(hr))
        return hr;
    std::int32_t itemType = Info(m_kind).itemType;
    if (call.ArgCount() == 1 && !IsMissing(call.Arg(0))) {
        if (const HRESULT hr = ToIndex(call.Arg(0), itemType); FAILED(hr))
            return hr;
    }
    if (KindForItemType(itemType) != m_kind)
        return call.Fail("The item type does not belong in this folder.");
    return call.ReturnObject(NewObject<ItemObject>(m_session, std::make_shared<ItemData>(NewItem(m_kind))));
}

IDispatch* ItemsObject::OpenItem(std::int64_t id)
{
    return NewObject<ItemObject>(m_session, std::make_shared<ItemData>(m_session->Load(m_kind, id)));
}

}  // namespace olsim
