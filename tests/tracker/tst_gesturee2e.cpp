// Strokewheel - mouse gestures for CAD drawing views.
// Gestures from end to end through the module file the host loads: a right-button drag in
// a drawing view shows the ring and runs the picked region's command.
#include "DrawingViewFixture.h"
#include "GestureTestHost.h"

#include "standin/Document.h"
#include "standin/ModuleLoader.h"

#include <QMenu>
#include <QtTest>

#include <memory>

using gesturetest::ViewMouse;

namespace {

// Counts the mouse moves a widget receives.
class MoveCounter : public QObject
{
public:
    explicit MoveCounter(QWidget *widget) { widget->installEventFilter(this); }
    int moves = 0;
    Qt::MouseButtons lastButtons;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove) {
            ++moves;
            lastButtons = static_cast<QMouseEvent *>(event)->buttons();
        }
        return false;
    }
};

const QPoint pressPoint(220, 160);

QWidget *visibleRing()
{
    const QList<QWidget *> rings = gesturetest::overlays();
    return rings.size() == 1 && rings.first()->isVisible() ? rings.first() : nullptr;
}

} // namespace

class tst_GestureEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pickRunsRegionCommandOnce();
    void releaseBeforePickRunsNothing();
    void rightClick_data();
    void rightClick();
    void twoDocumentsOneRing();
    void unloadingDropsConfiguration();

private:
    void load();
    // Press at press in the current view and pick region of the 8 by dragging out through it.
    void pick(const QPoint &press, int region);

    QString m_modulePath;
    standin::ModuleLoader m_loader;
    std::unique_ptr<ViewMouse> m_mouse;
    standin::Document *m_document = nullptr;
    QWidget *m_view = nullptr;
};

void tst_GestureEndToEnd::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_modulePath = qEnvironmentVariable("STROKEWHEEL_MODULE");
    QVERIFY2(!m_modulePath.isEmpty(), "STROKEWHEEL_MODULE names no module file");
}

void tst_GestureEndToEnd::init()
{
    standin::reset();
    gesturetest::assignGestureMacros(gesturetest::eightMacros(), gesturetest::fourMacros());
    QVERIFY(gesturetest::openDrawingView(m_document, m_view));
    m_mouse = std::make_unique<ViewMouse>(m_view);
    load();
}

void tst_GestureEndToEnd::cleanup()
{
    gesturetest::closeContextMenus();
    m_mouse.reset();
    m_loader.unload();
}

void tst_GestureEndToEnd::load()
{
    QString error;
    QVERIFY2(m_loader.load(m_modulePath, &error), qPrintable(error));
}

void tst_GestureEndToEnd::pick(const QPoint &press, int region)
{
    m_mouse->press(press);
    m_mouse->moveTo(press + gesturetest::outThrough(region, 8, 25));
    m_mouse->moveTo(press + gesturetest::outThrough(region, 8, 30));
    QVERIFY(visibleRing());
    m_mouse->moveTo(press + gesturetest::outThrough(region, 8, 75));
    QVERIFY(!visibleRing());
    m_mouse->moveTo(press + gesturetest::outThrough(region, 8, 90));
}

void tst_GestureEndToEnd::pickRunsRegionCommandOnce()
{
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(0, -21));
    QVERIFY(!visibleRing());
    m_mouse->moveTo(pressPoint + QPoint(0, -22));
    QWidget *ring = visibleRing();
    QVERIFY(ring);
    QCOMPARE(ring->geometry(), gesturetest::ringGeometryAround(m_view, pressPoint));
    QCOMPARE(standin::cursorMode(), short(32));

    m_mouse->moveTo(pressPoint + QPoint(0, -70));
    QVERIFY(!ring->isVisible());
    QVERIFY(standin::executedCommands().isEmpty());

    // The next move in the view hands the pick to the host, which runs it.
    m_mouse->moveTo(pressPoint + QPoint(0, -80));
    m_mouse->moveTo(pressPoint + QPoint(0, -90));
    m_mouse->release();
    m_mouse->moveTo(pressPoint);

    const QList<standin::ExecutedCommand> executed = standin::executedCommands();
    QCOMPARE(executed.size(), 1);
    QCOMPARE(executed.first().text, QStringLiteral("^C^C_LINE"));
    QVERIFY(executed.first().menuMacro);
    QVERIFY(!executed.first().addToHistory);
    QCOMPARE(standin::contextMenuCount(), 0);
    QCOMPARE(standin::cursorMode(), short(0));
}

void tst_GestureEndToEnd::releaseBeforePickRunsNothing()
{
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(21, 0));
    m_mouse->moveTo(pressPoint + QPoint(30, 5));
    QVERIFY(visibleRing());

    MoveCounter counter(m_view);
    m_mouse->release();
    QVERIFY(!visibleRing());
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    QCOMPARE(counter.moves, 1);
    QCOMPARE(counter.lastButtons, Qt::NoButton);
    QVERIFY(standin::executedCommands().isEmpty());
    QCOMPARE(standin::contextMenuCount(), 0);
    QCOMPARE(standin::cursorMode(), short(0));

    // Tracking ended with it: the next drag is a gesture of its own.
    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(-21, 0));
    m_mouse->moveTo(pressPoint + QPoint(-22, 0));
    QVERIFY(visibleRing());
}

void tst_GestureEndToEnd::rightClick_data()
{
    QTest::addColumn<QPoint>("drag");
    QTest::addColumn<int>("menus");

    QTest::newRow("click") << QPoint() << 1;
    QTest::newRow("drag of 20 pixels") << QPoint(12, -8) << 1;
    QTest::newRow("drag of 21 pixels") << QPoint(12, -9) << 0;
}

void tst_GestureEndToEnd::rightClick()
{
    QFETCH(QPoint, drag);
    QFETCH(int, menus);

    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + drag);
    m_mouse->release();

    QCOMPARE(standin::contextMenuCount(), menus);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QCOMPARE(menu != nullptr, menus == 1);
    if (menu)
        QCOMPARE(menu->parentWidget(), m_view);
    QVERIFY(standin::executedCommands().isEmpty());
}

void tst_GestureEndToEnd::twoDocumentsOneRing()
{
    pick(pressPoint, 2);
    QCOMPARE(standin::executedCommandTexts(), QStringList{QStringLiteral("^C^C_ZOOM _E")});
    m_mouse->release();

    standin::Document *second = standin::openDocument(QStringLiteral("Drawing2"));
    QWidget *secondView = standin::viewWidget(second);
    QCoreApplication::processEvents();
    m_mouse->setView(secondView);
    const QPoint secondPress(120, 90);
    m_mouse->press(secondPress);
    m_mouse->moveTo(secondPress + QPoint(25, 0));
    m_mouse->moveTo(secondPress + QPoint(30, 0));
    QWidget *ring = visibleRing();
    QVERIFY(ring);
    QCOMPARE(ring->geometry(), gesturetest::ringGeometryAround(secondView, secondPress));
    m_mouse->moveTo(secondPress + QPoint(75, 0));
    m_mouse->moveTo(secondPress + QPoint(90, 0));

    QCOMPARE(standin::executedCommandTexts(),
             (QStringList{QStringLiteral("^C^C_ZOOM _E"), QStringLiteral("^C^C_ERASE")}));
    QCOMPARE(gesturetest::overlays().size(), 1);
}

void tst_GestureEndToEnd::unloadingDropsConfiguration()
{
    standin::SettingsStore *store = standin::settingsStore();
    store->clear();

    // The first input event creates the configuration, which stores what it loaded.
    m_mouse->moveTo(pressPoint);
    QStringList keys = store->keys(gesturetest::section());
    keys.sort();
    QStringList expectedKeys = {QStringLiteral("EnableMouseGesture"), QStringLiteral("ActiveScheme")};
    for (const QChar scheme : {QLatin1Char('4'), QLatin1Char('8')}) {
        for (int number = 1; number <= scheme.digitValue(); ++number)
            expectedKeys.append(scheme + QString::number(number));
    }
    expectedKeys.sort();
    QCOMPARE(keys, expectedKeys);
    QCOMPARE(store->text(gesturetest::section(), QStringLiteral("EnableMouseGesture")), QStringLiteral("1"));

    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(25, 0));
    m_mouse->moveTo(pressPoint + QPoint(30, 0));
    QVERIFY(visibleRing());
    m_mouse->release();
    QCoreApplication::processEvents();

    store->setText(gesturetest::section(), QStringLiteral("EnableMouseGesture"), QStringLiteral("0"));
    m_loader.unload();
    QVERIFY(gesturetest::overlays().isEmpty());
    load();

    m_mouse->press(pressPoint);
    m_mouse->moveTo(pressPoint + QPoint(25, 0));
    m_mouse->moveTo(pressPoint + QPoint(30, 0));
    QVERIFY(gesturetest::overlays().isEmpty());
    m_mouse->release();
    QCOMPARE(standin::contextMenuCount(), 1);
    QVERIFY(standin::executedCommands().isEmpty());
    QCOMPARE(store->text(gesturetest::section(), QStringLiteral("EnableMouseGesture")), QStringLiteral("0"));
}

QTEST_MAIN(tst_GestureEndToEnd)
#include "tst_gesturee2e.moc"
