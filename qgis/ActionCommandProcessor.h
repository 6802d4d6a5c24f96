// Strokewheel - mouse gestures for CAD drawing views.
// Runs a command text inside QGIS: "^C" cancels what the current map tool is doing, a
// command registered with the host (GESTURE) runs as such, and any other word names the
// QGIS action to trigger.
#pragma once

#include <QString>

#include <functional>

class CFxDocument;
class QgsMapCanvas;

namespace fxsdk {
class CommandStack;
}

namespace qgishost {

class MenuCatalogue;

class ActionCommandProcessor
{
public:
    // report shows what the user must know (an action that cannot run) in QGIS's message bar.
    ActionCommandProcessor(const MenuCatalogue &catalogue, fxsdk::CommandStack &commands, QgsMapCanvas *canvas,
                           CFxDocument *document, std::function<void(const QString &)> report);

    void execute(const QString &text);

private:
    void cancelMapTool();
    void trigger(const QString &objectName);

    const MenuCatalogue &m_catalogue;
    fxsdk::CommandStack &m_commands;
    QgsMapCanvas *m_canvas;
    CFxDocument *m_document;
    std::function<void(const QString &)> m_report;
};

} // namespace qgishost
