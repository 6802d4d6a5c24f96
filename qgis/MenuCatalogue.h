// Strokewheel - mouse gestures for CAD drawing views.
// QGIS's menu bar as the host's command catalogue. Each top-level menu is a command group
// listing the named actions under it; the menu bar is the one menu group, for the
// categories. Read afresh on every walk: QGIS and its plugins change their menus at will.
#pragma once

#include "host/CFxUICustomization.h"

#include <QPointer>
#include <QString>

#include <memory>

class CFxProfile;
class QAction;
class QMainWindow;

namespace qgishost {

class RememberedActions;

class MenuCatalogue : public CFxUICustomization
{
public:
    // profile: the module's assignments, and where the actions on regions are remembered
    // while their menus are gone; may be null.
    explicit MenuCatalogue(QWidget *mainWindow, CFxProfile *profile = nullptr);
    ~MenuCatalogue() override;

    CFxCommandGroupIteratorPtr NewCommandGroupIterator() const override;
    CFxMenuGroupIteratorPtr NewMenuGroupIterator() const override;

    // The menu action a macro's command word names, or null.
    QAction *action(const QString &objectName) const;
    // The id under which the module knows the action: its object name, or for the QGIS
    // counterparts of the module's factory commands the factory id.
    static QString idFor(const QString &objectName);
    // The caption of an action on a region that is gone from the menus for now; else empty.
    QString missingCaption(const QString &objectName) const;

    // Walks the menus once ahead of the first gesture, which would otherwise wait for every
    // rich tooltip to be converted to text. Writes nothing.
    void prepare() const;

    struct Snapshot;

private:
    std::shared_ptr<Snapshot> readMenus() const;
    std::shared_ptr<const Snapshot> read() const;

    QPointer<QMainWindow> m_mainWindow;
    std::unique_ptr<RememberedActions> m_remembered;
};

} // namespace qgishost
