// Strokewheel - mouse gestures for CAD drawing views.
// The host's menus and toolbar, built from its command catalogue.
#include "app/CatalogueActions.h"

#include "standin/Catalogue.h"
#include "standin/Menu.h"
#include "standin/MenuGroup.h"
#include "standin/MenuItem.h"
#include "standin/StandIn.h"
#include "standin/UICommand.h"

#include "host/CFxSystemServices.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {
QString withoutMnemonic(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

bool isSeparator(const standin::MenuItem *item)
{
    const QString caption = item->caption().trimmed();
    return !item->command() && !item->subMenu() &&
           (caption.isEmpty() || caption == QLatin1String("-") || caption == QLatin1String("--"));
}
}

CatalogueActions::CatalogueActions(QObject *parent) : QObject(parent)
{
}

void CatalogueActions::runMacro(const QString &macro)
{
    CFxSystemServices *services = GetFxSystemServices();
    if (!services)
        return;
    CFxSystemServices::CFxExpressionParserData data;
    data.m_bMenuMacro = true;
    services->ExecuteCommand(CFxString(macro), data);
}

QAction *CatalogueActions::makeAction(standin::UICommand *command, const QString &caption, QObject *owner)
{
    auto *action = new QAction(caption.isEmpty() ? command->caption() : caption, owner);
    action->setObjectName(command->id());
    action->setStatusTip(command->helpText());
    action->setToolTip(QStringLiteral("%1\n%2").arg(withoutMnemonic(action->text()), command->helpText()).trimmed());
    if (command->hasIcon())
        action->setIcon(command->GetIcon(kToolBarIconSize));
    const QString macro = command->macro();
    connect(action, &QAction::triggered, this, [macro] { runMacro(macro); });
    m_actions.append({command, action});
    return action;
}

void CatalogueActions::addItems(QMenu *menu, const standin::Menu *source)
{
    for (int i = 0; i < source->itemCount(); ++i) {
        const standin::MenuItem *item = source->item(i);
        if (!item)
            continue;
        if (item->subMenu()) {
            addItems(menu->addMenu(item->caption()), item->subMenu());
        } else if (item->command()) {
            menu->addAction(makeAction(item->command(), item->caption(), menu));
        } else if (isSeparator(item)) {
            menu->addSeparator();
        }
    }
}

QMenu *CatalogueActions::topLevelMenu(QMenuBar *bar, const QString &caption)
{
    const QString plain = withoutMnemonic(caption);
    const QList<QAction *> actions = bar->actions();
    for (QAction *action : actions) {
        if (action->menu() && withoutMnemonic(action->text()) == plain)
            return action->menu();
    }
    return bar->addMenu(caption);
}

void CatalogueActions::buildMenus(QMenuBar *bar)
{
    const QVector<standin::MenuGroup *> groups = standin::catalogue()->menuGroups();
    for (const standin::MenuGroup *group : groups) {
        if (!group || !group->rootMenu())
            continue;
        const standin::Menu *root = group->rootMenu();
        for (int i = 0; i < root->itemCount(); ++i) {
            const standin::MenuItem *item = root->item(i);
            if (!item)
                continue;
            QMenu *menu = topLevelMenu(bar, item->caption());
            if (item->subMenu()) {
                if (!menu->isEmpty())
                    menu->addSeparator();
                addItems(menu, item->subMenu());
            } else if (item->command()) {
                menu->addAction(makeAction(item->command(), item->caption(), menu));
            }
        }
    }
}

void CatalogueActions::fillToolBar(QToolBar *bar, const QStringList &commandIds)
{
    for (const QString &id : commandIds) {
        if (id.isEmpty()) {
            bar->addSeparator();
        } else if (standin::UICommand *command = standin::catalogue()->command(id)) {
            bar->addAction(makeAction(command, QString(), bar));
        }
    }
}

void CatalogueActions::refreshIcons()
{
    for (const auto &entry : qAsConst(m_actions)) {
        if (entry.first->hasIcon() && entry.second)
            entry.second->setIcon(entry.first->GetIcon(kToolBarIconSize));
    }
}
