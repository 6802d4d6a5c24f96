// Strokewheel - mouse gestures for CAD drawing views.
// One item of a stand-in host menu.
#include "standin/MenuItem.h"

#include "standin/Menu.h"
#include "standin/UICommand.h"

namespace standin {

MenuItem::MenuItem(const QString &caption, UICommand *command)
    : m_caption(caption)
    , m_command(command)
{
}

MenuItem::~MenuItem() = default;

CFxString MenuItem::GetCaption() const
{
    return m_caption;
}

CFxUICommand *MenuItem::GetCommand() const
{
    return m_command;
}

CFxMenu *MenuItem::GetSubMenu() const
{
    return m_subMenu.get();
}

Menu *MenuItem::createSubMenu()
{
    if (!m_subMenu)
        m_subMenu = std::make_unique<Menu>();
    return m_subMenu.get();
}

} // namespace standin
