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

QWidget *ReplayInput::visibleOverlay()
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (widget->isVisible() && widget->inherits("K2DonutDialog"))
            return widget;
    }
    return nullptr;
}

QWidget *ReplayInput::mouseTarget(QWidget *view)
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        return grabber;
    if (QWidget *overlay = visibleOverlay())
        return overlay;
    return view;
}

void ReplayInput::mouse(Action action, QWidget *view, const QPoint &point, Qt::MouseButton button)
{
    const QPoint global = view->mapToGlobal(point);
    // The overlay reads the pointer from QCursor::pos(), not from its events.
    QCursor::setPos(global);
    QWidget *target = mouseTarget(view);
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton changed = Qt::NoButton;
    switch (action) {
    case Action::Press:
        type = QEvent::MouseButtonPress;
        changed = button;
        m_buttons |= button;
        break;
    case Action::Release:
        type = QEvent::MouseButtonRelease;
        changed = button;
        m_buttons &= ~Qt::MouseButtons(button);
        break;
    case Action::Move:
        break;
    }
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), changed, m_buttons,
                      QGuiApplication::keyboardModifiers());
    QApplication::sendEvent(target, &event);
}

bool ReplayInput::realMouse(Action action, QWidget *view, const QPoint &point, Qt::MouseButton button,
                            QString *error)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        *error = QStringLiteral("real input needs an X server (the platform is \"%1\")")
                     .arg(QGuiApplication::platformName());
        return false;
    }
    const QPoint global = view->mapToGlobal(point);
    QStringList arguments = {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())};
    if (action == Action::Press)
        arguments << QStringLiteral("mousedown") << QString::number(xButton(button));
    else if (action == Action::Release)
        arguments << QStringLiteral("mouseup") << QString::number(xButton(button));
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
