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
    return m_blocking[int(BlockingState::CommandInProgress)];
}

bool InputPointManager::IsInModalState() const
{
    return m_blocking[int(BlockingState::ModalState)];
}

bool InputPointManager::IsGripEditing() const
{
    return m_blocking[int(BlockingState::GripEditing)];
}

bool InputPointManager::IsWindowSelecting() const
{
    return m_blocking[int(BlockingState::WindowSelecting)];
}

bool InputPointManager::IsPanning() const
{
    // The view pans itself while its middle button is held.
    return m_blocking[int(BlockingState::Panning)] || m_view->isPanning();
}

bool InputPointManager::IsTransparentCommandActive() const
{
    return m_blocking[int(BlockingState::TransparentCommand)];
}

bool InputPointManager::IsDragging() const
{
    return m_blocking[int(BlockingState::Dragging)];
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
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressed(*static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseMove:
        deliver(CFxTracker::kMouseMove, *static_cast<QMouseEvent *>(event), false);
        break;
    case QEvent::MouseButtonRelease:
        released(*static_cast<QMouseEvent *>(event));
        break;
    case QEvent::ContextMenu:
        // Platforms that open the menu on the press would beat the gesture to it; the
        // release decides (see released()).
        return static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Mouse;
    default:
        break;
    }
    return false;
}

void InputPointManager::pressed(const QMouseEvent &event)
{
    const bool gestureButton = event.button() == Qt::RightButton;
    if (gestureButton) {
        m_gestureButtonDown = true;
        m_claimed = false;
    }
    deliver(event.type() == QEvent::MouseButtonDblClick ? CFxTracker::kMouseDoubleClick : CFxTracker::kMousePress,
            event, gestureButton);
}

void InputPointManager::released(const QMouseEvent &event)
{
    const bool endsRightClick = event.button() == Qt::RightButton && m_gestureButtonDown;
    if (event.button() == Qt::RightButton)
        m_gestureButtonDown = false;
    deliver(CFxTracker::kMouseRelease, event, false);
    if (endsRightClick && !m_claimed)
        m_view->openContextMenu(event.globalPos());
}

void InputPointManager::deliver(int code, const QMouseEvent &event, bool gesturePress)
{
    m_devicePoint = event.pos();
    m_gesturePress = gesturePress;
    m_trackingMove = code == CFxTracker::kMouseMove;
    const QList<CFxTracker *> trackers = m_trackers;
    // A tracker may detach another one (a command closing a document, say).
    for (CFxTracker *tracker : trackers) {
        if (m_trackers.contains(tracker))
            tracker->OnInputEvent(code, this);
    }
    m_gesturePress = false;
    m_trackingMove = false;
    for (CFxTracker *tracker : trackers) {
        if (m_trackers.contains(tracker) && tracker->HasPendingCommand())
            tracker->ExecutePendingCommand();
    }
}

} // namespace standin
