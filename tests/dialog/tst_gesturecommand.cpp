// Strokewheel - mouse gestures for CAD drawing views.
// The GESTURE command: found by both names, tells the dialog about sheets, opens it
// over the main window, returns 5100 however the dialog ends.
#include "config/K2GestureConfig.h"
#include "dialog/K2DonutDialogManager.h"
#include "module/K2Strokewheel.h"

#include "DialogTestHost.h"
#include "tests/support/TestMain.h"

#include <QDesktopWidget>
#include <QDialogButtonBox>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QtTest>

extern "C" rz_OdRxModule *odrxCreateModuleObject(HMODULE &handle);

Q_DECLARE_METATYPE(standin::Link)

namespace {

// What the dialog looked like while the command ran it.
struct SeenDialog
{
    bool opened = false;
    bool openedInSheet = false;
    QWidget *parent = nullptr;
    bool regionListUnderDesktop = false;
    bool fourGestures = false;
};

// Answers the next modal dialog with button; records what it saw.
void answerDialogWith(QDialogButtonBox::StandardButton button, SeenDialog &seen)
{
    QTimer::singleShot(0, [button, &seen] {
        auto *dialog = qobject_cast<K2DonutDialogManager *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen.opened = true;
        seen.openedInSheet = dialog->openedInSheet();
        seen.parent = dialog->parentWidget();
        seen.regionListUnderDesktop = !QApplication::desktop()->findChildren<QStandardItemModel *>().isEmpty();
        seen.fourGestures = dialog->findChild<QRadioButton *>(QStringLiteral("four_radioButton"))->isChecked();
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QTest::mouseClick(buttons->button(button), Qt::LeftButton);
    });
}

CFxCommand *gestureCommand()
{
    return dynamic_cast<CFxCommand *>(standin::lookupCommand(QStringLiteral("GESTURE")));
}

} // namespace

class tst_GestureCommand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void foundByBothNames();
    void runReturns5100_data();
    void runReturns5100();
    void sheetLayout_data();
    void sheetLayout();
    void notALayoutThrowsAndOpensNothing();
    void parentIsDesktopWithoutMainWindow_data();
    void parentIsDesktopWithoutMainWindow();

private:
    rz_OdRxModule *m_module = nullptr;
};

void tst_GestureCommand::init()
{
    standin::reset();
    dialogtest::buildCatalogue();
    dialogtest::storeSettings(true, 8);
    HMODULE handle = reinterpret_cast<HMODULE>(0x4242);
    m_module = odrxCreateModuleObject(handle);
    m_module->initApp();
}

void tst_GestureCommand::cleanup()
{
    m_module->uninitApp();
    m_module->deleteModule();
    m_module = nullptr;
}

void tst_GestureCommand::foundByBothNames()
{
    OdEdCommand *local = standin::lookupCommand(QStringLiteral("GESTURE"));
    QVERIFY(local);
    QCOMPARE(standin::lookupCommand(QStringLiteral("_GESTURE")), local);
    QCOMPARE(standin::lookupCommand(QStringLiteral("gesture")), local);
    QCOMPARE(local->globalName(), OdString("_GESTURE"));
    QCOMPARE(local->localName(), OdString("GESTURE"));
}

void tst_GestureCommand::runReturns5100_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("confirmed") << int(QDialogButtonBox::Ok);
    QTest::newRow("cancelled") << int(QDialogButtonBox::Cancel);
}

void tst_GestureCommand::runReturns5100()
{
    QFETCH(int, button);
    // Another host saves the 4-gesture scheme after this one loaded its configuration.
    QCOMPARE(K2GestureConfig::instance()->eightGestures, 1u);
    standin::settingsStore()->setText(dialogtest::section(), QStringLiteral("ActiveScheme"), QStringLiteral("4"));
    standin::Document *document = standin::openDocument(QStringLiteral("Drawing1"));
    SeenDialog seen;
    answerDialogWith(QDialogButtonBox::StandardButton(button), seen);
    QCOMPARE(gestureCommand()->Run(standin::makeCommandContext(document).get()), 5100);
    QVERIFY(seen.opened);
    QCOMPARE(seen.parent, static_cast<QWidget *>(standin::mainWindow()));
    QVERIFY(!seen.regionListUnderDesktop);
    // The dialog shows the store as it is now; neither button changes it.
    QVERIFY(seen.fourGestures);
    QCOMPARE(dialogtest::storedValue(QStringLiteral("ActiveScheme")), QStringLiteral("4"));
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_GestureCommand::sheetLayout_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("sheet");
    QTest::newRow("model space") << QStringLiteral("Model") << false;
    QTest::newRow("the first sheet") << QStringLiteral("Sheet1") << true;
    QTest::newRow("an added sheet") << QStringLiteral("Plan A3") << true;
}

// Run through the host's command machinery, as typing the command does.

void tst_GestureCommand::sheetLayout()
{
    QFETCH(QString, layout);
    QFETCH(bool, sheet);
    standin::Document *document = standin::openDocument(QStringLiteral("Drawing1"));
    standin::addSheetLayout(document, QStringLiteral("Plan A3"));
    standin::setCurrentLayout(document, layout);
    QCOMPARE(standin::currentLayout(document), layout);
    SeenDialog seen;
    answerDialogWith(QDialogButtonBox::Cancel, seen);
    standin::lookupCommand(QStringLiteral("_GESTURE"))->execute(standin::makeCommandContext(document).get());
    QVERIFY(seen.opened);
    QCOMPARE(seen.openedInSheet, sheet);
}

void tst_GestureCommand::notALayoutThrowsAndOpensNothing()
{
    standin::Document *document = standin::openDocument(QStringLiteral("Drawing1"));
    standin::setCurrentLayout(document, QStringLiteral("Sheet1"));
    standin::setCurrentLayoutNotALayout(document, true);
    SeenDialog seen;
    answerDialogWith(QDialogButtonBox::Cancel, seen);
    const OdSmartPtr<CFxCommandContext> context = standin::makeCommandContext(document);
    bool thrown = false;
    try {
        gestureCommand()->Run(context.get());
    } catch (const OdError_NotThatKindOfClass &error) {
        thrown = true;
        QCOMPARE(error.wantedClass(), OdDbLayout::desc());
    }
    QVERIFY(thrown);
    QCoreApplication::processEvents();
    QVERIFY(!seen.opened);
}

void tst_GestureCommand::parentIsDesktopWithoutMainWindow_data()
{
    QTest::addColumn<standin::Link>("absent");
    QTest::addColumn<bool>("withDocument");
    QTest::newRow("no main window") << standin::Link::MainWindow << true;
    QTest::newRow("no main frame, no document") << standin::Link::MainFrame << false;
}

void tst_GestureCommand::parentIsDesktopWithoutMainWindow()
{
    QFETCH(standin::Link, absent);
    QFETCH(bool, withDocument);
    standin::Document *document = withDocument ? standin::openDocument(QStringLiteral("Drawing1")) : nullptr;
    if (document)
        standin::setDatabasePresent(document, false);
    standin::setPresent(absent, false);
    SeenDialog seen;
    answerDialogWith(QDialogButtonBox::Cancel, seen);
    QCOMPARE(gestureCommand()->Run(standin::makeCommandContext(document).get()), 5100);
    QVERIFY(seen.opened);
    // Qt keeps a window made over the desktop widget without a parent widget; the
    // dialog's region list does take the desktop as its parent.
    QCOMPARE(seen.parent, nullptr);
    QVERIFY(seen.regionListUnderDesktop);
    QVERIFY(!seen.openedInSheet);
}

SW_TEST_MAIN(tst_GestureCommand)
#include "tst_gesturecommand.moc"
