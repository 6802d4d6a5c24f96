// Strokewheel - mouse gestures for CAD drawing views.
// The mouse gesture tracker.
#include "tracker/K2MouseGestureTracker.h"

K2MouseGestureTracker::K2MouseGestureTracker() = default;
K2MouseGestureTracker::~K2MouseGestureTracker() = default;

void K2MouseGestureTracker::OnInputEvent(int, CFxInputPointManager *) {}

void K2MouseGestureTracker::OnTrackerAttached(CFxInputPointManager *) {}

void K2MouseGestureTracker::OnTrackerDetached(CFxInputPointManager *) {}

bool K2MouseGestureTracker::HasPendingCommand() const
{
    return !m_pendingCommand.isEmpty();
}

bool K2MouseGestureTracker::ExecutePendingCommand()
{
    return false;
}
