// Strokewheel - mouse gestures for CAD drawing views.
// Mouse and key input for replay steps: real Qt events to whatever holds the mouse or
// the keyboard, or window-system input through xdotool.
#pragma once

#include <QPoint>
#include <QString>

class QWidget;

class ReplayInput
{
public:
    enum class Action { Press, Move, Release };

    // The widget that receives mouse input now: the mouse grabber (the overlay while it is
    // shown), else view.
    static QWidget *mouseTarget(QWidget *view);
    // The shown gesture overlay, or null.
    static QWidget *visibleOverlay();

    // Moves the cursor to view's point and sends the event there (see mouseTarget).
    void mouse(Action action, QWidget *view, const QPoint &point, Qt::MouseButton button);
    // The same through the X server; false with error when that cannot be done.
    bool realMouse(Action action, QWidget *view, const QPoint &point, Qt::MouseButton button, QString *error);
    // Press and release of key (a key code with modifiers) on the keyboard grabber, else the
    // focus widget, else fallback.
    static void key(int keyWithModifiers, QWidget *fallback);

    Qt::MouseButtons buttons() const { return m_buttons; }

private:
    Qt::MouseButtons m_buttons = Qt::NoButton;
};
