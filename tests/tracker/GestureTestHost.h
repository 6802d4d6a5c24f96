// Strokewheel - mouse gestures for CAD drawing views.
// Helpers for the gesture tests: a user's mouse over a drawing view, and gesture commands.
#pragma once

#include "standin/Catalogue.h"
#include "standin/CommandGroup.h"
#include "standin/StandIn.h"
#include "standin/UICommand.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <cmath>

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

// Gives the regions of both schemes commands with the given macros (an empty macro leaves
// its region without a command) and stores the assignment with gestures on and scheme.
inline void assignGestureMacros(const QStringList &eight, const QStringList &four, int scheme = 8)
{
    standin::Catalogue *catalogue = standin::catalogue();
    standin::CommandGroup *group = catalogue->addCommandGroup(QStringLiteral("Gestures"));
    const auto assign = [&](const QStringList &macros, const QString &schemeDigit) {
        for (int slot = 0; slot < macros.size(); ++slot) {
            const QString key = schemeDigit + QString::number(slot + 1);
            QString id;
            if (!macros.at(slot).isEmpty()) {
                id = QStringLiteral("ID_GESTURE_") + key;
                group->add(catalogue->addCommand(id, macros.at(slot), QStringLiteral("Command ") + key));
            }
            testsupport::store(key, id);
        }
    };
    assign(eight, QStringLiteral("8"));
    assign(four, QStringLiteral("4"));
    testsupport::storeFlags(true, scheme);
}

// The eight regions counter-clockwise from the top, and the four.
inline QStringList eightMacros()
{
    return {QStringLiteral("^C^C_LINE"),   QStringLiteral("^C^C_CIRCLE"), QStringLiteral("^C^C_ZOOM _E"),
            QStringLiteral("_UNDO"),       QStringLiteral("^C^C_MOVE"),   QStringLiteral("^C^C_COPY"),
            QStringLiteral("^C^C_ERASE"),  QStringLiteral("'_PAN")};
}

inline QStringList fourMacros()
{
    return {QStringLiteral("^C^C_ARC"), QStringLiteral("_REDO"), QStringLiteral("^C^C_TRIM"),
            QStringLiteral("^C^C_ZOOM _W")};
}

// A pointer offset from the press point, as a view offset (y down), that leaves the ring's
// 69-pixel circle through the middle of a region.
inline QPoint outThrough(int region, int count, int radius = 75)
{
    const double degrees = 90.0 + region * 360.0 / count;
    const double radians = degrees * 3.14159265358979 / 180.0;
    return QPoint(qRound(radius * std::cos(radians)), -qRound(radius * std::sin(radians)));
}

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
