// Strokewheel - mouse gestures for CAD drawing views.
// Turns a drag in a drawing view into a gesture and runs the picked command.
#pragma once

#include "host/CFxString.h"
#include "host/CFxTracker.h"

#include <QObject>
#include <QPoint>

class K2MouseGestureTracker : public QObject, public CFxTracker
{
    Q_OBJECT

public:
    K2MouseGestureTracker();
    ~K2MouseGestureTracker() override;

    void OnInputEvent(int code, CFxInputPointManager *manager) override;
    void OnTrackerAttached(CFxInputPointManager *manager) override;
    void OnTrackerDetached(CFxInputPointManager *manager) override;
    bool HasPendingCommand() const override;
    bool ExecutePendingCommand() override;

    QPoint m_startPoint;
    bool m_tracking = false;
    bool m_executing = false;
    CFxString m_pendingCommand;
};
