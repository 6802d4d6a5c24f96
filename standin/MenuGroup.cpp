// Strokewheel - mouse gestures for CAD drawing views.
// A stand-in host menu group.
#include "standin/MenuGroup.h"

#include "standin/Menu.h"

namespace standin {

MenuGroup::MenuGroup(const QString &name, bool withRootMenu)
    : m_name(name)
    , m_rootMenu(withRootMenu ? std::make_unique<Menu>() : nullptr)
{
}

MenuGroup::~MenuGroup() = default;

CFxString MenuGroup::GetName() const
{
    return m_name;
}

CFxMenu *MenuGroup::GetRootMenu() const
{
    return m_rootMenu.get();
}

} // namespace standin
