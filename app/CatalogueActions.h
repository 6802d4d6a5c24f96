// Strokewheel - mouse gestures for CAD drawing views.
// The host's menus and toolbar, built from its command catalogue: one action per command,
// running the command's macro through the command processor.
#pragma once

#include <QObject>
#include <QPair>
#include <QPointer>
#include <QVector>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;

namespace standin {
class Menu;
class UICommand;
}

class CatalogueActions : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMenuIconSize = 16;
    static constexpr int kToolBarIconSize = 24;

    explicit CatalogueActions(QObject *parent = nullptr);

    // Adds the catalogue's menus to bar: the items of every menu group's root menu, in
    // order; top-level menus of the same caption in several groups become one.
    void buildMenus(QMenuBar *bar);
    // Adds the catalogue commands with these ids to bar, skipping the ones it lacks.
    void fillToolBar(QToolBar *bar, const QStringList &commandIds);
    // The top-level menu captioned caption ("&" ignored), made at the end of bar if new.
    QMenu *topLevelMenu(QMenuBar *bar, const QString &caption);
    // Icons follow the colour scheme.
    void refreshIcons();

    // Hands a menu macro to the host's command processor.
    static void runMacro(const QString &macro);

private:
    // An action running command, captioned caption (the command's own when empty).
    QAction *makeAction(standin::UICommand *command, const QString &caption, QObject *owner);
    void addItems(QMenu *menu, const standin::Menu *source);

    QVector<QPair<standin::UICommand *, QPointer<QAction>>> m_actions;
};
