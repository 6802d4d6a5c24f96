// Strokewheel - mouse gestures for CAD drawing views.
// A document's input-point manager.
#include "standin/InputPointManager.h"

#include "standin/DrawingView.h"

#include "host/CFxTracker.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace standin {

InputPointManager::InputPointManager(DrawingView *view, const QString &ownerTitle)
    : fxsdk::InputPointManagerBase(ownerTitle), m_view(view)
{
    m_view->installEventFilter(this);
}

InputPointManager::~InputPointManager() = default;

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

CFxView *InputPointManager::GetView() const
{
    return m_viewPresent ? m_view : nullptr;
}

void InputPointManager::setBlockingState(BlockingState state, bool on)
{
    m_blocking[int(state)] = on;
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
        deliver(CFxTracker::kMouseMove, static_cast<QMouseEvent *>(event)->pos(), false);
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
    if (gestureButton)
        gestureButtonPressed();
    deliver(event.type() == QEvent::MouseButtonDblClick ? CFxTracker::kMouseDoubleClick : CFxTracker::kMousePress,
            event.pos(), gestureButton);
}

void InputPointManager::released(const QMouseEvent &event)
{
    const bool endsRightClick = event.button() == Qt::RightButton && IsGestureButtonDown();
    if (event.button() == Qt::RightButton)
        gestureButtonReleased();
    deliver(CFxTracker::kMouseRelease, event.pos(), false);
    if (endsRightClick && !gestureClaimed())
        m_view->openContextMenu(event.globalPos());
}

} // namespace standin
