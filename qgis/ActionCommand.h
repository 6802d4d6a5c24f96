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
    // An action that is gone for now, known by its object name and its caption.
    ActionCommand(const QString &objectName, const QString &id, const QString &caption);

    CFxString GetMacro() const override;
    CFxString GetId() const override;
    // The action's text without accelerators, as its menu shows it.
    CFxString GetCaption() const override;
    CFxString GetHelpText() const override;
    QIcon GetIcon(int size) const override;
    bool IsExcluded() const override;

    QString objectName() const { return m_objectName; }

    static QString macroFor(const QString &objectName);
    static QString withoutAccelerators(QString text);

private:
    QPointer<QAction> m_action;
    QString m_objectName;
    QString m_id;
    QString m_macro;
    QString m_caption;
};

} // namespace qgishost
