// The user-defined properties of an item: Count, Item by position or name, Find, Add and
// Remove.
#pragma once

#include "olsim/DispatchObject.h"
#include "olsim/ItemData.h"

#include <memory>

namespace olsim {

class UserPropertiesObject final : public DispatchObject {
public:
    explicit UserPropertiesObject(std::shared_ptr<ItemData> item);

protected:
    const MemberTable& Members() const override;
    std::string_view ObjectKind() const override { return "UserProperties"; }
    HRESULT InvokeMember(Invocation& call) override;

private:
    HRESULT ItemAt(Invocation& call);
    HRESULT Find(Invocation& call);
    HRESULT Add(Invocation& call);
    HRESULT Remove(Invocation& call);
    // The 0-based position the call's 1-based index argument names; the call's failure
    // when the argument is no index or beyond the collection.
    HRESULT PositionArgument(Invocation& call, int& position);
    // The property at position, or Nothing for -1.
    HRESULT ReturnProperty(Invocation& call, int position);

    std::shared_ptr<ItemData> m_item;
};

}  // namespace olsim
