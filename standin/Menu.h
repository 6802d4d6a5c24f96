// Strokewheel - mouse gestures for CAD drawing views.
// A stand-in host menu: an ordered list of items, some of which may be absent.
#pragma once

#include "host/CFxUICustomization.h"
#include "standin/StandInExport.h"

#include <memory>
#include <vector>

namespace standin {

class MenuItem;
class UICommand;

class STANDIN_API Menu : public CFxMenu
{
public:
    Menu();
    ~Menu() override;

    int GetItemCount() const override;
    CFxMenuItem *GetItem(int index) const override;

    // command is owned by the catalogue and may be null.
    MenuItem *addItem(const QString &caption, UICommand *command = nullptr);
    // An item with a new, empty submenu; returns the submenu.
    Menu *addSubMenu(const QString &caption);
    // A position that the host reports as an absent item.
    void addNullItem();
    MenuItem *item(int index) const;
    int itemCount() const { return int(m_items.size()); }

private:
    std::vector<std::unique_ptr<MenuItem>> m_items;
};

} // namespace standin
