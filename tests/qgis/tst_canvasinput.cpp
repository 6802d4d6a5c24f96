// Strokewheel - mouse gestures for CAD drawing views.
// The map canvas's input: a right click that does not become a gesture reaches QGIS as it
// came, from Qt's event loop after the click, one that does never reaches it, and nothing
// else is held back, nor anything at all with gestures off.
#include "qgis/CanvasInput.h"

#include "host/CFxTracker.h"

#include <qgsapplication.h>
#include <qgsmapcanvas.h>

#include <QContextMenuEvent>
#include <QtTest>

using qgishost::CanvasInput;

namespace {

// Claims the press for a gesture once the button is dragged, as the module's tracker does
// past its threshold; on the next move the ring has taken the pick and the tracker lets
// go of the button, whose release comes all the same.
class DragClaimer : public CFxTracker
{
public:
    void OnInputEvent(int code, CFxInputPointManager *manager) override
    {
        if (code != kMouseMove || !manager->IsGestureButtonDown())
            return;
        if (m_claimed)
            manager->ReleaseGestureButton();
        manager->ClaimGesture();
        m_claimed = true;
    }

private:
    bool m_claimed = false;
};

// What reaches the canvas after the plugin's filter: installed first, it runs last.
class CanvasSpy : public QObject
{
public:
    QStringList seen;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: seen << QStringLiteral("press"); break;
        case QEvent::MouseButtonRelease: seen << QStringLiteral("release"); break;
        case QEvent::MouseMove:
            // Drags; Qt brings the pointer to a replayed press with a move of its own.
            if (static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton)
                seen << QStringLiteral("move");
            break;
        case QEvent::ContextMenu: seen << QStringLiteral("menu"); break;
        default: break;
        }
        return false;
    }
};

}

class tst_CanvasInput : public QObject
{
    Q_OBJECT

private slots:
    void clicks_data();
    void clicks();
};

void tst_CanvasInput::clicks_data()
{
    QTest::addColumn<bool>("gesturesOn");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("seenAfterEachStep");
    // Steps: p/r press/release of the right button, P/R of the left, m a move, c the
    // context-menu request X11 sends with a right press.
    const QString nothing;
    QTest::newRow("right click reaches QGIS in order, after its release")
        << true << "pcr" << QStringList{nothing, nothing, "press menu release"};
    QTest::newRow("right drag that became a gesture never reaches QGIS")
        << true << "pcmmr" << QStringList{nothing, nothing, nothing, nothing, nothing};
    QTest::newRow("left click is not held back") << true << "PmR" << QStringList{"press", "press move", "press move release"};
    QTest::newRow("right press during a left drag is not held back")
        << true << "Ppr" << QStringList{"press", "press press", "press press release"};
    QTest::newRow("gestures off: nothing held back")
        << false << "pcmr" << QStringList{"press", "press menu", "press menu move", "press menu move release"};
}

void tst_CanvasInput::clicks()
{
    QFETCH(bool, gesturesOn);
    QFETCH(QString, steps);
    QFETCH(QStringList, seenAfterEachStep);
    QgsMapCanvas canvas;
    canvas.resize(400, 300);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QWidget *viewport = canvas.viewport();
    CanvasSpy spy;
    viewport->installEventFilter(&spy);
    CanvasInput input(&canvas, nullptr, [gesturesOn] { return gesturesOn; });
    DragClaimer tracker;
    input.AddTracker(&tracker, false);

    Qt::MouseButtons buttons;
    QPoint at(200, 150);
    for (int i = 0; i < steps.size(); ++i) {
        const QChar step = steps.at(i);
        const Qt::MouseButton button = step.toLower() == step ? Qt::RightButton : Qt::LeftButton;
        if (step == QLatin1Char('m')) {
            at += QPoint(0, -30);
            QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &move);
        } else if (step == QLatin1Char('c')) {
            QContextMenuEvent request(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
            QCoreApplication::sendEvent(viewport, &request);
        } else if (step.toLower() == QLatin1Char('p')) {
            buttons |= button;
            QMouseEvent press(QEvent::MouseButtonPress, at, button, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &press);
        } else {
            buttons &= ~button;
            QMouseEvent release(QEvent::MouseButtonRelease, at, button, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &release);
        }
        QCoreApplication::processEvents();
        QCOMPARE(spy.seen.join(QLatin1Char(' ')), seenAfterEachStep.at(i));
    }
    input.RemoveTracker(&tracker);
}

int main(int argc, char *argv[])
{
    QgsApplication application(argc, argv, true);
    tst_CanvasInput test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_canvasinput.moc"
