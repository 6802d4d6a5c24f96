// Strokewheel - mouse gestures for CAD drawing views.
// The drawing view's mapping, fit, pan and zoom.
#include "standin/DrawingView.h"
#include "standin/ViewTransform.h"

#include <QtTest>

using standin::DrawingView;
using standin::ViewTransform;

class tst_DrawingView : public QObject
{
    Q_OBJECT

private slots:
    void fittingCentresAndKeepsMargins_data();
    void fittingCentresAndKeepsMargins();
    void zoomKeepsThePointUnderTheCursor();
    void scaleStaysInRange();
    void viewAndDrawingRoundTrip();
    void gridStep_data();
    void gridStep();

    void zoomToBoundsFitsTheDrawing();
    void middleButtonPans();
    void wheelZoomsAtThePointer();
    void zoomPreviousWalksBack();
};

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

void tst_DrawingView::zoomKeepsThePointUnderTheCursor()
{
    ViewTransform transform(2.0, QPointF(30, 400));
    const QPointF cursor(123, 77);
    const QPointF under = transform.toDrawing(cursor);
    transform.zoomAt(cursor, 3.0);
    QVERIFY(near(transform.scale(), 6.0));
    QVERIFY(near(transform.toView(under).x(), cursor.x()));
    QVERIFY(near(transform.toView(under).y(), cursor.y()));
    // A factor that is no factor changes nothing.
    transform.zoomAt(cursor, 0);
    transform.zoomAt(cursor, -2);
    QVERIFY(near(transform.scale(), 6.0));
}

void tst_DrawingView::scaleStaysInRange()
{
    ViewTransform transform(1.0);
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
    QTest::newRow("one pixel per unit") << 1.0 << 20.0;
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
    const QRectF shown = view.transform().toView(view.drawingBounds());
    const double m = DrawingView::kFitMargin;
    QVERIFY(QRectF(view.rect()).adjusted(m - 1e-6, m - 1e-6, 1e-6 - m, 1e-6 - m).contains(shown));
    QVERIFY(near(shown.width(), 640 - 2 * m));
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
    DrawingView view;
    view.resize(400, 300);
    view.setDrawing(box(QRectF(0, 0, 100, 100)));
    const QPointF before = view.transform().toView(QPointF(0, 0));
    QTest::mousePress(&view, Qt::MiddleButton, Qt::NoModifier, QPoint(100, 100));
    QVERIFY(view.isPanning());
    QMouseEvent move(QEvent::MouseMove, QPointF(130, 90), Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QTest::mouseRelease(&view, Qt::MiddleButton, Qt::NoModifier, QPoint(130, 90));
    QVERIFY(!view.isPanning());
    QCOMPARE(view.transform().toView(QPointF(0, 0)), before + QPointF(30, -10));
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

QTEST_MAIN(tst_DrawingView)
#include "tst_drawingview.moc"
