// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the stand-in's drawing-view input: what its input-point manager tells trackers
// about each mouse event, and when the view's context menu opens.
#include "tracker/DrawingViewFixture.h"
#include "tracker/GestureTestHost.h"

#include "host/CFxInputPointManager.h"
#include "host/CFxTracker.h"
#include "standin/Document.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>

#include <functional>
#include <memory>

using gesturetest::ViewMouse;

namespace {

// What a tracker was told about one event.
struct Seen
{
    int code;
    bool press;
    bool move;
    bool buttonDown;
    QPoint point;

    QString toText() const
    {
        return QStringLiteral("code %1%2%3%4 at (%5, %6)")
            .arg(code)
            .arg(press ? QStringLiteral(", gesture press") : QString())
            .arg(move ? QStringLiteral(", tracking move") : QString())
            .arg(buttonDown ? QStringLiteral(", button down") : QString())
            .arg(point.x())
            .arg(point.y());
    }
};

// Notes every event and its answers; a reaction, when set, runs on each event.
class RecordingTracker : public CFxTracker
{
public:
    void OnInputEvent(int code, CFxInputPointManager *manager) override
    {
        seen.append(Seen{code, manager->IsGesturePress(), manager->IsTrackingMove(), manager->IsGestureButtonDown(),
                         manager->GetDevicePoint()}
                        .toText());
        views.append(manager->GetView());
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
    QVector<CFxView *> views;
    QString pending;
    std::function<void(CFxInputPointManager *)> react;
};

} // namespace

class tst_ViewInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void queriesDescribeTheEvent();
    void platformMenuOnPressHeldBack();
    void middleButtonPanBlocks();
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

void tst_ViewInput::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_ViewInput::init()
{
    standin::reset();
    QVERIFY(gesturetest::openDrawingView(m_document, m_view));
    m_mouse = std::make_unique<ViewMouse>(m_view);
    m_log.clear();
}

void tst_ViewInput::cleanup()
{
    gesturetest::closeContextMenus();
    m_mouse.reset();
    for (const auto &tracker : m_trackers)
        m_document->GetInputPointManager()->RemoveTracker(tracker.get());
    m_trackers.clear();
}

RecordingTracker *tst_ViewInput::addTracker(const QString &name)
{
    m_trackers.push_back(std::make_unique<RecordingTracker>());
    RecordingTracker *tracker = m_trackers.back().get();
    tracker->name = name;
    tracker->log = &m_log;
    m_document->GetInputPointManager()->AddTracker(tracker, false);
    return tracker;
}

void tst_ViewInput::queriesDescribeTheEvent()
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

    const QVector<Seen> expected = {
        {CFxTracker::kMouseMove, false, true, false, QPoint(10, 10)},
        {CFxTracker::kMousePress, true, false, true, QPoint(50, 40)},
        {CFxTracker::kMouseMove, false, true, true, QPoint(60, 45)},
        {CFxTracker::kMousePress, false, false, true, QPoint(60, 45)},
        {CFxTracker::kMouseRelease, false, false, true, QPoint(60, 45)},
        {CFxTracker::kMouseRelease, false, false, false, QPoint(60, 45)},
        {CFxTracker::kMouseMove, false, true, false, QPoint(70, 45)},
        {CFxTracker::kMousePress, false, false, false, QPoint(70, 45)},
    };
    QStringList expectedTexts;
    for (const Seen &event : expected)
        expectedTexts.append(event.toText());
    QCOMPARE(tracker->seen, expectedTexts);
    for (CFxView *view : qAsConst(tracker->views))
        QCOMPARE(view ? view->GetWidget() : nullptr, m_view);

    standin::setViewPresent(m_document, false);
    m_mouse->moveTo(QPoint(80, 45));
    QVERIFY(!tracker->views.last());
}

void tst_ViewInput::platformMenuOnPressHeldBack()
{
    // Platforms that open context menus on the press send this before any drag.
    QContextMenuEvent onPress(QContextMenuEvent::Mouse, QPoint(50, 40), m_view->mapToGlobal(QPoint(50, 40)));
    QApplication::sendEvent(m_view, &onPress);
    QCOMPARE(standin::contextMenuCount(), 0);

    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(50, 40), m_view->mapToGlobal(QPoint(50, 40)));
    QApplication::sendEvent(m_view, &menuKey);
    QCOMPARE(standin::contextMenuCount(), 1);
}

void tst_ViewInput::middleButtonPanBlocks()
{
    CFxInputPointManager *input = m_document->GetInputPointManager();
    QVERIFY(!input->IsPanning());
    m_mouse->press(QPoint(50, 40), Qt::MiddleButton);
    QVERIFY(input->IsPanning());
    m_mouse->release(Qt::MiddleButton);
    QVERIFY(!input->IsPanning());

    standin::setBlockingState(m_document, standin::BlockingState::Panning, true);
    QVERIFY(input->IsPanning());
    QVERIFY(!input->IsDragging());
}

void tst_ViewInput::pendingCommandsRunAfterAllTrackers()
{
    RecordingTracker *first = addTracker(QStringLiteral("first"));
    addTracker(QStringLiteral("second"));
    first->react = [first](CFxInputPointManager *) { first->pending = QStringLiteral("_LINE"); };

    m_mouse->moveTo(QPoint(30, 30));

    QCOMPARE(m_log, (QStringList{QStringLiteral("first saw the event"), QStringLiteral("second saw the event"),
                                 QStringLiteral("first ran _LINE")}));
}

void tst_ViewInput::contextMenuRunsViewCommands()
{
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

QTEST_MAIN(tst_ViewInput)
#include "tst_viewinput.moc"
