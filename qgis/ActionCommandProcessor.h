// Strokewheel - mouse gestures for CAD drawing views.
// Runs a command text inside QGIS: "^C" cancels what the current map tool is doing, a
// command registered with the host (GESTURE) runs as such, and any other word names the
// QGIS action to trigger.
#pragma once

#include <QString>

namespace qgishost {

class QgisHost;

class ActionCommandProcessor
{
public:
    explicit ActionCommandProcessor(QgisHost &host);

    void execute(const QString &text);

private:
    void cancelMapTool();
    void trigger(const QString &objectName);

    QgisHost &m_host;
};

} // namespace qgishost
