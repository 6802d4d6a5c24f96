// Strokewheel - mouse gestures for CAD drawing views.
// A QGIS action as a host command: it runs by the macro "^C^C" + its object name.
#pragma once

#include "host/CFxUICustomization.h"

#include <QPointer>

class QAction;

namespace qgishost {

class ActionCommand : public CFxUICommand
{
public:
    // id: the action's object name, or the factory id standing for it.
    ActionCommand(QAction *action, const QString &id);

    CFxString GetMacro() const override;
    CFxString GetId() const override;
    // The action's text without accelerators, as its menu shows it.
    CFxString GetCaption() const override;
    CFxString GetHelpText() const override;
    QIcon GetIcon(int size) const override;
    bool IsExcluded() const override;

    static QString macroFor(const QString &objectName);
    static QString withoutAccelerators(QString text);

private:
    QPointer<QAction> m_action;
    QString m_id;
    QString m_macro;
};

} // namespace qgishost
