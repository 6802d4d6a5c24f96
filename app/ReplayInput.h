// Strokewheel - mouse gestures for CAD drawing views.
// Mouse and key input for replay steps. Mouse steps are window-system input: on X11 the X
// server's own events (xdotool), elsewhere events queued as a platform plugin queues them,
// so that Qt routes them (grabs, popups, mouse tracking) as it routes a hand's.
#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>

class QProcess;
class QWidget;
class QWindow;

class ReplayInput : public QObject
{
public:
    ReplayInput();

    enum class Action { Press, Move, Release };

    // The shown gesture overlay, or null.
    static QWidget *visibleOverlay();

    // One event at view's point: the pointer moves there (a move event only when it was
    // elsewhere), then the button goes down or up. False with error when it cannot be done.
    bool mouse(Action action, QWidget *view, const QPoint &point, Qt::MouseButton button, QString *error);
    // Press and release of key (a key code with modifiers) on the keyboard grabber, else an
    // open menu, else the focus widget, else fallback.
    static void key(int keyWithModifiers, QWidget *fallback);
    // True while the X server's event for the last mouse step has not reached the
    // application: a hand's next move comes after the last one was seen, and X merges
    // moves that queue up unread.
    bool awaitingEvent() const;
    // Quick: mouse steps do not wait for the application; on X11 they reach the server as
    // one burst at flush(), as fast as a hand's.
    void setQuick(bool quick) { m_quick = quick; }
    bool isQuick() const { return m_quick; }
    // A pause inside the burst; false where the burst cannot hold one.
    bool pause(int ms);
    // Starts sending the burst; awaitingEvent() holds until it is sent.
    bool flush(QString *error);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool xMouse(Action action, const QPoint &global, Qt::MouseButton button, QString *error);
    static bool xdotool(const QStringList &arguments, QString *error);
    void queuedMouse(Action action, QWidget *view, const QPoint &global, Qt::MouseButton button);

    // The window that had the press keeps the pointer until the last button is up, as an
    // X server's implicit grab does.
    QPointer<QWindow> m_pressWindow;
    QEvent::Type m_awaitedType = QEvent::None;
    QPoint m_awaitedGlobal;
    QElapsedTimer m_awaitingSince;
    bool m_quick = false;
    QStringList m_burst;
    // Sends the burst while the application takes the events in.
    QProcess *m_burstSender = nullptr;
};
