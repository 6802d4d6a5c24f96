// Strokewheel - mouse gestures for CAD drawing views.
// A stand-in host menu.
#include "standin/Menu.h"

#include "standin/MenuItem.h"

namespace standin {

Menu::Menu() = default;
Menu::~Menu() = default;

int Menu::GetItemCount() const
{
    return itemCount();
}

CFxMenuItem *Menu::GetItem(int index) const
{
    return item(index);
}

MenuItem *Menu::addItem(const QString &caption, UICommand *command)
{
    m_items.push_back(std::make_unique<MenuItem>(caption, command));
    return m_items.back().get();
}

Menu *Menu::addSubMenu(const QString &caption)
{
    return addItem(caption)->createSubMenu();
}

void Menu::addNullItem()
{
    m_items.push_back(nullptr);
}

MenuItem *Menu::item(int index) const
{
    return index >= 0 && index < itemCount() ? m_items[std::size_t(index)].get() : nullptr;
}

} // namespace standin
