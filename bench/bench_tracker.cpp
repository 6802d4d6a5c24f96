// Strokewheel - mouse gestures for CAD drawing views.
// Benchmark of the gesture tracker: what one input event costs it, and how long the ring
// takes to appear once a drag has become a gesture, for catalogues of growing size.
#include "BenchUtil.h"
#include "config/K2GestureConfig.h"
#include "host/CFxInputPointManager.h"
#include "overlay/K2DonutDialogTLStyleImpl.h"
#include "standin/Catalogue.h"
#include "standin/CommandGroup.h"
#include "standin/Document.h"
#include "standin/Menu.h"
#include "standin/MenuGroup.h"
#include "standin/SettingsStore.h"
#include "standin/StandIn.h"
#include "standin/UICommand.h"
#include "tests/tracker/GestureTestHost.h"
#include "tracker/K2MouseGestureTracker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

// Fixed answers, so that a loop measures the tracker and nothing of the host.
class FixedInput : public CFxInputPointManager
{
public:
    void AddTracker(CFxTracker *, bool) override {}
    void RemoveTracker(CFxTracker *) override {}
    bool IsCommandInProgress() const override { return false; }
    bool IsInModalState() const override { return false; }
    bool IsGripEditing() const override { return false; }
    bool IsWindowSelecting() const override { return false; }
    bool IsPanning() const override { return false; }
    bool IsTransparentCommandActive() const override { return false; }
    bool IsDragging() const override { return false; }
    bool IsGesturePress() const override { return press; }
    QPoint GetDevicePoint() const override { return point; }
    bool IsTrackingMove() const override { return move; }
    bool IsGestureButtonDown() const override { return buttonDown; }
    void ClaimGesture() override {}
    void ReleaseGestureButton() override { buttonDown = false; }
    CFxView *GetView() const override { return nullptr; }

    bool press = false;
    bool move = false;
    bool buttonDown = false;
    QPoint point;
};

double nanosecondsPerCall(int calls, const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        work();
    return double(timer.nsecsElapsed()) / calls;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

// commandCount commands made from the bundled catalogue's, taken round and round (later
// rounds numbered), in the bundled groups, each under a menu named after its group.
void buildCatalogue(int commandCount)
{
    standin::Catalogue bundled;
    QString error;
    if (!bundled.load(standin::defaultCataloguePath(), &error))
        qFatal("%s", qPrintable(error));
    standin::Catalogue *catalogue = standin::catalogue();
    catalogue->clear();
    standin::Menu *bar = catalogue->addMenuGroup(QStringLiteral("Main"))->rootMenu();
    QHash<QString, QPair<standin::CommandGroup *, standin::Menu *>> groups;
    QHash<standin::UICommand *, QString> groupOf;
    for (standin::CommandGroup *group : bundled.commandGroups()) {
        for (standin::UICommand *command : group->commands())
            groupOf.insert(command, group->name());
    }
    const QVector<standin::UICommand *> templates = bundled.commands();
    for (int i = 0; i < commandCount; ++i) {
        const standin::UICommand *from = templates.at(i % templates.size());
        const QString round = i < templates.size() ? QString() : QString::number(i / templates.size());
        standin::UICommand *command = catalogue->addCommand(from->id() + round, from->macro() + round,
                                                            from->caption() + round, from->helpText());
        if (from->hasIcon())
            command->setIconFiles(from->iconFile(false), from->iconFile(true));
        const QString groupName = groupOf.value(const_cast<standin::UICommand *>(from), QStringLiteral("Others"));
        auto &place = groups[groupName];
        if (!place.first) {
            place.first = catalogue->addCommandGroup(groupName);
            place.second = bar->addSubMenu(QLatin1Char('&') + groupName);
        }
        place.first->add(command);
        place.second->addItem(command->caption(), command);
    }
    // The first commands go on the regions, so the ring shows eight of them.
    const QVector<standin::UICommand *> commands = catalogue->commands();
    standin::SettingsStore *store = standin::settingsStore();
    for (int number = 1; number <= 8; ++number)
        store->setText(gesturetest::section(), QStringLiteral("8%1").arg(number), commands.at(number - 1)->id());
    store->setText(gesturetest::section(), QStringLiteral("EnableMouseGesture"), QStringLiteral("1"));
    store->setText(gesturetest::section(), QStringLiteral("ActiveScheme"), QStringLiteral("8"));
}

standin::Document *openHost(int commandCount)
{
    standin::reset();
    buildCatalogue(commandCount);
    standin::mainWindow()->show();
    standin::Document *document = standin::openDocument(QStringLiteral("Drawing1"));
    QCoreApplication::processEvents();
    K2GestureConfig::instance()->reload();
    return document;
}

void measureEventCost()
{
    standin::Document *document = openHost(150);
    K2GestureConfig *config = K2GestureConfig::instance();
    K2MouseGestureTracker tracker;
    FixedInput input;
    constexpr int calls = 2'000'000;
    const auto event = [&tracker, &input] { tracker.OnInputEvent(CFxTracker::kMouseMove, &input); };

    std::printf("\nK2MouseGestureTracker::OnInputEvent, nanoseconds per event\n");
    config->enabled = false;
    std::printf("  %-52s %8.1f\n", "gestures disabled", nanosecondsPerCall(calls, event));
    config->enabled = true;
    std::printf("  %-52s %8.1f\n", "gestures enabled, no press seen", nanosecondsPerCall(calls, event));

    input.press = true;
    input.buttonDown = true;
    event();
    input.press = false;
    input.move = true;
    input.point = QPoint(10, 5);
    std::printf("  %-52s %8.1f\n", "tracking, drag within 20 px, no overlay yet", nanosecondsPerCall(calls, event));

    // A drag past the threshold without a view places the overlay without arming it.
    input.point = QPoint(30, 0);
    event();
    input.point = QPoint(10, 5);
    std::printf("  %-52s %8.1f\n", "tracking, drag within 20 px, overlay exists", nanosecondsPerCall(calls, event));

    // The whole way of a mouse move through the host, for scale.
    document->GetInputPointManager()->AddTracker(&tracker, false);
    QWidget *view = standin::viewWidget(document);
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 40), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    std::printf("  %-52s %8.1f\n", "move event sent to the view, tracker idle",
                nanosecondsPerCall(calls / 10, [view, &move] { QApplication::sendEvent(view, &move); }));
    document->GetInputPointManager()->RemoveTracker(&tracker);
}

// Times one gesture from the press: the threshold-crossing move (arms), the next move
// (shows), and the first paint; then cancels it.
struct GestureTimes
{
    double armUs = 0.0;
    double showMs = 0.0;
    double paintedMs = 0.0;
};

GestureTimes timeGesture(gesturetest::ViewMouse &mouse, const std::function<QWidget *()> &ring)
{
    const QPoint press(220, 160);
    GestureTimes times;
    mouse.press(press);
    QElapsedTimer timer;
    timer.start();
    mouse.moveTo(press + QPoint(25, 0));
    times.armUs = double(timer.nsecsElapsed()) / 1000.0;
    mouse.moveTo(press + QPoint(30, 0));
    times.showMs = double(timer.nsecsElapsed()) / 1e6;
    QWidget *overlay = ring();
    if (!overlay || !overlay->isVisible())
        qFatal("the ring did not show");
    bool painted = false;
    struct PaintSpy : QObject
    {
        bool *painted;
        explicit PaintSpy(bool *flag) : painted(flag) {}
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                *painted = true;
            return false;
        }
    } spy(&painted);
    overlay->installEventFilter(&spy);
    while (!painted && timer.elapsed() < 2000)
        QCoreApplication::processEvents();
    times.paintedMs = double(timer.nsecsElapsed()) / 1e6;
    overlay->removeEventFilter(&spy);
    mouse.release();
    QCoreApplication::processEvents();
    return times;
}

void measureShowLatency(int commandCount)
{
    standin::Document *document = openHost(commandCount);
    K2MouseGestureTracker tracker;
    document->GetInputPointManager()->AddTracker(&tracker, false);
    gesturetest::ViewMouse mouse(standin::viewWidget(document));
    const auto ring = [&tracker]() -> QWidget * { return tracker.m_overlay.data(); };

    const GestureTimes first = timeGesture(mouse, ring);
    QVector<double> arm, show, painted;
    for (int i = 0; i < 15; ++i) {
        const GestureTimes times = timeGesture(mouse, ring);
        arm << times.armUs;
        show << times.showMs;
        painted << times.paintedMs;
    }
    std::printf("  %6d  %9.1f ms %9.1f ms | %7.0f us %9.2f ms %9.2f ms\n", commandCount, first.showMs, first.paintedMs,
                median(arm), median(show), median(painted));
    document->GetInputPointManager()->RemoveTracker(&tracker);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    bench::isolateSettings(folder);

    measureEventCost();

    std::printf("\nFrom the move that crosses 20 px to the ring on screen (median of 15 gestures)\n");
    std::printf("  %6s  %12s %12s | %10s %12s %12s\n", "cmds", "1st shown", "1st painted", "arm", "shown",
                "painted");
    for (int count : bench::commandCounts(app.arguments(), {150, 1000}))
        measureShowLatency(count);
    std::printf("arm: the crossing move (places and arms the ring); shown: until the next move has shown it\n"
                "(catalogue and settings reloaded); painted: until its first paint. The first gesture also\n"
                "creates the ring and renders the icons.\n");
    standin::reset();
    return 0;
}
