// Strokewheel - mouse gestures for CAD drawing views.
// The host's user-interface customisation: command groups and menu groups.
#pragma once

#include "host/CFxUICustomization.h"
#include "standin/StandInExport.h"

#include <QHash>
#include <QString>
#include <QVector>

#include <memory>
#include <vector>

namespace standin {

class CommandGroup;
class MenuGroup;
class UICommand;

class STANDIN_API Catalogue : public CFxUICustomization
{
public:
    Catalogue();
    ~Catalogue() override;

    CFxCommandGroupIteratorPtr NewCommandGroupIterator() const override;
    CFxMenuGroupIteratorPtr NewMenuGroupIterator() const override;

    // A command known to the catalogue; listed nowhere until a group or menu item takes it.
    UICommand *addCommand(const QString &id, const QString &macro, const QString &caption,
                          const QString &helpText = QString());
    CommandGroup *addCommandGroup(const QString &name);
    // A group position that the host enumerates as absent.
    void addNullCommandGroup();
    // A menu group with an empty menu bar, or with none.
    MenuGroup *addMenuGroup(const QString &name, bool withRootMenu = true);
    void addNullMenuGroup();
    void clear();

    // The first command with id, or null.
    UICommand *command(const QString &id) const;
    // Every command, in the order they were added.
    QVector<UICommand *> commands() const;
    // In enumeration order, absent positions as null.
    QVector<CommandGroup *> commandGroups() const;
    QVector<MenuGroup *> menuGroups() const;

    // Command word (upper case, without "_") -> mode, for the restriction table.
    QHash<QString, int> restrictions() const;

    // Replaces the content by a catalogue file's (format: see standin/catalogue/default.catalogue).
    // On failure the catalogue is empty and error reads "<file>:<line>: <reason>".
    bool load(const QString &path, QString *error);

private:
    std::vector<std::unique_ptr<UICommand>> m_commands;
    std::vector<std::unique_ptr<CommandGroup>> m_commandGroups;
    std::vector<std::unique_ptr<MenuGroup>> m_menuGroups;
};

} // namespace standin
