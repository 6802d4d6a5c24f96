// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the mouse gesture tracker: when a drag becomes a gesture, where the ring goes,
// and what the tracker keeps when the ring has finished.
#include "DrawingViewFixture.h"
#include "GestureTestHost.h"

#include "config/K2GestureConfig.h"
#include "overlay/K2DonutDialogTLStyleImpl.h"
#include "tracker/K2MouseGestureTracker.h"

#include "host/CFxInputPointManager.h"
#include "standin/Document.h"
#include "tests/support/TestMain.h"

#include <QMenu>
#include <QtTest>

#include <memory>

using gesturetest::ViewMouse;

namespace {

// A host that runs pending commands at a time of its own: it passes the input on and
// reports nothing pending, so the tests see what the tracker keeps.
class InputForwarder : public CFxTracker
{
public:
    explicit InputForwarder(K2MouseGestureTracker &tracker) : m_tracker(tracker) {}
    void OnInputEvent(int code, CFxInputPointManager *manager) override { m_tracker.OnInputEvent(code, manager); }

private:
    K2MouseGestureTracker &m_tracker;
};

// Answers every query with false (or the named blocking query with true) and notes the order.
class RecordingInput : public CFxInputPointManager
{
public:
    QString blockedBy;
    mutable QStringList asked;

    void AddTracker(CFxTracker *, bool) override {}
    void RemoveTracker(CFxTracker *) override {}
    bool IsCommandInProgress() const override { return ask("IsCommandInProgress"); }
    bool IsInModalState() const override { return ask("IsInModalState"); }
    bool IsGripEditing() const override { return ask("IsGripEditing"); }
    bool IsWindowSelecting() const override { return ask("IsWindowSelecting"); }
    bool IsPanning() const override { return ask("IsPanning"); }
    bool IsTransparentCommandActive() const override { return ask("IsTransparentCommandActive"); }
    bool IsDragging() const override { return ask("IsDragging"); }
    bool IsGesturePress() const override { return ask("IsGesturePress"); }
    QPoint GetDevicePoint() const override
    {
        ask("GetDevicePoint");
        return QPoint();
    }
    bool IsTrackingMove() const override { return ask("IsTrackingMove"); }
    bool IsGestureButtonDown() const override { return ask("IsGestureButtonDown"); }
    void ClaimGesture() override { ask("ClaimGesture"); }
    void ReleaseGestureButton() override { ask("ReleaseGestureButton"); }
    CFxView *GetView() const override
    {
        ask("GetView");
        return nullptr;
    }

private:
    bool ask(const char *query) const
    {
        asked.append(QString::fromLatin1(query));
        return blockedBy == QLatin1String(query);
    }
};

const QStringList blockingQueries = {
    QStringLiteral("IsCommandInProgress"), QStringLiteral("IsInModalState"), QStringLiteral("IsGripEditing"),
    QStringLiteral("IsWindowSelecting"),   QStringLiteral("IsPanning"),      QStringLiteral("IsTransparentCommandActive"),
    QStringLiteral("IsDragging")};

const QPoint pressPoint(200, 150);

enum class NextEvent { FurtherDrag, BackToPress, LeftPress, Release };
enum class Phase { AtPress, WhileTracking, WhileArmed };

} // namespace

Q_DECLARE_METATYPE(NextEvent)
Q_DECLARE_METATYPE(Phase)
Q_DECLARE_METATYPE(standin::BlockingState)

class tst_GestureTracker : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void disabledChangesNothing();
    void queryOrder_data();
    void queryOrder();
    void blockingStateIgnoresEvent_data();
    void blockingStateIgnoresEvent();
    void threshold_data();
    void threshold();
    void nextEventShows_data();
    void nextEventShows();
    void finishedRingLeavesItsCommand_data();
    void finishedRingLeavesItsCommand();
    void newPressRestartsTracking();
    void pressCollectingAnOutcomeStartsAGesture();
    void nullViewPlacesWithoutArming();
    void oneOverlayForAllDocuments();
    void overlayCreatedAgainAfterMainWindowWent();
    void overlayParent_data();
    void overlayParent();

private:
    void setUpHost();
    void attach(standin::Document *document);
    K2DonutDialogTLStyleImpl *overlay() const { return m_tracker->m_overlay.data(); }

    std::unique_ptr<K2MouseGestureTracker> m_tracker;
    std::unique_ptr<InputForwarder> m_forwarder;
    std::unique_ptr<ViewMouse> m_mouse;
    standin::Document *m_document = nullptr;
    QWidget *m_view = nullptr;
};

void tst_GestureTracker::setUpHost()
{
    standin::reset();
    K2GestureConfig::instance()->reload();
    QVERIFY(gesturetest::openDrawingView(m_document, m_view));
    attach(m_document);
    m_mouse = std::make_unique<ViewMouse>(m_view);
}

void tst_GestureTracker::init()
{
    m_tracker = std::make_unique<K2MouseGestureTracker>();
    m_forwarder = std::make_unique<InputForwarder>(*m_tracker);
    setUpHost();
}

void tst_GestureTracker::cleanup()
{
    gesturetest::closeContextMenus();
    m_mouse.reset();
    for (standin::Document *document : standin::documents()) {
        if (CFxInputPointManager *input = document->GetInputPointManager())
            input->RemoveTracker(m_forwarder.get());
    }
    m_forwarder.reset();
    // Takes the overlay along while the host it talks to still exists.
    m_tracker.reset();
}

void tst_GestureTracker::attach(standin::Document *document)
{
    document->GetInputPointManager()->AddTracker(m_forwarder.get(), false);
}

void tst_GestureTracker::disabledChangesNothing()
{
    K2GestureConfig::instance()->enabled = false;
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(40, 0));
    QVERIFY(!overlay());
    // Not even the press was noted: switched on again mid-drag, the drag is no gesture.
    K2GestureConfig::instance()->enabled = true;
    m_mouse->moveTo(pressPoint + QPoint(80, 0));
    QVERIFY(!overlay());
    m_mouse->release();
    // Nothing claimed the press: the host used its right click as usual.
    QCOMPARE(standin::contextMenuCount(), 1);
}

void tst_GestureTracker::queryOrder_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("blockedBy");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("gestures off: nothing asked") << false << QString() << QStringList();
    QTest::newRow("idle: the seven states, then the press")
        << true << QString() << (QStringList(blockingQueries) << QStringLiteral("IsGesturePress"));
    for (int i = 0; i < blockingQueries.size(); ++i) {
        const QString &query = blockingQueries.at(i);
        QTest::newRow(qPrintable(query + QStringLiteral(" stops the questions")))
            << true << query << QStringList(blockingQueries.mid(0, i + 1));
    }
}

void tst_GestureTracker::queryOrder()
{
    QFETCH(bool, enabled);
    QFETCH(QString, blockedBy);
    QFETCH(QStringList, expected);

    K2GestureConfig::instance()->enabled = enabled;
    RecordingInput input;
    input.blockedBy = blockedBy;
    m_tracker->OnInputEvent(CFxTracker::kMouseMove, &input);

    QCOMPARE(input.asked, expected);
}

void tst_GestureTracker::blockingStateIgnoresEvent_data()
{
    QTest::addColumn<standin::BlockingState>("state");
    QTest::addColumn<Phase>("phase");

    // The states in the order of the queries that report them.
    for (int state = 0; state < standin::kBlockingStateCount; ++state) {
        const QByteArray query = blockingQueries.at(state).toLatin1();
        const auto blocking = standin::BlockingState(state);
        QTest::addRow("%s, at the press", query.constData()) << blocking << Phase::AtPress;
        QTest::addRow("%s, while tracking", query.constData()) << blocking << Phase::WhileTracking;
        QTest::addRow("%s, while armed", query.constData()) << blocking << Phase::WhileArmed;
    }
}

void tst_GestureTracker::blockingStateIgnoresEvent()
{
    QFETCH(standin::BlockingState, state);
    QFETCH(Phase, phase);

    switch (phase) {
    case Phase::AtPress:
        standin::setBlockingState(m_document, state, true);
        m_mouse->press(pressPoint);
        m_mouse->moveTo(pressPoint + QPoint(30, 0));
        QVERIFY(!overlay());
        standin::setBlockingState(m_document, state, false);
        // The press was never seen, so the drag goes on being nothing.
        m_mouse->moveTo(pressPoint + QPoint(40, 0));
        QVERIFY(!overlay());
        break;
    case Phase::WhileTracking:
        m_mouse->press(pressPoint);
        m_mouse->moveTo(pressPoint + QPoint(10, 0));
        standin::setBlockingState(m_document, state, true);
        m_mouse->moveTo(pressPoint + QPoint(30, 0));
        QVERIFY(!overlay());
        standin::setBlockingState(m_document, state, false);
        // Still tracking: the next move arms the ring, which takes over the host's pointer.
        m_mouse->moveTo(pressPoint + QPoint(31, 0));
        QVERIFY(overlay());
        QCOMPARE(standin::cursorMode(), short(32));
        break;
    case Phase::WhileArmed:
        m_mouse->press(pressPoint);
        m_mouse->moveTo(pressPoint + QPoint(25, 0));
        standin::setBlockingState(m_document, state, true);
        m_mouse->moveTo(pressPoint + QPoint(30, 0));
        m_mouse->moveTo(pressPoint + QPoint(35, 0));
        QVERIFY(!overlay()->isVisible());
        standin::setBlockingState(m_document, state, false);
        m_mouse->moveTo(pressPoint + QPoint(36, 0));
        QVERIFY(overlay()->isVisible());
        break;
    }
}

void tst_GestureTracker::threshold_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("gesture");

    QTest::newRow("20 right") << QPoint(20, 0) << false;
    QTest::newRow("21 right") << QPoint(21, 0) << true;
    QTest::newRow("20 up") << QPoint(0, -20) << false;
    QTest::newRow("21 up") << QPoint(0, -21) << true;
    QTest::newRow("10 left, 10 down") << QPoint(-10, 10) << false;
    QTest::newRow("11 left, 10 down") << QPoint(-11, 10) << true;
    QTest::newRow("15 right, 6 up") << QPoint(15, -6) << true;
}

void tst_GestureTracker::threshold()
{
    QFETCH(QPoint, offset);
    QFETCH(bool, gesture);

    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + offset);
    QCOMPARE(standin::cursorMode() == 32, gesture);
    m_mouse->release();

    // A gesture claims the press, so the release opens no context menu.
    QCOMPARE(standin::contextMenuCount(), gesture ? 0 : 1);
    // The release showed the armed ring, which ends with it: nothing stays, nothing runs.
    QVERIFY(!overlay() || !overlay()->isVisible());
    QVERIFY(standin::executedCommands().isEmpty());
}

void tst_GestureTracker::nextEventShows_data()
{
    QTest::addColumn<NextEvent>("next");

    QTest::newRow("a further drag") << NextEvent::FurtherDrag;
    QTest::newRow("a move back to the press point") << NextEvent::BackToPress;
    QTest::newRow("a press of the left button") << NextEvent::LeftPress;
    QTest::newRow("the release") << NextEvent::Release;
}

void tst_GestureTracker::nextEventShows()
{
    QFETCH(NextEvent, next);

    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(25, 0));
    QVERIFY(!overlay()->isVisible());

    switch (next) {
    case NextEvent::FurtherDrag:
        m_mouse->moveTo(pressPoint + QPoint(40, 0));
        break;
    case NextEvent::BackToPress:
        m_mouse->moveTo(pressPoint);
        break;
    case NextEvent::LeftPress:
        m_mouse->press(pressPoint + QPoint(25, 0), Qt::LeftButton);
        break;
    case NextEvent::Release:
        m_mouse->release();
        break;
    }

    if (next == NextEvent::Release) {
        // Shown by the release itself: the gesture is over, so is the ring.
        QVERIFY(!overlay()->isVisible());
        QVERIFY(!QWidget::mouseGrabber());
        QCOMPARE(standin::cursorMode(), short(0));
        return;
    }
    QVERIFY(overlay()->isVisible());
    QCOMPARE(QWidget::mouseGrabber(), overlay());
    // Centred on the press, not where the threshold was crossed or the showing event was.
    QCOMPARE(overlay()->geometry(), gesturetest::ringGeometryAround(m_view, pressPoint));
}

void tst_GestureTracker::finishedRingLeavesItsCommand_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("region");
    QTest::addColumn<QString>("command");
    QTest::newRow("accepted, up") << true << 0 << "^C^C_ZOOM _E";
    QTest::newRow("accepted, up and right") << true << 7 << "^C^C_TRIM";
    QTest::newRow("accepted without a region") << true << -1 << "";
    QTest::newRow("released over a region") << false << 6 << "";
}

void tst_GestureTracker::finishedRingLeavesItsCommand()
{
    QFETCH(bool, accepted);
    QFETCH(int, region);
    QVERIFY(standin::loadCatalogue(standin::defaultCataloguePath()));
    K2GestureConfig::instance()->restoreFactorySettings();
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(25, 0));
    m_mouse->moveTo(pressPoint + QPoint(40, 0));
    QVERIFY(overlay()->isVisible());
    overlay()->m_currentRegion = qint16(region);
    overlay()->hideDonut(accepted);

    // The next event of the view collects the outcome.
    m_mouse->moveTo(pressPoint + QPoint(41, 0));
    QTEST(m_tracker->m_pendingCommand.toQString(), "command");
    // The button's release went to the ring: the host must not think it still down.
    QVERIFY(!m_document->GetInputPointManager()->IsGestureButtonDown());
}

void tst_GestureTracker::newPressRestartsTracking()
{
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(10, 0));
    m_mouse->release();
    gesturetest::closeContextMenus();

    // 21 pixels from the new press, 1 from the old one.
    const QPoint newPress = pressPoint - QPoint(20, 0);
    m_mouse->press(newPress);
    m_mouse->moveTo(newPress + QPoint(21, 0));

    QCOMPARE(standin::cursorMode(), short(32));
    QCOMPARE(overlay()->pos(), m_view->mapToGlobal(newPress - QPoint(125, 125)));
}

// A quick hand presses again before the view saw anything after the ring hid: that press
// collects the choice and still starts the next gesture.
void tst_GestureTracker::pressCollectingAnOutcomeStartsAGesture()
{
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(25, 0));
    m_mouse->moveTo(pressPoint + QPoint(30, 0));
    QVERIFY(overlay()->isVisible());
    overlay()->hideDonut(true);
    QCOMPARE(standin::cursorMode(), short(0));

    m_mouse->press(pressPoint);
    QVERIFY(!overlay()->m_finished);
    m_mouse->moveTo(pressPoint + QPoint(0, -25));
    QCOMPARE(standin::cursorMode(), short(32));
}

void tst_GestureTracker::nullViewPlacesWithoutArming()
{
    standin::setViewPresent(m_document, false);
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(25, 0));
    QVERIFY(overlay());
    QCOMPARE(standin::cursorMode(), short(0));
    QCOMPARE(overlay()->pos(), m_view->mapToGlobal(pressPoint - QPoint(125, 125)));

    m_mouse->moveTo(pressPoint + QPoint(30, 0));
    QVERIFY(!overlay()->isVisible());
    QCOMPARE(standin::cursorMode(), short(0));

    // Every qualifying event tries again.
    standin::setViewPresent(m_document, true);
    m_mouse->moveTo(pressPoint + QPoint(35, 0));
    QCOMPARE(standin::cursorMode(), short(32));
    m_mouse->moveTo(pressPoint + QPoint(36, 0));
    QVERIFY(overlay()->isVisible());
}

void tst_GestureTracker::oneOverlayForAllDocuments()
{
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(25, 0));
    m_mouse->moveTo(pressPoint + QPoint(30, 0));
    QPointer<K2DonutDialogTLStyleImpl> first = overlay();
    QVERIFY(first && first->isVisible());
    m_mouse->release();
    // The overlay's own move tells the tracker that the ring has gone.
    QCoreApplication::processEvents();

    standin::Document *second = standin::openDocument(QStringLiteral("Drawing2"));
    attach(second);
    QCoreApplication::processEvents();
    QWidget *secondView = standin::viewWidget(second);
    m_mouse->setView(secondView);
    const QPoint secondPress(90, 60);
    m_mouse->press(secondPress);
    m_mouse->moveTo(secondPress + QPoint(0, 25));

    QCOMPARE(overlay(), first.data());
    QCOMPARE(standin::cursorMode(), short(32));
    QCOMPARE(first->pos(), secondView->mapToGlobal(secondPress - QPoint(125, 125)));
    QCOMPARE(gesturetest::overlays().size(), 1);
}

void tst_GestureTracker::overlayCreatedAgainAfterMainWindowWent()
{
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(25, 0));
    QPointer<K2DonutDialogTLStyleImpl> first = overlay();
    QVERIFY(first);

    // A new host state closes the old main window, and the overlay with it.
    setUpHost();
    QVERIFY(!first);
    QVERIFY(!overlay());

    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(25, 0));
    QVERIFY(overlay());
    QVERIFY(overlay()->m_armed);
    QCOMPARE(overlay()->parentWidget(), standin::mainWindow());
}

void tst_GestureTracker::overlayParent_data()
{
    QTest::addColumn<bool>("mainFrame");
    QTest::addColumn<bool>("mainWindow");
    QTest::addColumn<bool>("onDesktop");

    QTest::newRow("main window") << true << true << false;
    QTest::newRow("main frame without a window") << true << false << true;
    QTest::newRow("no main frame") << false << true << true;
}

void tst_GestureTracker::overlayParent()
{
    QFETCH(bool, mainFrame);
    QFETCH(bool, mainWindow);
    QFETCH(bool, onDesktop);

    standin::setPresent(standin::Link::MainFrame, mainFrame);
    standin::setPresent(standin::Link::MainWindow, mainWindow);
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(25, 0));

    QVERIFY(overlay());
    // Qt turns a window given the desktop as parent into a parentless one on its screen.
    QWidget *expected = onDesktop ? nullptr : standin::mainWindow();
    QCOMPARE(overlay()->parentWidget(), expected);
    QVERIFY(overlay()->isWindow());
    QVERIFY(overlay()->m_armed);
}

SW_TEST_MAIN(tst_GestureTracker)
#include "tst_gesturetracker.moc"
