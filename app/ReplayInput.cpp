// Strokewheel - mouse gestures for CAD drawing views.
// Mouse and key input for replay steps.
#include "app/ReplayInput.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace {
int xButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::MiddleButton: return 2;
    default: return 3;
    }
}
}

ReplayInput::ReplayInput()
{
    qApp->installEventFilter(this);
}

bool ReplayInput::awaitingEvent() const
{
    if (m_burstSender && m_burstSender->state() != QProcess::NotRunning)
        return true;
    // A lost event must not stop the script: what it missed, an expectation will show.
    constexpr qint64 kGiveUpMs = 2000;
    return m_awaitedType != QEvent::None && m_awaitingSince.elapsed() < kGiveUpMs;
}

bool ReplayInput::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == m_awaitedType && static_cast<QMouseEvent *>(event)->globalPos() == m_awaitedGlobal)
        m_awaitedType = QEvent::None;
    return false;
}

QWidget *ReplayInput::visibleOverlay()
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (widget->isVisible() && widget->inherits("K2DonutDialog"))
            return widget;
    }
    return nullptr;
}

bool ReplayInput::mouse(Action action, QWidget *view, const QPoint &point, Qt::MouseButton button, QString *error)
{
    const QPoint global = view->mapToGlobal(point);
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return xMouse(action, global, button, error);
    queuedMouse(action, view, global, button);
    return true;
}

void ReplayInput::queuedMouse(Action action, QWidget *view, const QPoint &global, Qt::MouseButton button)
{
    // The platform turns a cursor move into the move event itself; a second one would be a
    // move the hand never made.
    if (QCursor::pos() != global)
        QCursor::setPos(global);
    if (action == Action::Move)
        return;
    Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    QWindow *window = m_pressWindow;
    if (!buttons || !window) {
        window = QGuiApplication::topLevelAt(global);
        if (!window)
            window = view->window()->windowHandle();
    }
    const bool press = action == Action::Press;
    buttons.setFlag(button, press);
    m_pressWindow = buttons ? window : nullptr;
    QWindowSystemInterface::handleMouseEvent(window, window->mapFromGlobal(global), global, buttons, button,
                                             press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                                             QGuiApplication::keyboardModifiers());
}

bool ReplayInput::xMouse(Action action, const QPoint &global, Qt::MouseButton button, QString *error)
{
    QStringList arguments = {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())};
    if (action == Action::Press)
        arguments << QStringLiteral("mousedown") << QString::number(xButton(button));
    else if (action == Action::Release)
        arguments << QStringLiteral("mouseup") << QString::number(xButton(button));
    if (m_quick) {
        m_burst << arguments;
        return true;
    }
    // A move to where the pointer already is makes no event.
    m_awaitedType = action == Action::Press     ? QEvent::MouseButtonPress
                  : action == Action::Release ? QEvent::MouseButtonRelease
                  : QCursor::pos() != global  ? QEvent::MouseMove
                                              : QEvent::None;
    m_awaitedGlobal = global;
    m_awaitingSince.start();
    return xdotool(arguments, error);
}

bool ReplayInput::pause(int ms)
{
    if (!m_quick || QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    m_burst << QStringLiteral("sleep") << QString::number(ms / 1000.0, 'f', 3);
    return true;
}

bool ReplayInput::flush(QString *error)
{
    if (m_burst.isEmpty())
        return true;
    if (!m_burstSender) {
        m_burstSender = new QProcess(this);
        m_burstSender->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    m_burstSender->start(QStringLiteral("xdotool"), m_burst);
    m_burst.clear();
    if (m_burstSender->waitForStarted(10000))
        return true;
    *error = QStringLiteral("xdotool cannot be started: %1").arg(m_burstSender->errorString());
    return false;
}

bool ReplayInput::xdotool(const QStringList &arguments, QString *error)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(10000) || xdotool.exitStatus() != QProcess::NormalExit || xdotool.exitCode() != 0) {
        *error = QStringLiteral("xdotool %1 failed: %2")
                     .arg(arguments.join(QLatin1Char(' ')),
                          xdotool.error() == QProcess::FailedToStart ? QStringLiteral("it is not installed")
                                                                      : QString::fromLocal8Bit(xdotool.readAllStandardError()).trimmed());
        return false;
    }
    return true;
}

void ReplayInput::key(int keyWithModifiers, QWidget *fallback)
{
    QPointer<QWidget> target = QWidget::keyboardGrabber();
    // An open menu takes the keys, as it grabs the keyboard under X11.
    if (!target)
        target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = fallback;
    if (!target)
        return;
    const int key = keyWithModifiers & ~int(Qt::KeyboardModifierMask);
    const auto modifiers = Qt::KeyboardModifiers(keyWithModifiers & int(Qt::KeyboardModifierMask));
    const QString text = key < 0x1000000 ? QString(QChar(key)) : QString();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    if (target)
        QApplication::sendEvent(target, &release);
}
