// Strokewheel - mouse gestures for CAD drawing views.
// Notifications of the stand-in host for its application window.
#pragma once

#include "standin/StandInExport.h"

#include <QObject>

namespace standin {

class STANDIN_API HostSignals : public QObject
{
    Q_OBJECT

signals:
    // A line for the command history (echoed commands, reports, errors).
    void historyLine(const QString &line);
    // A text handed to the command processor, exactly as given.
    void commandExecuted(const QString &text);
    void colorSchemeChanged(int scheme);
};

// The host's notifier; lives as long as the current host state.
STANDIN_API HostSignals *hostSignals();

} // namespace standin
