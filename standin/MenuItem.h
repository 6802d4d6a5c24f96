// Strokewheel - mouse gestures for CAD drawing views.
// One item of a stand-in host menu: a caption, maybe a command, maybe a submenu.
#pragma once

#include "host/CFxUICustomization.h"
#include "standin/StandInExport.h"

#include <memory>

namespace standin {

class Menu;
class UICommand;

class STANDIN_API MenuItem : public CFxMenuItem
{
public:
    MenuItem(const QString &caption, UICommand *command);
    ~MenuItem() override;

    CFxString GetCaption() const override;
    CFxUICommand *GetCommand() const override;
    CFxMenu *GetSubMenu() const override;

    QString caption() const { return m_caption; }
    UICommand *command() const { return m_command; }
    Menu *subMenu() const { return m_subMenu.get(); }
    // The item's submenu, created empty on first call.
    Menu *createSubMenu();

private:
    QString m_caption;
    UICommand *m_command;
    std::unique_ptr<Menu> m_subMenu;
};

} // namespace standin
