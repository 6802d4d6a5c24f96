// Strokewheel - mouse gestures for CAD drawing views.
// QGIS's menu bar as the host's command catalogue.
#include "qgis/MenuCatalogue.h"

#include "qgis/ActionCommand.h"
#include "qgis/RememberedActions.h"

#include "sdk/ListIterator.h"

#include <QHash>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace qgishost {

namespace {

class Group : public CFxCommandGroup
{
public:
    explicit Group(const QString &name) : m_name(name) {}
    CFxString GetName() const override { return m_name; }
    CFxUICommandIteratorPtr NewCommandIterator() const override;

    QVector<ActionCommand *> commands;

private:
    QString m_name;
};

class Menu : public CFxMenu
{
public:
    int GetItemCount() const override { return items.size(); }
    CFxMenuItem *GetItem(int index) const override { return index >= 0 && index < items.size() ? items.at(index) : nullptr; }

    QVector<CFxMenuItem *> items;
};

class Item : public CFxMenuItem
{
public:
    Item(const QString &caption, ActionCommand *command, Menu *subMenu)
        : m_caption(caption), m_command(command), m_subMenu(subMenu) {}
    CFxString GetCaption() const override { return m_caption; }
    CFxUICommand *GetCommand() const override { return m_command; }
    CFxMenu *GetSubMenu() const override { return m_subMenu; }

private:
    QString m_caption;
    ActionCommand *m_command;
    Menu *m_subMenu;
};

class MenuBarGroup : public CFxMenuGroup
{
public:
    explicit MenuBarGroup(Menu *root) : m_root(root) {}
    CFxString GetName() const override { return QStringLiteral("QGIS"); }
    CFxMenu *GetRootMenu() const override { return m_root; }

private:
    Menu *m_root;
};

// Menus nest a few levels; a deeper one is a menu that contains itself.
constexpr int kDeepestMenu = 8;

}

struct MenuCatalogue::Snapshot
{
    std::vector<std::unique_ptr<ActionCommand>> commands;
    QHash<QAction *, ActionCommand *> commandOf;
    QHash<QString, QAction *> actionNamed;
    std::vector<std::unique_ptr<Group>> groups;
    std::vector<std::unique_ptr<Menu>> menus;
    std::vector<std::unique_ptr<Item>> items;
    std::unique_ptr<MenuBarGroup> menuBar;
    Menu *root = nullptr;
    // Each top-level menu's group and tree, by the group's name.
    QHash<QString, std::pair<Group *, Menu *>> categories;

    Menu *newMenu()
    {
        menus.push_back(std::make_unique<Menu>());
        return menus.back().get();
    }

    void addItem(Menu *menu, const QString &caption, ActionCommand *command, Menu *subMenu)
    {
        items.push_back(std::make_unique<Item>(caption, command, subMenu));
        menu->items.append(items.back().get());
    }

    ActionCommand *commandFor(QAction *action)
    {
        ActionCommand *&command = commandOf[action];
        if (!command) {
            commands.push_back(std::make_unique<ActionCommand>(action, idFor(action->objectName())));
            command = commands.back().get();
            actionNamed.insert(action->objectName(), action);
        }
        return command;
    }

    // The menu's named actions go to group, in menu order; separators, unnamed actions and
    // the openers of submenus are left out, the submenus' actions taken in.
    Menu *walk(const QMenu *source, Group *group, int depth)
    {
        Menu *menu = newMenu();
        if (depth > kDeepestMenu)
            return menu;
        for (QAction *action : source->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            if (const QMenu *subMenu = action->menu()) {
                addItem(menu, action->text(), nullptr, walk(subMenu, group, depth + 1));
            } else if (!action->objectName().isEmpty()) {
                ActionCommand *command = commandFor(action);
                group->commands.append(command);
                addItem(menu, action->text(), command, nullptr);
            }
        }
        return menu;
    }

    void addCategory(Menu *root, const QString &caption, const QMenu *source)
    {
        groups.push_back(std::make_unique<Group>(ActionCommand::withoutAccelerators(caption)));
        Group *group = groups.back().get();
        Menu *menu = source ? walk(source, group, 1) : newMenu();
        addItem(root, caption, nullptr, menu);
        categories.insert(group->GetName().toQString(), {group, menu});
    }

    RememberedActions::Actions present() const
    {
        RememberedActions::Actions actions;
        for (const auto &group : groups) {
            for (ActionCommand *command : group->commands) {
                const QString id = command->GetId().toQString();
                // An action in several menus counts under its first.
                if (!actions.contains(id))
                    actions.insert(id, {command->objectName(), command->GetCaption().toQString(),
                                        group->GetName().toQString()});
            }
        }
        return actions;
    }

    // Stand-ins for remembered actions that are gone, under their menus.
    void addMissing(Menu *root, const RememberedActions::Actions &missing)
    {
        for (auto action = missing.cbegin(); action != missing.cend(); ++action) {
            if (!categories.contains(action->category))
                addCategory(root, action->category, nullptr);
            const auto category = categories.value(action->category);
            commands.push_back(std::make_unique<ActionCommand>(action->objectName, action.key(), action->caption));
            category.first->commands.append(commands.back().get());
            addItem(category.second, action->caption, commands.back().get(), nullptr);
        }
    }
};

namespace {

class CommandIterator : public fxsdk::ListIterator<CFxUICommandIterator, ActionCommand>
{
public:
    using ListIterator::ListIterator;
    CFxUICommand *GetCommand() const override { return current(); }
};

// Iterators keep the snapshot they walk alive, however the menus change meanwhile.
class GroupIterator : public fxsdk::ListIterator<CFxCommandGroupIterator, Group>
{
public:
    GroupIterator(std::shared_ptr<const MenuCatalogue::Snapshot> snapshot, const QVector<Group *> &groups)
        : ListIterator(groups), m_snapshot(std::move(snapshot)) {}
    CFxCommandGroup *GetGroup() const override { return current(); }

private:
    std::shared_ptr<const MenuCatalogue::Snapshot> m_snapshot;
};

class MenuGroupIterator : public fxsdk::ListIterator<CFxMenuGroupIterator, MenuBarGroup>
{
public:
    MenuGroupIterator(std::shared_ptr<const MenuCatalogue::Snapshot> snapshot, const QVector<MenuBarGroup *> &groups)
        : ListIterator(groups), m_snapshot(std::move(snapshot)) {}
    CFxMenuGroup *GetMenuGroup() const override { return current(); }

private:
    std::shared_ptr<const MenuCatalogue::Snapshot> m_snapshot;
};

CFxUICommandIteratorPtr Group::NewCommandIterator() const
{
    return OdRxObjectImpl<CommandIterator>::createObject(commands);
}

}

MenuCatalogue::MenuCatalogue(QWidget *mainWindow, CFxProfile *profile)
    : m_mainWindow(qobject_cast<QMainWindow *>(mainWindow)), m_remembered(std::make_unique<RememberedActions>(profile))
{
}

MenuCatalogue::~MenuCatalogue() = default;

QString MenuCatalogue::idFor(const QString &objectName)
{
    // The QGIS actions closest to what the module's factory assignment names.
    static const QHash<QString, QString> factoryIds = {
        {QStringLiteral("mActionZoomFullExtent"), QStringLiteral("ID_ZOOM_BOUNDS")},
        {QStringLiteral("mActionOpenProject"), QStringLiteral("ID_OPEN")},
        {QStringLiteral("mActionSaveProject"), QStringLiteral("ID_SAVE")},
        {QStringLiteral("mActionCopyFeatures"), QStringLiteral("ID_COPY")},
        {QStringLiteral("mActionOffsetCurve"), QStringLiteral("ID_OFFSET")},
        {QStringLiteral("mActionTrimExtendFeature"), QStringLiteral("ID_TRIM")},
        {QStringLiteral("mActionAddFeature"), QStringLiteral("ID_LINE")},
        {QStringLiteral("mActionTextAnnotation"), QStringLiteral("ID_DTEXT")},
    };
    return factoryIds.value(objectName, objectName);
}

std::shared_ptr<MenuCatalogue::Snapshot> MenuCatalogue::readMenus() const
{
    auto snapshot = std::make_shared<Snapshot>();
    snapshot->root = snapshot->newMenu();
    snapshot->menuBar = std::make_unique<MenuBarGroup>(snapshot->root);
    if (!m_mainWindow)
        return snapshot;
    for (QAction *top : m_mainWindow->menuBar()->actions()) {
        if (top->menu() && top->isVisible())
            snapshot->addCategory(snapshot->root, top->text(), top->menu());
    }
    return snapshot;
}

std::shared_ptr<const MenuCatalogue::Snapshot> MenuCatalogue::read() const
{
    std::shared_ptr<Snapshot> snapshot = readMenus();
    if (m_mainWindow)
        snapshot->addMissing(snapshot->root, m_remembered->missing(snapshot->present()));
    return snapshot;
}

void MenuCatalogue::prepare() const
{
    const std::shared_ptr<const Snapshot> snapshot = readMenus();
    for (const auto &command : snapshot->commands)
        command->GetHelpText();
}

CFxCommandGroupIteratorPtr MenuCatalogue::NewCommandGroupIterator() const
{
    std::shared_ptr<const Snapshot> snapshot = read();
    QVector<Group *> groups;
    for (const auto &group : snapshot->groups)
        groups.append(group.get());
    return OdRxObjectImpl<GroupIterator>::createObject(snapshot, groups);
}

CFxMenuGroupIteratorPtr MenuCatalogue::NewMenuGroupIterator() const
{
    std::shared_ptr<const Snapshot> snapshot = read();
    const QVector<MenuBarGroup *> groups{snapshot->menuBar.get()};
    return OdRxObjectImpl<MenuGroupIterator>::createObject(snapshot, groups);
}

QString MenuCatalogue::missingCaption(const QString &objectName) const
{
    read();
    return m_remembered->captionOfMissing(objectName);
}

QAction *MenuCatalogue::action(const QString &objectName) const
{
    if (objectName.isEmpty())
        return nullptr;
    return read()->actionNamed.value(objectName);
}

} // namespace qgishost
