// One user-defined property of an item: Name, Type and Value.
#pragma once

#include "olsim/DispatchObject.h"
#include "olsim/ItemData.h"

#include <memory>

namespace olsim {

class UserPropertyObject final : public DispatchObject {
public:
    UserPropertyObject(std::shared_ptr<ItemData> item, int position);

protected:
    const MemberTable& Members() const override;
    std::string_view ObjectKind() const override { return "UserProperty"; }
    HRESULT InvokeMember(Invocation& call) override;

private:
    std::shared_ptr<ItemData> m_item;
    int m_position;
};

}  // namespace olsim
