// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the overlay's input: arming, the dead zone, the commit radius, how a gesture ends
// and what it hands back to the host and the view.
#include "config/K2GestureSettings.h"
#include "config/K2Regions.h"
#include "host/CFxDocument.h"
#include "host/CFxInputPointManager.h"
#include "host/CFxMainFrame.h"
#include "host/CFxSystemServices.h"
#include "overlay/K2DonutDialogTLStyleImpl.h"
#include "standin/StandIn.h"

#include <QMainWindow>
#include <QShortcut>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

// Calls back for every event of one type a watched object receives.
class EventWatcher : public QObject
{
public:
    EventWatcher(QObject *watched, QEvent::Type type, std::function<void(QEvent *)> callback)
        : m_type(type), m_callback(std::move(callback))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            m_callback(event);
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void(QEvent *)> m_callback;
};

struct PostedMove
{
    QPointF position;
    Qt::MouseButton button;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
};

constexpr qint64 kCommitHoldMs = 250;

} // namespace

class tst_DonutInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void armingTwiceKeepsSavedState();
    void showAtPressPoint_data();
    void showAtPressPoint();
    void pointerMove_data();
    void pointerMove();
    void heldFlickEndsOnNextMove();
    void releaseCancels_data();
    void releaseCancels();
    void nextGestureStartsWithoutRegion();
    void keysChangeNothing_data();
    void keysChangeNothing();
    void shortcutOverrideConsumed();
    void destructionClearsStatusLine_data();
    void destructionClearsStatusLine();

private:
    void useScheme(int count);
    // Arms and shows the overlay the way the tracker does, with the cursor at offset from
    // the press point.
    void startGesture(const QPoint &offset);
    // Moves the cursor to offset from the press point and tells the overlay. The event
    // itself carries the press point: the overlay has to go by the cursor.
    void moveTo(const QPoint &offset);
    void sendRelease(Qt::MouseButton button, Qt::MouseButtons stillHeld, Qt::KeyboardModifiers modifiers);
    QVector<PostedMove> recordPostedMoves();

    const QPoint m_press{300, 250};
    QWidget *m_viewWidget = nullptr;
    CFxView *m_view = nullptr;
    K2DonutDialogTLStyleImpl *m_overlay = nullptr;
    QVector<PostedMove> m_postedMoves;
    std::unique_ptr<EventWatcher> m_moveRecorder;
};

void tst_DonutInput::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_DonutInput::init()
{
    standin::reset();
    standin::openDocument(QStringLiteral("Drawing1"));
    m_viewWidget = ACTIVE_DOCUMENT()->GetViewWidget();
    m_view = ACTIVE_DOCUMENT()->GetInputPointManager()->GetView();
    QVERIFY(m_view && m_view->GetWidget() == m_viewWidget);
    m_overlay = new K2DonutDialogTLStyleImpl(standin::mainWindow());
    m_postedMoves.clear();
    // Moves the window system delivers are spontaneous; the overlay's own are posted.
    m_moveRecorder.reset(new EventWatcher(m_viewWidget, QEvent::MouseMove, [this](QEvent *event) {
        if (event->spontaneous())
            return;
        const auto *move = static_cast<QMouseEvent *>(event);
        m_postedMoves.append({move->localPos(), move->button(), move->buttons(), move->modifiers()});
    }));
}

void tst_DonutInput::cleanup()
{
    m_moveRecorder.reset();
    delete m_overlay;
    m_overlay = nullptr;
}

void tst_DonutInput::useScheme(int count)
{
    QVERIFY(K2GestureSettings::instance()->setValue(K2Keys::kActiveScheme, QString::number(count)));
}

void tst_DonutInput::startGesture(const QPoint &offset)
{
    m_overlay->m_pressPoint = m_press;
    const QSize size = m_overlay->donutSize();
    m_overlay->move(m_viewWidget->mapToGlobal(m_press - QPoint(size.width() / 2, size.height() / 2)));
    m_overlay->arm(m_view);
    QCursor::setPos(m_viewWidget->mapToGlobal(m_press + offset));
    m_overlay->showDonut();
}

void tst_DonutInput::moveTo(const QPoint &offset)
{
    // The window position is of whichever window Qt routed the grab through: only the
    // global one counts.
    const QPoint global = m_viewWidget->mapToGlobal(m_press + offset);
    QCursor::setPos(global);
    QMouseEvent move(QEvent::MouseMove, QPointF(-1000, -1000), global, Qt::NoButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(m_overlay, &move);
}

void tst_DonutInput::sendRelease(Qt::MouseButton button, Qt::MouseButtons stillHeld, Qt::KeyboardModifiers modifiers)
{
    const QPoint global = QCursor::pos();
    QMouseEvent release(QEvent::MouseButtonRelease, m_overlay->mapFromGlobal(global), global, button, stillHeld,
                        modifiers);
    QApplication::sendEvent(m_overlay, &release);
}

QVector<PostedMove> tst_DonutInput::recordPostedMoves()
{
    QCoreApplication::processEvents();
    return m_postedMoves;
}

void tst_DonutInput::armingTwiceKeepsSavedState()
{
    // A negative value checks that the 16 bits survive the round trip.
    standin::setCursorMode(-3);
    m_viewWidget->setCursor(Qt::CrossCursor);
    m_overlay->m_pressPoint = m_press;

    m_overlay->arm(m_view);
    QVERIFY(m_overlay->m_armed);
    QCOMPARE(standin::cursorMode(), short(32));
    QCOMPARE(m_viewWidget->cursor().shape(), Qt::ArrowCursor);

    m_overlay->arm(m_view);
    QCursor::setPos(m_viewWidget->mapToGlobal(m_press));
    m_overlay->showDonut();
    m_overlay->arm(m_view);
    QVERIFY(!m_overlay->m_armed);
    sendRelease(Qt::RightButton, Qt::NoButton, Qt::NoModifier);

    QCOMPARE(standin::cursorMode(), short(-3));
    QCOMPARE(m_viewWidget->cursor().shape(), Qt::CrossCursor);
}

void tst_DonutInput::showAtPressPoint_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("4 regions") << 4;
    QTest::newRow("8 regions") << 8;
}

void tst_DonutInput::showAtPressPoint()
{
    QFETCH(int, count);
    useScheme(count);

    startGesture(QPoint(0, 0));

    // The zero offset points up; the ring holds the input, centred on the press.
    QCOMPARE(m_overlay->currentRegion(), 0);
    QVERIFY(!m_overlay->isCommitted());
    QVERIFY(m_overlay->isVisible());
    QCOMPARE(QWidget::mouseGrabber(), m_overlay);
    QCOMPARE(QWidget::keyboardGrabber(), m_overlay);
    QCOMPARE(m_overlay->size(), QSize(250, 250));
    QCOMPARE(m_overlay->geometry().center() + QPoint(1, 1), m_viewWidget->mapToGlobal(m_press));
}

void tst_DonutInput::pointerMove_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QPoint>("shownAt"); // the cursor's offset when the ring shows
    QTest::addColumn<QPoint>("movedTo");
    QTest::addColumn<int>("region");     // the current region afterwards
    QTest::addColumn<bool>("ends");      // the move ends the gesture with its choice

    // Screen offsets: y grows downwards. Within 20 pixels (Manhattan) nothing changes.
    const QPoint o;
    QTest::newRow("4: 20 right is inside") << 4 << o << QPoint(20, 0) << 0 << false;
    QTest::newRow("4: 20 down is inside") << 4 << o << QPoint(0, 20) << 0 << false;
    QTest::newRow("4: 10 left 10 down is inside") << 4 << o << QPoint(-10, 10) << 0 << false;
    QTest::newRow("4: 21 right is outside") << 4 << o << QPoint(21, 0) << 3 << false;
    QTest::newRow("4: 21 down is outside") << 4 << o << QPoint(0, 21) << 2 << false;
    QTest::newRow("4: 11 left 10 down is outside") << 4 << o << QPoint(-11, 10) << 1 << false;
    QTest::newRow("8: 10 right 10 down is inside") << 8 << o << QPoint(10, 10) << 0 << false;
    QTest::newRow("8: 21 right is outside") << 8 << o << QPoint(21, 0) << 6 << false;
    QTest::newRow("8: 11 left 10 up is outside") << 8 << o << QPoint(-11, -10) << 1 << false;
    // More than 69 pixels from the centre commits.
    QTest::newRow("4: 69 right stays") << 4 << o << QPoint(69, 0) << 3 << false;
    QTest::newRow("4: 70 right commits") << 4 << o << QPoint(70, 0) << 3 << true;
    QTest::newRow("4: 70 up commits") << 4 << o << QPoint(0, -70) << 0 << true;
    QTest::newRow("8: 48 right 48 down (67.9) stays") << 8 << o << QPoint(48, 48) << 5 << false;
    QTest::newRow("8: 49 right 49 down (69.3) commits") << 8 << o << QPoint(49, 49) << 5 << true;
    // A flick is committed when shown; a move inside the dead zone keeps it, one outside ends it.
    QTest::newRow("flick, then inside the dead zone") << 4 << QPoint(80, 0) << QPoint(5, 5) << 3 << false;
    QTest::newRow("flick, then outside") << 4 << QPoint(80, 0) << QPoint(30, 0) << 3 << true;
}

void tst_DonutInput::pointerMove()
{
    QFETCH(int, count);
    QFETCH(QPoint, shownAt);
    QFETCH(QPoint, movedTo);
    QFETCH(int, region);
    QFETCH(bool, ends);
    useScheme(count);
    standin::setCursorMode(5);
    startGesture(shownAt);
    QVERIFY(QTest::qWaitForWindowExposed(m_overlay));
    QCoreApplication::processEvents();
    const bool flick = m_overlay->isCommitted();
    QCOMPARE(flick, shownAt.manhattanLength() > 69);
    int paints = 0;
    int committedPaints = 0;
    EventWatcher paintWatcher(m_overlay, QEvent::Paint, [&](QEvent *) {
        ++paints;
        committedPaints += m_overlay->isCommitted();
    });

    QElapsedTimer clock;
    clock.start();
    moveTo(movedTo);
    const qint64 elapsed = clock.elapsed();
    QCoreApplication::processEvents();

    QCOMPARE(m_overlay->currentRegion(), region);
    QCOMPARE(m_overlay->isVisible(), !ends);
    QCOMPARE(m_overlay->isCommitted(), flick && !ends);
    // An ended gesture hands the pointer back and tells the view at once.
    QCOMPARE(standin::cursorMode(), short(ends ? 5 : 32));
    QCOMPARE(QWidget::mouseGrabber() == m_overlay, !ends);
    // The ring's move carries the held button; Qt adds one without when the ring hides.
    const QVector<PostedMove> moves = recordPostedMoves();
    QCOMPARE(std::count_if(moves.begin(), moves.end(), [](const PostedMove &move) { return move.buttons == Qt::RightButton; }),
             ends ? 1 : 0);
    if (movedTo.manhattanLength() <= 20)
        QCOMPARE(paints, 0);
    if (ends && !flick) {
        // The committed picture was painted and held before the ring went away.
        QCOMPARE(committedPaints, 1);
        QVERIFY2(elapsed >= kCommitHoldMs, qPrintable(QString::number(elapsed)));
    }
}

void tst_DonutInput::heldFlickEndsOnNextMove()
{
    // A flick shown by the release: its choice is held, and a move without a button ends
    // it before the hold does, with the choice as shown.
    useScheme(4);
    startGesture(QPoint(80, 0));
    m_overlay->endAfterRelease();
    QVERIFY(m_overlay->isVisible());
    const QPoint below = m_viewWidget->mapToGlobal(m_press + QPoint(0, 40));
    QCursor::setPos(below);
    QMouseEvent move(QEvent::MouseMove, m_overlay->mapFromGlobal(below), below, Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(m_overlay, &move);
    QVERIFY(!m_overlay->isVisible());
    QCOMPARE(m_overlay->currentRegion(), 3);
    QCOMPARE(standin::cursorMode(), short(0));
}

void tst_DonutInput::releaseCancels_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<Qt::MouseButtons>("stillHeld");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("right") << int(Qt::RightButton) << Qt::MouseButtons() << Qt::KeyboardModifiers();
    QTest::newRow("left") << int(Qt::LeftButton) << Qt::MouseButtons() << Qt::KeyboardModifiers();
    QTest::newRow("middle") << int(Qt::MiddleButton) << Qt::MouseButtons() << Qt::KeyboardModifiers();
    QTest::newRow("right with Shift, left still held")
        << int(Qt::RightButton) << Qt::MouseButtons(Qt::LeftButton) << Qt::KeyboardModifiers(Qt::ShiftModifier);
}

void tst_DonutInput::releaseCancels()
{
    QFETCH(int, button);
    QFETCH(Qt::MouseButtons, stillHeld);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    useScheme(4);
    standin::setCursorMode(-3);
    m_viewWidget->setCursor(Qt::CrossCursor);
    startGesture(QPoint(0, 0));
    moveTo(QPoint(40, 10));

    sendRelease(Qt::MouseButton(button), stillHeld, modifiers);

    // What the tracker collects: finished, and nothing to run.
    QVERIFY(m_overlay->m_finished);
    QVERIFY(!m_overlay->m_accepted);
    QVERIFY(!m_overlay->isVisible());
    // The region stays readable until the next show.
    QCOMPARE(m_overlay->currentRegion(), 3);
    QCOMPARE(standin::cursorMode(), short(-3));
    QCOMPARE(m_viewWidget->cursor().shape(), Qt::CrossCursor);
    QVERIFY(!QWidget::mouseGrabber());
    QVERIFY(!QWidget::keyboardGrabber());

    // Sent at once: input queued behind it must not reach the view first.
    QCOMPARE(m_postedMoves.size(), 1);
    const QVector<PostedMove> moves = recordPostedMoves();
    QCOMPARE(moves.size(), 1);
    QCOMPARE(moves.first().position, QPointF(m_press + QPoint(40, 10)));
    QCOMPARE(moves.first().button, Qt::NoButton);
    QCOMPARE(moves.first().buttons, stillHeld);
    QCOMPARE(moves.first().modifiers, modifiers);
}

void tst_DonutInput::nextGestureStartsWithoutRegion()
{
    useScheme(4);
    startGesture(QPoint(0, 0));
    moveTo(QPoint(40, 0));
    sendRelease(Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QCOMPARE(m_overlay->currentRegion(), 3);
    m_overlay->m_finished = false;

    // 60 degrees: inside the right region's sticky window, but in the top sector.
    startGesture(QPoint(30, -52));

    QCOMPARE(m_overlay->currentRegion(), 0);
}

void tst_DonutInput::keysChangeNothing_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("Escape") << Qt::Key_Escape << Qt::KeyboardModifiers();
    QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers();
    QTest::newRow("Ctrl+Z") << Qt::Key_Z << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void tst_DonutInput::keysChangeNothing()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    useScheme(4);
    startGesture(QPoint(0, 0));
    moveTo(QPoint(40, 0));
    QSignalSpy finished(m_overlay, &QDialog::finished);

    QTest::keyClick(m_overlay, key, modifiers);

    QVERIFY(m_overlay->isVisible());
    QCOMPARE(m_overlay->currentRegion(), 3);
    QCOMPARE(standin::cursorMode(), short(32));
    QCOMPARE(QWidget::keyboardGrabber(), m_overlay);
    QCOMPARE(finished.count(), 0);
}

void tst_DonutInput::shortcutOverrideConsumed()
{
    QMainWindow *window = standin::mainWindow();
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QShortcut shortcut(QKeySequence(QStringLiteral("Ctrl+S")), window);
    shortcut.setContext(Qt::ApplicationShortcut);
    QSignalSpy activated(&shortcut, &QShortcut::activated);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(activated.count(), 1);

    startGesture(QPoint(0, 0));
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_S, Qt::ControlModifier);
    override.ignore();
    QVERIFY(QApplication::sendEvent(m_overlay, &override));
    QVERIFY(override.isAccepted());
    QTest::keyClick(m_overlay, Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(activated.count(), 1);
    QVERIFY(m_overlay->isVisible());
}

void tst_DonutInput::destructionClearsStatusLine_data()
{
    QTest::addColumn<int>("absentLink");
    QTest::addColumn<bool>("cleared");

    QTest::newRow("all links present") << -1 << true;
    QTest::newRow("no services") << int(standin::Link::SystemServices) << false;
    QTest::newRow("no main frame") << int(standin::Link::MainFrame) << false;
    QTest::newRow("no status line") << int(standin::Link::StatusLine) << false;
}

void tst_DonutInput::destructionClearsStatusLine()
{
    QFETCH(int, absentLink);
    QFETCH(bool, cleared);
    GetFxSystemServices()->GetMainFrame()->GetStatusLine()->SetStatusText(CFxString("Draws a line"), true);
    const int before = standin::statusTexts().size();

    if (absentLink >= 0)
        standin::setPresent(standin::Link(absentLink), false);
    delete m_overlay;
    m_overlay = nullptr;
    if (absentLink >= 0)
        standin::setPresent(standin::Link(absentLink), true);

    const QStringList texts = standin::statusTexts();
    QCOMPARE(texts.size(), before + (cleared ? 1 : 0));
    QCOMPARE(texts.last(), cleared ? QString() : QStringLiteral("Draws a line"));
}

QTEST_MAIN(tst_DonutInput)
#include "tst_donutinput.moc"
