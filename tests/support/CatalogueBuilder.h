// Strokewheel - mouse gestures for CAD drawing views.
// Fills the stand-in's catalogue for tests and benchmarks: commands in groups, under menus.
#pragma once

#include "standin/Catalogue.h"
#include "standin/CommandGroup.h"
#include "standin/Menu.h"
#include "standin/MenuGroup.h"
#include "standin/StandIn.h"
#include "standin/UICommand.h"

#include <QHash>
#include <QString>

namespace testsupport {

// Empties the catalogue, then adds commands to one command group at a time and lists them
// under top-level menus of one menu bar, each menu made on first use.
class CatalogueBuilder
{
public:
    explicit CatalogueBuilder(const QString &groupName = QStringLiteral("MAIN"))
    {
        standin::catalogue()->clear();
        m_bar = standin::catalogue()->addMenuGroup(QStringLiteral("MAIN"))->rootMenu();
        startGroup(groupName);
    }

    // Commands added from now on go into a new group.
    void startGroup(const QString &name) { m_group = standin::catalogue()->addCommandGroup(name); }

    // A command of the current group, under the top-level menu named menu (none when empty).
    standin::UICommand *add(const QString &id, const QString &macro, const QString &caption,
                            const QString &helpText, const QString &menu = QString())
    {
        standin::UICommand *command = standin::catalogue()->addCommand(id, macro, caption, helpText);
        m_group->add(command);
        if (!menu.isEmpty()) {
            standin::Menu *&top = m_menus[menu];
            if (!top)
                top = m_bar->addSubMenu(menu);
            top->addItem(caption, command);
        }
        return command;
    }

private:
    standin::CommandGroup *m_group = nullptr;
    standin::Menu *m_bar = nullptr;
    QHash<QString, standin::Menu *> m_menus;
};

} // namespace testsupport
