// Strokewheel - mouse gestures for CAD drawing views.
// Benchmark of the gesture tracker, warm: what one input event costs it beside what Qt
// spends delivering the same move from the platform to the view, and how long the ring
// takes to appear on later gestures for catalogues of growing size.
#include "BenchUtil.h"
#include "config/K2GestureConfig.h"
#include "host/CFxDocument.h"
#include "host/CFxInputPointManager.h"
#include "standin/Document.h"
#include "standin/SettingsStore.h"
#include "standin/StandIn.h"
#include "BenchCatalogue.h"
#include "tests/support/TestSupport.h"
#include "tests/tracker/GestureTestHost.h"
#include "tracker/K2MouseGestureTracker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <cstdio>

namespace {

constexpr int kRepeats = 7;

// A template, so that the loop adds no call of its own to what it measures.
template <class Work>
double nanosecondsPerCall(int calls, Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        work();
    return double(timer.nsecsElapsed()) / calls;
}

template <class Work>
QVector<double> repeated(int calls, Work work)
{
    QVector<double> values;
    for (int repeat = 0; repeat < kRepeats; ++repeat)
        values << nanosecondsPerCall(calls, work);
    return values;
}

// A host with commandCount commands, the first eight on the regions of the 8-gesture scheme.
standin::Document *openHost(int commandCount)
{
    standin::reset();
    bench::buildLargeCatalogue(commandCount);
    standin::mainWindow()->show();
    standin::Document *document = standin::openDocument(QStringLiteral("Drawing1"));
    QCoreApplication::processEvents();
    K2GestureConfig::instance()->reload();
    return document;
}

void measureEventCost()
{
    standin::Document *document = openHost(150);
    CFxInputPointManager *input = document->GetInputPointManager();
    K2GestureConfig *config = K2GestureConfig::instance();
    K2MouseGestureTracker tracker;
    constexpr int calls = 2'000'000;
    // The stand-in answers the queries as it does for a move without a button.
    const auto event = [&tracker, input] { tracker.OnInputEvent(CFxTracker::kMouseMove, input); };
    config->enabled = false;
    bench::report("warm.tracker_event.disabled", "ns", repeated(calls, event));
    config->enabled = true;
    const QVector<double> idle = repeated(calls, event);
    bench::report("warm.tracker_event.enabled_idle", "ns", idle);

    // The same move as the platform delivers it: queued by the platform plugin through the
    // window system interface, then taken from the queue as the event dispatcher does and
    // sent through QGuiApplication, the widget window and the view to the input-point
    // manager and the tracker attached to it.
    input->AddTracker(&tracker, false);
    QWidget *view = standin::viewWidget(document);
    QWindow *window = view->window()->windowHandle();
    const QPoint inWindow = view->mapTo(view->window(), QPoint(40, 40));
    int step = 0;
    const auto platformMove = [&] {
        const QPointF local(inWindow + QPoint(step++ & 1, 0));
        QWindowSystemInterface::handleMouseEvent(window, local, window->mapToGlobal(local.toPoint()), Qt::NoButton,
                                                 Qt::NoButton, QEvent::MouseMove);
        QWindowSystemInterface::sendWindowSystemEvents(QEventLoop::AllEvents);
    };
    const QVector<double> delivery = repeated(calls / 20, platformMove);
    bench::report("warm.qt_platform_move_to_view", "ns", delivery);
    QVector<double> share;
    for (int repeat = 0; repeat < kRepeats; ++repeat)
        share << 100.0 * idle.at(repeat) / delivery.at(repeat);
    bench::report("warm.tracker_idle_share_of_qt_delivery", "%", share);
    // The same without the queue: what Qt's own tests use, the smallest part of the way.
    const auto synchronousMove = [&] {
        const QPointF local(inWindow + QPoint(step++ & 1, 0));
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window, local, window->mapToGlobal(local.toPoint()), Qt::NoButton, Qt::NoButton, QEvent::MouseMove);
    };
    const QVector<double> synchronous = repeated(calls / 20, synchronousMove);
    bench::report("warm.qt_platform_move_to_view_unqueued", "ns", synchronous);
    share.clear();
    for (int repeat = 0; repeat < kRepeats; ++repeat)
        share << 100.0 * idle.at(repeat) / synchronous.at(repeat);
    bench::report("warm.tracker_idle_share_of_unqueued_delivery", "%", share);
    input->RemoveTracker(&tracker);
}

// Times one gesture from the press: from the threshold-crossing move until the next move
// has shown the ring, and until its first paint; then cancels it.
QPair<double, double> timeGesture(gesturetest::ViewMouse &mouse)
{
    const QPoint press(220, 160);
    mouse.press(press);
    QElapsedTimer timer;
    timer.start();
    mouse.moveTo(press + QPoint(25, 0));
    mouse.moveTo(press + QPoint(30, 0));
    const double shown = double(timer.nsecsElapsed()) / 1e6;
    const QList<QWidget *> overlays = gesturetest::overlays();
    if (overlays.isEmpty() || !overlays.first()->isVisible())
        qFatal("the ring did not show");
    bench::waitForPaint(overlays.first());
    const double painted = double(timer.nsecsElapsed()) / 1e6;
    mouse.release();
    QCoreApplication::processEvents();
    return {shown, painted};
}

void measureLaterGestures(int commandCount)
{
    standin::Document *document = openHost(commandCount);
    K2MouseGestureTracker tracker;
    document->GetInputPointManager()->AddTracker(&tracker, false);
    gesturetest::ViewMouse mouse(standin::viewWidget(document));
    timeGesture(mouse);
    QVector<double> shown, painted;
    for (int i = 0; i < 20; ++i) {
        const QPair<double, double> times = timeGesture(mouse);
        shown << times.first;
        painted << times.second;
    }
    bench::report(QStringLiteral("warm.later_ring_shown.%1").arg(commandCount), "ms", shown);
    bench::report(QStringLiteral("warm.later_ring_painted.%1").arg(commandCount), "ms", painted);
    document->GetInputPointManager()->RemoveTracker(&tracker);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(bench::quietOffscreenNotes);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    bench::isolateSettings(folder);

    std::printf("Warm figures: the tracker per event (%d repeats), and later gestures (20 after a first one;\n"
                "the max is the worst of 20).\n", kRepeats);
    measureEventCost();
    for (int count : bench::commandCounts(app.arguments(), {150, 1000, 5000}))
        measureLaterGestures(count);
    std::printf("tracker_event: OnInputEvent with the stand-in's answers for a move without a button;\n"
                "qt_platform_move_to_view: one move queued through QWindowSystemInterface and delivered from\n"
                "its queue to the view, the tracker attached (_unqueued: handed over synchronously);\n"
                "later_ring_shown/painted: from the move that crosses 20 px to the ring shown/painted.\n");
    standin::reset();
    return 0;
}
