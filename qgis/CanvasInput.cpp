// Strokewheel - mouse gestures for CAD drawing views.
// The map canvas's mouse input, fed to the trackers before QGIS sees it.
#include "qgis/CanvasInput.h"

#include "host/CFxTracker.h"

#include <qgsmapcanvas.h>
#include <qgsmaptoolcapture.h>
#include <qgsmaptoolpan.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>

namespace qgishost {

CanvasInput::CanvasInput(QgsMapCanvas *canvas, CFxView *view)
    : fxsdk::InputPointManagerBase(QStringLiteral("QGIS")), m_canvas(canvas), m_view(view)
{
    m_canvas->viewport()->installEventFilter(this);
}

CanvasInput::~CanvasInput() = default;

bool CanvasInput::IsCommandInProgress() const
{
    const auto *capture = qobject_cast<const QgsMapToolCapture *>(m_canvas->mapTool());
    return capture && !capture->captureCurve()->isEmpty();
}

bool CanvasInput::IsInModalState() const
{
    return QApplication::activeModalWidget() != nullptr;
}

bool CanvasInput::IsGripEditing() const
{
    return false;
}

bool CanvasInput::IsWindowSelecting() const
{
    return false;
}

bool CanvasInput::IsPanning() const
{
    // The canvas pans itself while the middle button is held, the pan tool with the left.
    const auto *pan = qobject_cast<const QgsMapToolPan *>(m_canvas->mapTool());
    return m_buttons.testFlag(Qt::MiddleButton) || (pan && pan->isDragging());
}

bool CanvasInput::IsTransparentCommandActive() const
{
    return false;
}

bool CanvasInput::IsDragging() const
{
    return m_buttons.testFlag(Qt::LeftButton);
}

CFxView *CanvasInput::GetView() const
{
    return m_view;
}

bool CanvasInput::blocked() const
{
    return IsCommandInProgress() || IsInModalState() || IsPanning() || IsDragging();
}

bool CanvasInput::eventFilter(QObject *watched, QEvent *event)
{
    if (m_replaying || watched != m_canvas->viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return pressed(*static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        return moved(*static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        return released(*static_cast<QMouseEvent *>(event));
    case QEvent::ContextMenu: {
        const auto *request = static_cast<QContextMenuEvent *>(event);
        if (!m_heldPress || request->reason() != QContextMenuEvent::Mouse)
            return false;
        m_heldContextMenu = std::make_unique<QContextMenuEvent>(request->reason(), request->pos(), request->globalPos(),
                                                                request->modifiers());
        return true;
    }
    default:
        return false;
    }
}

bool CanvasInput::pressed(const QMouseEvent &event)
{
    // The blocking states as they were before this press.
    const bool mayHoldBack = !blocked();
    m_buttons = event.buttons();
    const bool gestureButton = event.button() == Qt::RightButton && event.type() == QEvent::MouseButtonPress;
    if (gestureButton)
        gestureButtonPressed();
    deliver(event.type() == QEvent::MouseButtonDblClick ? CFxTracker::kMouseDoubleClick : CFxTracker::kMousePress,
            event.pos(), gestureButton);
    if (!gestureButton || !mayHoldBack || trackers().isEmpty())
        return false;
    dropHeldBack();
    m_heldPress = std::make_unique<QMouseEvent>(event.type(), event.localPos(), event.windowPos(), event.screenPos(),
                                                event.button(), event.buttons(), event.modifiers(), event.source());
    m_heldPress->setTimestamp(event.timestamp());
    return true;
}

bool CanvasInput::moved(const QMouseEvent &event)
{
    m_buttons = event.buttons();
    deliver(CFxTracker::kMouseMove, event.pos(), false);
    if (gestureClaimed())
        dropHeldBack();
    // QGIS saw no press, so it sees none of the drag either.
    return m_heldPress || (IsGestureButtonDown() && gestureClaimed());
}

bool CanvasInput::released(const QMouseEvent &event)
{
    m_buttons = event.buttons();
    const bool endsRightClick = event.button() == Qt::RightButton && IsGestureButtonDown();
    if (event.button() == Qt::RightButton)
        gestureButtonReleased();
    deliver(CFxTracker::kMouseRelease, event.pos(), false);
    if (!endsRightClick)
        return false;
    if (gestureClaimed()) {
        dropHeldBack();
        return true;
    }
    // No gesture: QGIS gets the click as it came, this release last.
    replayHeldBack();
    return false;
}

void CanvasInput::replayHeldBack()
{
    if (!m_heldPress)
        return;
    const std::unique_ptr<QMouseEvent> press = std::move(m_heldPress);
    const std::unique_ptr<QContextMenuEvent> contextMenu = std::move(m_heldContextMenu);
    m_replaying = true;
    QCoreApplication::sendEvent(m_canvas->viewport(), press.get());
    if (contextMenu)
        QCoreApplication::sendEvent(m_canvas->viewport(), contextMenu.get());
    m_replaying = false;
}

void CanvasInput::dropHeldBack()
{
    m_heldPress.reset();
    m_heldContextMenu.reset();
}

} // namespace qgishost
