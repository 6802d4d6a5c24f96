// Strokewheel - mouse gestures for CAD drawing views.
// The map canvas's mouse input, fed to the trackers before QGIS sees it. The right button
// is the gesture button. A gesture is QGIS's no more, press to release. A right click that
// does not become one must reach QGIS as without the plugin, yet QGIS opens its context
// menu on the press (and its digitising tools finish a feature on the click), so the press
// is held back until the button is let go: then the click is handed to Qt once more, as
// the window system's input, and every map tool and menu sees it as it would natively.
#pragma once

#include "sdk/InputPointManagerBase.h"

#include <QObject>

#include <functional>
#include <memory>

class QMouseEvent;
class QgsMapCanvas;

namespace qgishost {

class CanvasInput : public QObject, public fxsdk::InputPointManagerBase
{
    Q_OBJECT

public:
    // gesturesEnabled: whether the user has gestures on; off, nothing is held back.
    CanvasInput(QgsMapCanvas *canvas, CFxView *view, std::function<bool()> gesturesEnabled = {});
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
    void replay(const QMouseEvent &press, const QMouseEvent &release);

    QgsMapCanvas *m_canvas;
    CFxView *m_view;
    std::function<bool()> m_gesturesEnabled;
    Qt::MouseButtons m_buttons;
    // The right press QGIS has not seen, from the press to its release.
    std::unique_ptr<QMouseEvent> m_heldPress;
};

} // namespace qgishost
