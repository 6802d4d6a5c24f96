// Strokewheel - mouse gestures for CAD drawing views.
// A document's input-point manager.
#include "standin/InputPointManager.h"

#include "standin/DrawingView.h"
#include "standin/HostState.h"

#include "host/CFxTracker.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace standin {

InputPointManager::InputPointManager(DrawingView *view, const QString &ownerTitle)
    : m_view(view), m_ownerTitle(ownerTitle)
{
    m_view->installEventFilter(this);
}

InputPointManager::~InputPointManager() = default;

void InputPointManager::AddTracker(CFxTracker *tracker, bool)
{
    HostState::get().log(QStringLiteral("AddTracker ") + m_ownerTitle);
    if (tracker && !m_trackers.contains(tracker)) {
        m_trackers.append(tracker);
        tracker->OnTrackerAttached(this);
    }
}

void InputPointManager::RemoveTracker(CFxTracker *tracker)
{
    HostState::get().log(QStringLiteral("RemoveTracker ") + m_ownerTitle);
    if (m_trackers.removeAll(tracker) > 0)
        tracker->OnTrackerDetached(this);
}

bool InputPointManager::IsCommandInProgress() const
{
    return blockingState(BlockingState::CommandInProgress);
}

bool InputPointManager::IsInModalState() const
{
    return blockingState(BlockingState::ModalState);
}

bool InputPointManager::IsGripEditing() const
{
    return blockingState(BlockingState::GripEditing);
}

bool InputPointManager::IsWindowSelecting() const
{
    return blockingState(BlockingState::WindowSelecting);
}

bool InputPointManager::IsPanning() const
{
    return blockingState(BlockingState::Panning);
}

bool InputPointManager::IsTransparentCommandActive() const
{
    return blockingState(BlockingState::TransparentCommand);
}

bool InputPointManager::IsDragging() const
{
    return blockingState(BlockingState::Dragging);
}

bool InputPointManager::IsGesturePress() const
{
    return m_gesturePress;
}

QPoint InputPointManager::GetDevicePoint() const
{
    return m_devicePoint;
}

bool InputPointManager::IsTrackingMove() const
{
    return m_trackingMove;
}

bool InputPointManager::IsGestureButtonDown() const
{
    return m_gestureButtonDown;
}

void InputPointManager::ClaimGesture()
{
    m_claimed = true;
}

void InputPointManager::ReleaseGestureButton()
{
    m_gestureButtonDown = false;
}

CFxView *InputPointManager::GetView() const
{
    return m_viewPresent ? m_view : nullptr;
}

QList<CFxTracker *> InputPointManager::trackers() const
{
    return m_trackers;
}

void InputPointManager::setBlockingState(BlockingState state, bool on)
{
    m_blocking[int(state)] = on;
}

bool InputPointManager::blockingState(BlockingState state) const
{
    return m_blocking[int(state)];
}

void InputPointManager::setViewPresent(bool present)
{
    m_viewPresent = present;
}

bool InputPointManager::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_view)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        m_devicePoint = mouse->pos();
        if (mouse->button() == Qt::RightButton) {
            m_gesturePress = true;
            m_gestureButtonDown = true;
            m_claimed = false;
        }
        deliver(CFxTracker::kMousePress);
        m_gesturePress = false;
        break;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        m_devicePoint = mouse->pos();
        m_trackingMove = true;
        deliver(CFxTracker::kMouseMove);
        m_trackingMove = false;
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        m_devicePoint = mouse->pos();
        if (mouse->button() == Qt::RightButton)
            m_gestureButtonDown = false;
        deliver(CFxTracker::kMouseRelease);
        break;
    }
    case QEvent::ContextMenu:
        // A press that became a gesture opens no context menu.
        if (m_claimed) {
            m_claimed = false;
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

void InputPointManager::deliver(int code)
{
    const QList<CFxTracker *> trackers = m_trackers;
    for (CFxTracker *tracker : trackers)
        tracker->OnInputEvent(code, this);
    for (CFxTracker *tracker : trackers) {
        if (m_trackers.contains(tracker) && tracker->HasPendingCommand())
            tracker->ExecutePendingCommand();
    }
}

} // namespace standin
