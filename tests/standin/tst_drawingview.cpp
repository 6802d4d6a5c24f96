// Strokewheel - mouse gestures for CAD drawing views.
// The drawing view: mapping, fit, pan and zoom, what its input-point manager tells trackers about
// each mouse event, and when its context menu opens.
#include "tracker/DrawingViewFixture.h"
#include "tracker/GestureTestHost.h"

#include "host/CFxInputPointManager.h"
#include "host/CFxTracker.h"
#include "standin/Document.h"
#include "standin/DrawingView.h"
#include "standin/ViewTransform.h"
#include "tests/support/TestMain.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>

#include <functional>
#include <memory>

using standin::DrawingView;
using standin::ViewTransform;
using gesturetest::ViewMouse;

namespace {

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

QPainterPath box(const QRectF &rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

// Notes every event and its answers; a reaction, when set, runs on each event.
class RecordingTracker : public CFxTracker
{
public:
    void OnInputEvent(int code, CFxInputPointManager *manager) override
    {
        const QPoint at = manager->GetDevicePoint();
        seen.append(QStringLiteral("%1 %2%3%4 %5,%6")
                        .arg(code == kMouseMove ? "move" : code == kMousePress ? "press" : code == kMouseRelease ? "release" : "?")
                        .arg(manager->IsGesturePress() ? "P" : "-", manager->IsTrackingMove() ? "M" : "-",
                             manager->IsGestureButtonDown() ? "B" : "-")
                        .arg(at.x())
                        .arg(at.y()));
        log->append(name + QStringLiteral(" saw the event"));
        if (react)
            react(manager);
    }
    bool HasPendingCommand() const override { return !pending.isEmpty(); }
    bool ExecutePendingCommand() override
    {
        log->append(name + QStringLiteral(" ran ") + pending);
        pending.clear();
        return true;
    }

    QString name;
    QStringList *log = nullptr;
    QStringList seen;
    QString pending;
    std::function<void(CFxInputPointManager *)> react;
};

} // namespace

class tst_DrawingView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fittingCentresAndKeepsMargins_data();
    void fittingCentresAndKeepsMargins();
    void scaleStaysInRange();
    void viewAndDrawingRoundTrip();
    void gridStep_data();
    void gridStep();

    void zoomToBoundsFitsTheDrawing();
    void middleButtonPans();
    void wheelZoomsAtThePointer();
    void zoomPreviousWalksBack();

    void queriesDescribeTheEvent();
    void platformMenuOnPressHeldBack();
    void pendingCommandsRunAfterAllTrackers();
    void contextMenuRunsViewCommands();

private:
    RecordingTracker *addTracker(const QString &name);

    standin::Document *m_document = nullptr;
    QWidget *m_view = nullptr;
    std::unique_ptr<ViewMouse> m_mouse;
    std::vector<std::unique_ptr<RecordingTracker>> m_trackers;
    QStringList m_log;
};

void tst_DrawingView::init()
{
    standin::reset();
    QVERIFY(gesturetest::openDrawingView(m_document, m_view));
    m_mouse = std::make_unique<ViewMouse>(m_view);
    m_log.clear();
}

void tst_DrawingView::cleanup()
{
    gesturetest::closeContextMenus();
    m_mouse.reset();
    for (const auto &tracker : m_trackers)
        m_document->GetInputPointManager()->RemoveTracker(tracker.get());
    m_trackers.clear();
}

RecordingTracker *tst_DrawingView::addTracker(const QString &name)
{
    m_trackers.push_back(std::make_unique<RecordingTracker>());
    RecordingTracker *tracker = m_trackers.back().get();
    tracker->name = name;
    tracker->log = &m_log;
    m_document->GetInputPointManager()->AddTracker(tracker, false);
    return tracker;
}

void tst_DrawingView::fittingCentresAndKeepsMargins_data()
{
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<QSizeF>("viewport");
    QTest::addColumn<double>("margin");
    QTest::newRow("wide drawing, wide view") << QRectF(0, 0, 12000, 8000) << QSizeF(800, 400) << 24.0;
    QTest::newRow("tall drawing") << QRectF(-50, -500, 100, 1000) << QSizeF(800, 600) << 10.0;
    QTest::newRow("off the origin") << QRectF(1e5, 2e5, 3, 1) << QSizeF(300, 300) << 0.0;
    QTest::newRow("margin larger than the view allows") << QRectF(0, 0, 10, 10) << QSizeF(40, 40) << 100.0;
}

void tst_DrawingView::fittingCentresAndKeepsMargins()
{
    QFETCH(QRectF, bounds);
    QFETCH(QSizeF, viewport);
    QFETCH(double, margin);
    const ViewTransform fitted = ViewTransform::fitting(bounds, viewport, margin);
    const QRectF shown = fitted.toView(bounds);
    const double usedMargin = std::min({margin, viewport.width() / 4, viewport.height() / 4});
    const QRectF allowed = QRectF(QPointF(), viewport).adjusted(usedMargin, usedMargin, -usedMargin, -usedMargin);
    QVERIFY2(allowed.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(shown), "the drawing leaves the margins");
    // It touches the margins on the limiting side, and is centred.
    QVERIFY(near(shown.width(), allowed.width()) || near(shown.height(), allowed.height()));
    QVERIFY(near(shown.center().x(), viewport.width() / 2));
    QVERIFY(near(shown.center().y(), viewport.height() / 2));
}

void tst_DrawingView::scaleStaysInRange()
{
    ViewTransform transform(1.0);
    // A factor that is no factor changes nothing.
    transform.zoomAt(QPointF(10, 10), 0);
    transform.zoomAt(QPointF(10, 10), -2);
    QCOMPARE(transform.scale(), 1.0);
    for (int i = 0; i < 100; ++i)
        transform.zoomAt(QPointF(10, 10), 10);
    QCOMPARE(transform.scale(), ViewTransform::kMaxScale);
    for (int i = 0; i < 100; ++i)
        transform.zoomAt(QPointF(10, 10), 0.1);
    QCOMPARE(transform.scale(), ViewTransform::kMinScale);
    // A degenerate drawing (a point) still gives a usable scale.
    QCOMPARE(ViewTransform::fitting(QRectF(5, 5, 0, 0), QSizeF(100, 100), 10).scale(), 1.0);
}

void tst_DrawingView::viewAndDrawingRoundTrip()
{
    const ViewTransform transform(0.25, QPointF(-40, 900));
    const QPointF drawing(1234.5, -678.25);
    const QPointF view = transform.toView(drawing);
    QVERIFY(near(transform.toDrawing(view).x(), drawing.x()));
    QVERIFY(near(transform.toDrawing(view).y(), drawing.y()));
    // y goes up in the drawing and down on screen.
    QVERIFY(transform.toView(QPointF(0, 10)).y() < transform.toView(QPointF(0, 0)).y());
    QCOMPARE(transform.matrix().map(drawing), view);
}

void tst_DrawingView::gridStep_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("step");
    QTest::newRow("exactly 12 units") << 1.2 << 10.0;
    QTest::newRow("just under") << 1.19 << 20.0;
    QTest::newRow("zoomed in") << 100.0 << 0.2;
    QTest::newRow("zoomed far out") << 0.05 << 500.0;
    QTest::newRow("needs 5") << 0.3 << 50.0;
}

void tst_DrawingView::gridStep()
{
    QFETCH(double, scale);
    QFETCH(double, step);
    QCOMPARE(ViewTransform::gridStep(scale, 12.0), step);
}

void tst_DrawingView::zoomToBoundsFitsTheDrawing()
{
    DrawingView view;
    view.resize(640, 480);
    // Shown: a hidden widget gets its resize events only when it is shown.
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setDrawing(box(QRectF(0, 0, 12000, 8000)));
    view.zoomBy(5);
    QVERIFY(!QRectF(view.rect()).contains(view.transform().toView(view.drawingBounds())));
    view.zoomToBounds();
    const double m = DrawingView::kFitMargin;
    QVERIFY(near(view.transform().toView(view.drawingBounds()).width(), 640 - 2 * m));
    // A fitted view stays fitted when resized; a zoomed one keeps its zoom.
    view.resize(1000, 480);
    QVERIFY(near(view.transform().toView(view.drawingBounds()).height(), 480 - 2 * m));
    view.zoomBy(2);
    const double scale = view.transform().scale();
    view.resize(800, 800);
    QCOMPARE(view.transform().scale(), scale);
}

void tst_DrawingView::middleButtonPans()
{
    auto *view = dynamic_cast<DrawingView *>(m_view);
    QVERIFY(view);
    CFxInputPointManager *input = m_document->GetInputPointManager();
    const QPointF before = view->transform().toView(QPointF(0, 0));
    m_mouse->press(QPoint(100, 100), Qt::MiddleButton);
    QVERIFY(input->IsPanning());
    m_mouse->moveTo(QPoint(130, 90));
    m_mouse->release(Qt::MiddleButton);
    QVERIFY(!input->IsPanning());
    QCOMPARE(view->transform().toView(QPointF(0, 0)), before + QPointF(30, -10));

    standin::setBlockingState(m_document, standin::BlockingState::Panning, true);
    QVERIFY(input->IsPanning());
    QVERIFY(!input->IsDragging());
}

void tst_DrawingView::wheelZoomsAtThePointer()
{
    DrawingView view;
    view.resize(400, 300);
    view.setDrawing(box(QRectF(0, 0, 100, 100)));
    const QPointF pointer(50, 60);
    const QPointF under = view.transform().toDrawing(pointer);
    const double scale = view.transform().scale();
    QWheelEvent wheel(pointer, view.mapToGlobal(pointer.toPoint()), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    QVERIFY(near(view.transform().scale(), scale * DrawingView::kWheelStep * DrawingView::kWheelStep));
    QVERIFY(near(view.transform().toView(under).x(), pointer.x()));
    QVERIFY(near(view.transform().toView(under).y(), pointer.y()));
}

void tst_DrawingView::zoomPreviousWalksBack()
{
    DrawingView view;
    view.resize(400, 300);
    view.setDrawing(box(QRectF(0, 0, 100, 100)));
    QVERIFY(!view.zoomPrevious());
    const double fitted = view.transform().scale();
    view.zoomBy(2);
    view.zoomBy(3);
    QVERIFY(view.zoomPrevious());
    QVERIFY(near(view.transform().scale(), 2 * fitted));
    QVERIFY(view.zoomPrevious());
    QVERIFY(near(view.transform().scale(), fitted));
    QVERIFY(!view.zoomPrevious());
}

void tst_DrawingView::queriesDescribeTheEvent()
{
    RecordingTracker *tracker = addTracker(QStringLiteral("tracker"));
    m_mouse->moveTo(QPoint(10, 10));
    m_mouse->press(QPoint(50, 40));
    m_mouse->moveTo(QPoint(60, 45));
    m_mouse->press(QPoint(60, 45), Qt::LeftButton);
    m_mouse->release(Qt::LeftButton);
    m_mouse->release();
    m_mouse->moveTo(QPoint(70, 45));
    m_mouse->press(QPoint(70, 45), Qt::LeftButton);

    // P: gesture press, M: tracking move, B: gesture button down.
    QCOMPARE(tracker->seen, QStringList({"move -M- 10,10", "press P-B 50,40", "move -MB 60,45", "press --B 60,45",
                                         "release --B 60,45", "release --- 60,45", "move -M- 70,45",
                                         "press --- 70,45"}));
}

void tst_DrawingView::platformMenuOnPressHeldBack()
{
    // Platforms that open context menus on the press send this before any drag.
    QContextMenuEvent onPress(QContextMenuEvent::Mouse, QPoint(50, 40), m_view->mapToGlobal(QPoint(50, 40)));
    QApplication::sendEvent(m_view, &onPress);
    QCOMPARE(standin::contextMenuCount(), 0);

    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(50, 40), m_view->mapToGlobal(QPoint(50, 40)));
    QApplication::sendEvent(m_view, &menuKey);
    QCOMPARE(standin::contextMenuCount(), 1);
}

void tst_DrawingView::pendingCommandsRunAfterAllTrackers()
{
    RecordingTracker *first = addTracker(QStringLiteral("first"));
    addTracker(QStringLiteral("second"));
    first->react = [first](CFxInputPointManager *) { first->pending = QStringLiteral("_LINE"); };

    m_mouse->moveTo(QPoint(30, 30));

    QCOMPARE(m_log, (QStringList{QStringLiteral("first saw the event"), QStringLiteral("second saw the event"),
                                 QStringLiteral("first ran _LINE")}));
}

void tst_DrawingView::contextMenuRunsViewCommands()
{
    // A claimed right click (a gesture) opens no menu; the claim ends with it.
    RecordingTracker *claimer = addTracker(QStringLiteral("claimer"));
    claimer->react = [](CFxInputPointManager *manager) { manager->ClaimGesture(); };
    m_mouse->press(QPoint(50, 40));
    m_mouse->release();
    QCOMPARE(standin::contextMenuCount(), 0);
    claimer->react = nullptr;
    m_mouse->press(QPoint(50, 40));
    m_mouse->release();
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList captions;
    QList<QAction *> commands;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator()) {
            captions.append(action->text());
            commands.append(action);
        }
    }
    QCOMPARE(captions, (QStringList{QStringLiteral("Repeat last command"), QStringLiteral("Pan"), QStringLiteral("Zoom"),
                                    QStringLiteral("Properties")}));
    QVERIFY(!commands.at(0)->isEnabled());

    commands.at(2)->trigger();
    menu->close();
    m_mouse->press(QPoint(50, 40));
    m_mouse->release();
    QVERIFY(commands.at(0)->isEnabled());
    commands.at(0)->trigger();

    QCOMPARE(standin::executedCommandTexts(), (QStringList{QStringLiteral("'_ZOOM"), QStringLiteral("'_ZOOM")}));
}

SW_TEST_MAIN(tst_DrawingView)
#include "tst_drawingview.moc"
