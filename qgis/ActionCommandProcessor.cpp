// Strokewheel - mouse gestures for CAD drawing views.
// Runs a command text inside QGIS.
#include "qgis/ActionCommandProcessor.h"

#include "qgis/ActionCommand.h"
#include "qgis/MenuCatalogue.h"

#include "sdk/CommandLine.h"
#include "sdk/CommandStack.h"

#include <qgsmapcanvas.h>
#include <qgsmaptool.h>

#include <QAction>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace qgishost {

ActionCommandProcessor::ActionCommandProcessor(const MenuCatalogue &catalogue, fxsdk::CommandStack &commands,
                                               QgsMapCanvas *canvas, CFxDocument *document,
                                               std::function<void(const QString &)> report)
    : m_catalogue(catalogue), m_commands(commands), m_canvas(canvas), m_document(document), m_report(std::move(report))
{
}

void ActionCommandProcessor::execute(const QString &text)
{
    const fxsdk::CommandLine line = fxsdk::CommandLine::parse(text);
    if (line.cancels > 0)
        cancelMapTool();
    if (line.word.isEmpty())
        return;
    QString failure;
    if (m_commands.run(line.name, m_document, &failure)) {
        if (!failure.isEmpty())
            m_report(QCoreApplication::translate("qgishost", "%1 failed: %2").arg(line.name, failure));
        return;
    }
    trigger(line.word);
}

void ActionCommandProcessor::cancelMapTool()
{
    // What Escape does: the tool drops the feature it is digitising, and stays.
    if (QgsMapTool *tool = m_canvas->mapTool())
        tool->clean();
}

void ActionCommandProcessor::trigger(const QString &objectName)
{
    QAction *action = m_catalogue.action(objectName);
    if (!action) {
        // Its plugin is off for now: the region keeps it, the user learns why nothing runs.
        const QString missing = m_catalogue.missingCaption(objectName);
        m_report(missing.isEmpty() ? QCoreApplication::translate("qgishost", "Unknown command \"%1\".").arg(objectName)
                                   : QCoreApplication::translate("qgishost", "%1 is not available now.").arg(missing));
        return;
    }
    if (!action->isEnabled()) {
        m_report(QCoreApplication::translate("qgishost", "%1 is not available now.")
                     .arg(ActionCommand::withoutAccelerators(action->text())));
        return;
    }
    // After the input event that chose it has been delivered: an action may open a modal
    // dialog, which must not run inside the canvas's mouse handling.
    QTimer::singleShot(0, action, [action = QPointer<QAction>(action)] {
        if (action && action->isEnabled())
            action->trigger();
    });
}

} // namespace qgishost
