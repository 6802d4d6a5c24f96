// Strokewheel - mouse gestures for CAD drawing views.
// What every host's input-point manager does alike.
#include "sdk/InputPointManagerBase.h"

#include "sdk/Contain.h"

#include "host/CFxTracker.h"

namespace fxsdk {

InputPointManagerBase::InputPointManagerBase(const QString &ownerTitle) : m_ownerTitle(ownerTitle) {}

InputPointManagerBase::~InputPointManagerBase() = default;

void InputPointManagerBase::AddTracker(CFxTracker *tracker, bool)
{
    record(QStringLiteral("AddTracker ") + m_ownerTitle);
    if (tracker && !m_trackers.contains(tracker)) {
        m_trackers.append(tracker);
        tracker->OnTrackerAttached(this);
    }
}

void InputPointManagerBase::RemoveTracker(CFxTracker *tracker)
{
    record(QStringLiteral("RemoveTracker ") + m_ownerTitle);
    if (m_trackers.removeAll(tracker) > 0)
        tracker->OnTrackerDetached(this);
}

bool InputPointManagerBase::IsGesturePress() const
{
    return m_gesturePress;
}

QPoint InputPointManagerBase::GetDevicePoint() const
{
    return m_devicePoint;
}

bool InputPointManagerBase::IsTrackingMove() const
{
    return m_trackingMove;
}

bool InputPointManagerBase::IsGestureButtonDown() const
{
    return m_gestureButtonDown;
}

void InputPointManagerBase::ClaimGesture()
{
    m_claimed = true;
}

void InputPointManagerBase::ReleaseGestureButton()
{
    m_gestureButtonDown = false;
}

QList<CFxTracker *> InputPointManagerBase::trackers() const
{
    return m_trackers;
}

bool InputPointManagerBase::inBlockingState() const
{
    return IsCommandInProgress() || IsInModalState() || IsGripEditing() || IsWindowSelecting() || IsPanning()
        || IsTransparentCommandActive() || IsDragging();
}

void InputPointManagerBase::gestureButtonPressed()
{
    m_gestureButtonDown = true;
    m_claimed = false;
}

void InputPointManagerBase::gestureButtonReleased()
{
    m_gestureButtonDown = false;
}

bool InputPointManagerBase::gestureClaimed() const
{
    return m_claimed;
}

void InputPointManagerBase::deliver(int code, const QPoint &devicePoint, bool gesturePress)
{
    m_devicePoint = devicePoint;
    m_gesturePress = gesturePress;
    m_trackingMove = code == CFxTracker::kMouseMove;
    const QList<CFxTracker *> trackers = m_trackers;
    // A tracker may detach another one (a command closing a document, say).
    for (CFxTracker *tracker : trackers) {
        if (m_trackers.contains(tracker))
            containAndReport("A tracker's input event", [&] { tracker->OnInputEvent(code, this); });
    }
    m_gesturePress = false;
    m_trackingMove = false;
    for (CFxTracker *tracker : trackers) {
        if (m_trackers.contains(tracker))
            containAndReport("A tracker's command", [&] {
                if (tracker->HasPendingCommand())
                    tracker->ExecutePendingCommand();
            });
    }
}

} // namespace fxsdk
