// Strokewheel - mouse gestures for CAD drawing views.
// Helpers for the gesture tests: a user's mouse over a drawing view, and the ring it shows.
#pragma once

#include "standin/SettingsStore.h"
#include "standin/StandIn.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QStringList>
#include <QWidget>


namespace gesturetest {

// The mouse of a user working in one drawing view: it moves the real cursor and the event
// goes to whatever holds the mouse (the overlay while it grabs), else to the view.
// Positions are in the view's coordinates.
class ViewMouse : public QObject
{
public:
    explicit ViewMouse(QWidget *view) : m_view(view) { qApp->installEventFilter(this); }

    void setView(QWidget *view) { m_view = view; }
    QPoint position() const { return m_position; }

    void press(const QPoint &at, Qt::MouseButton button = Qt::RightButton)
    {
        m_buttons |= button;
        send(QEvent::MouseButtonPress, at, button);
    }
    void moveTo(const QPoint &at) { send(QEvent::MouseMove, at, Qt::NoButton); }
    void release(Qt::MouseButton button = Qt::RightButton)
    {
        m_buttons &= ~button;
        send(QEvent::MouseButtonRelease, m_position, button);
    }

protected:
    // The offscreen platform answers every QCursor::setPos with a move of its own, one that
    // knows no buttons; the event this mouse sends is that move.
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MouseMove || !event->spontaneous())
            return false;
        return static_cast<QMouseEvent *>(event)->source() == Qt::MouseEventSynthesizedByQt;
    }

private:
    void send(QEvent::Type type, const QPoint &at, Qt::MouseButton button)
    {
        m_position = at;
        const QPoint global = m_view->mapToGlobal(at);
        QCursor::setPos(global);
        QWidget *receiver = QWidget::mouseGrabber() ? QWidget::mouseGrabber() : m_view.data();
        QMouseEvent event(type, receiver->mapFromGlobal(global), global, button, m_buttons, Qt::NoModifier);
        QApplication::sendEvent(receiver, &event);
    }

    QPointer<QWidget> m_view;
    QPoint m_position;
    Qt::MouseButtons m_buttons;
};

using testsupport::section;

// The gesture overlays alive, found by class name: the module file's class is not ours.
inline QList<QWidget *> overlays()
{
    QList<QWidget *> result;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (widget->inherits("K2DonutDialogTLStyleImpl"))
            result.append(widget);
    }
    return result;
}

inline QRect ringGeometryAround(QWidget *view, const QPoint &press)
{
    return QRect(view->mapToGlobal(press - QPoint(125, 125)), QSize(250, 250));
}

} // namespace gesturetest
