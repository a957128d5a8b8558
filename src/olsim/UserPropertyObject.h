// One user-defined property of an item: Name, Type and Value. It follows its property by
// name, so that removing another one does not move it; once its own is removed, every call
// fails as for an object Outlook cannot find (our choice: the reference does not say).
#pragma once

#include "olsim/DispatchObject.h"
#include "olsim/ItemData.h"

#include <memory>
#include <string>

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
    std::string m_name;
};

}  // namespace olsim
