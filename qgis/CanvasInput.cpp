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
#include <QStyleHints>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace qgishost {

CanvasInput::CanvasInput(QgsMapCanvas *canvas, CFxView *view, std::function<bool()> gesturesEnabled)
    : fxsdk::InputPointManagerBase(QStringLiteral("QGIS")),
      m_canvas(canvas),
      m_view(view),
      m_gesturesEnabled(std::move(gesturesEnabled))
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

bool CanvasInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_canvas->viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const auto &mouse = *static_cast<QMouseEvent *>(event);
        // A click handed back to Qt below: QGIS's, as it stands.
        if (mouse.source() == Qt::MouseEventSynthesizedByApplication)
            return false;
        if (event->type() == QEvent::MouseMove)
            return moved(mouse);
        return event->type() == QEvent::MouseButtonRelease ? released(mouse) : pressed(mouse);
    }
    case QEvent::ContextMenu:
        // The request Qt sends with a right press: it comes again with the click's replay.
        return m_heldPress && static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Mouse;
    default:
        return false;
    }
}

bool CanvasInput::pressed(const QMouseEvent &event)
{
    // The blocking states as they were before this press.
    const bool mayHoldBack = !inBlockingState() && (!m_gesturesEnabled || m_gesturesEnabled());
    m_buttons = event.buttons();
    const bool gestureButton = event.button() == Qt::RightButton && event.type() == QEvent::MouseButtonPress;
    if (gestureButton)
        gestureButtonPressed();
    deliver(event.type() == QEvent::MouseButtonDblClick ? CFxTracker::kMouseDoubleClick : CFxTracker::kMousePress,
            event.pos(), gestureButton);
    if (!gestureButton || !mayHoldBack || trackers().isEmpty())
        return false;
    m_heldPress = std::make_unique<QMouseEvent>(event.type(), event.localPos(), event.windowPos(), event.screenPos(),
                                                event.button(), event.buttons(), event.modifiers(), event.source());
    m_heldPress->setTimestamp(event.timestamp());
    return true;
}

bool CanvasInput::moved(const QMouseEvent &event)
{
    m_buttons = event.buttons();
    deliver(CFxTracker::kMouseMove, event.pos(), false);
    // The ring took the release (a gesture given up): QGIS saw nothing of it.
    if (m_heldPress && !event.buttons().testFlag(Qt::RightButton))
        m_heldPress.reset();
    return m_heldPress != nullptr;
}

bool CanvasInput::released(const QMouseEvent &event)
{
    m_buttons = event.buttons();
    if (event.button() == Qt::RightButton)
        gestureButtonReleased();
    deliver(CFxTracker::kMouseRelease, event.pos(), false);
    if (event.button() != Qt::RightButton || !m_heldPress)
        return false;
    const std::unique_ptr<QMouseEvent> press = std::move(m_heldPress);
    if (!gestureClaimed())
        replay(*press, event);
    return true;
}

void CanvasInput::replay(const QMouseEvent &press, const QMouseEvent &release)
{
    // Queued as input from the window system, behind this release: Qt sends the press, the
    // context-menu request with it and the release from its own event loop, each where it
    // would go natively (the release to a menu the press opened).
    QWidget *viewport = m_canvas->viewport();
    QWindow *window = viewport->window()->windowHandle();
    if (!window)
        return;
    // A press this soon after the real one would count as its double click.
    const auto interval = static_cast<ulong>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const ulong time = qMax(release.timestamp(), press.timestamp() + interval);
    for (const QMouseEvent *event : {&press, &release}) {
        const QPoint at = event->pos();
        QWindowSystemInterface::handleMouseEvent(window, time, viewport->mapTo(viewport->window(), at),
                                                 viewport->mapToGlobal(at), event->buttons(), event->button(),
                                                 event->type(), event->modifiers(),
                                                 Qt::MouseEventSynthesizedByApplication);
    }
}

} // namespace qgishost
