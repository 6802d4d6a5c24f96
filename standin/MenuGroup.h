// Strokewheel - mouse gestures for CAD drawing views.
// A stand-in host menu group: a name and a menu bar, which may be absent.
#pragma once

#include "host/CFxUICustomization.h"
#include "standin/StandInExport.h"

#include <memory>

namespace standin {

class Menu;

class STANDIN_API MenuGroup : public CFxMenuGroup
{
public:
    MenuGroup(const QString &name, bool withRootMenu);
    ~MenuGroup() override;

    CFxString GetName() const override;
    CFxMenu *GetRootMenu() const override;

    QString name() const { return m_name; }
    Menu *rootMenu() const { return m_rootMenu.get(); }

private:
    QString m_name;
    std::unique_ptr<Menu> m_rootMenu;
};

} // namespace standin
