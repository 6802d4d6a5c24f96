// Strokewheel - mouse gestures for CAD drawing views.
// The map canvas's mouse input, fed to the trackers before QGIS sees it. The right button
// is the gesture button. QGIS must get a right click that does not become a gesture
// exactly as without the plugin, and its digitising tools finish a feature on it, so the
// press (and the context-menu request X11 sends with it) is held back until the click
// ends: then replayed, or dropped when the drag became a gesture.
#pragma once

#include "sdk/InputPointManagerBase.h"

#include <QObject>

#include <memory>

class QContextMenuEvent;
class QMouseEvent;
class QgsMapCanvas;

namespace qgishost {

class CanvasInput : public QObject, public fxsdk::InputPointManagerBase
{
    Q_OBJECT

public:
    CanvasInput(QgsMapCanvas *canvas, CFxView *view);
    ~CanvasInput() override;

    // A map tool digitising a feature: its right click finishes it.
    bool IsCommandInProgress() const override;
    bool IsInModalState() const override;
    bool IsGripEditing() const override;
    bool IsWindowSelecting() const override;
    bool IsPanning() const override;
    bool IsTransparentCommandActive() const override;
    // A left-button drag on the canvas (a zoom box, a selection rectangle).
    bool IsDragging() const override;
    CFxView *GetView() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pressed(const QMouseEvent &event);
    bool moved(const QMouseEvent &event);
    bool released(const QMouseEvent &event);
    bool blocked() const;
    void replayHeldBack();
    void dropHeldBack();

    QgsMapCanvas *m_canvas;
    CFxView *m_view;
    Qt::MouseButtons m_buttons;
    std::unique_ptr<QMouseEvent> m_heldPress;
    std::unique_ptr<QContextMenuEvent> m_heldContextMenu;
    bool m_replaying = false;
};

} // namespace qgishost
