// Strokewheel - mouse gestures for CAD drawing views.
// The "Mouse Gestures" dialog driven as a user drives it: opening states, schemes,
// reset, descriptions, OK and Cancel.
#include "dialog/K2CommandRZModel.h"
#include "dialog/K2CommandRZSortFilterProxyModel.h"
#include "dialog/K2DonutDialogManager.h"
#include "host/CFxUtils.h"

#include "DialogUnderTest.h"
#include "tests/support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QScreen>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>

using Settings = QMap<QString, QString>;
Q_DECLARE_METATYPE(Settings)

using dialogtest::DialogUnderTest;

namespace {

Settings storedSettings()
{
    Settings settings;
    for (const QString &key : testsupport::allKeys())
        settings.insert(key, dialogtest::storedValue(key));
    return settings;
}

const char *const kWorkingControls[] = {"category_comboBox", "search_lineEdit",  "filter_checkBox",
                                        "four_radioButton",  "eight_radioButton", "print_pushButton",
                                        "reset_pushButton",  "command_tableView"};

// Runs the dialog modally; actions run inside its event loop.
int execWith(K2DonutDialogManager &dialog, const std::function<void()> &actions)
{
    QTimer::singleShot(0, &dialog, [&] {
        actions();
        // A failed check leaves the dialog open: close it so the test can report.
        if (dialog.isVisible())
            dialog.done(-1);
    });
    return dialog.exec();
}

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage();
}

QImage arrow(const QString &direction)
{
    const QIcon icon = CFxUtils::loadIcon(direction, QString(), QStringLiteral(":/strokewheelimages/Resources"), 0);
    return icon.isNull() ? QImage() : iconImage(icon);
}

// The settings OK writes: the stored ones with the changes.
Settings changed(Settings settings, const Settings &changes)
{
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        settings[it.key()] = it.value();
    return settings;
}

} // namespace

class tst_DonutDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void widthStaysFixed();
    void helpShowsTheGesturesPage();
    void categoriesComeFromTopLevelMenus();
    void categoriesWithoutMenus();

    void openingState_data();
    void openingState();
    void enableBoxSwitchesWorkingControls();
    void switchingSchemesRebuildsRegionList();

    void reset_data();
    void reset();
    void okSavesWhatTheTableShows();
    void cancelSavesNothing_data();
    void cancelSavesNothing();

    void description_data();
    void description();
    void sheetOnlyCommandFromSheetAsksNothing();
    void severalRowsEmptyTheDescription();
    void iconColumnColour_data();
    void iconColumnColour();
};

void tst_DonutDialog::init()
{
    standin::reset();
    dialogtest::buildCatalogue();
    dialogtest::storeSettings(true, 8);
}

void tst_DonutDialog::widthStaysFixed()
{
    DialogUnderTest test;
    QVERIFY(!(test.dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QVERIFY(test.dialog.windowFlags() & Qt::WindowCloseButtonHint);
    test.dialog.show();
    QCOMPARE(test.dialog.minimumWidth(), 461);
    QCOMPARE(test.dialog.maximumWidth(), 461);
    test.dialog.resize(800, 700);
    QCOMPARE(test.dialog.width(), 461);
    QCOMPARE(test.dialog.height(), 700);
}

void tst_DonutDialog::helpShowsTheGesturesPage()
{
    DialogUnderTest test;
    test.dialog.show();
    QTest::mouseClick(test.button(QDialogButtonBox::Help), Qt::LeftButton);
    auto *help = test.dialog.findChild<QTextBrowser *>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Mouse Gestures"));
    QVERIFY(test.dialog.isVisible());
}

void tst_DonutDialog::categoriesComeFromTopLevelMenus()
{
    standin::Catalogue *catalogue = standin::catalogue();
    catalogue->addNullMenuGroup();
    standin::MenuGroup *second = catalogue->addMenuGroup(QStringLiteral("EXTRA"));
    second->rootMenu()->addSubMenu(QStringLiteral("&File"));
    second->rootMenu()->addNullItem();
    second->rootMenu()->addItem(QStringLiteral("E&xpress && Tools"));
    catalogue->addMenuGroup(QStringLiteral("NOBAR"), false);
    DialogUnderTest test;
    auto *categories = test.child<QComboBox>("category_comboBox");
    QStringList items;
    for (int i = 0; i < categories->count(); ++i)
        items << categories->itemText(i);
    QCOMPARE(items, (QStringList{QStringLiteral("All Commands"), QStringLiteral("View"), QStringLiteral("File"),
                                 QStringLiteral("Draw"), QStringLiteral("Modify"), QStringLiteral("Annotate"),
                                 QStringLiteral("Zoom Tools"), QStringLiteral("File"),
                                 QStringLiteral("Express  Tools"), QStringLiteral("Others")}));
    QCOMPARE(categories->currentIndex(), 0);
}

void tst_DonutDialog::categoriesWithoutMenus()
{
    standin::catalogue()->clear();
    K2GestureConfig::instance()->reload();
    DialogUnderTest test;
    auto *categories = test.child<QComboBox>("category_comboBox");
    QCOMPARE(categories->count(), 2);
    QCOMPARE(categories->itemText(0), QStringLiteral("All Commands"));
    QCOMPARE(categories->itemText(1), QStringLiteral("Others"));
    QCOMPARE(test.model->rowCount(), 0);
}

void tst_DonutDialog::openingState_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("scheme");
    QTest::addColumn<Settings>("regions");
    QTest::addColumn<bool>("resetEnabled");

    QTest::newRow("gestures disabled") << false << 8 << Settings() << false;
    QTest::newRow("gestures disabled, four gestures") << false << 4 << Settings() << false;
    QTest::newRow("factory settings") << true << 8 << Settings() << false;
    QTest::newRow("four gestures") << true << 4 << Settings() << true;
    QTest::newRow("one eight-gesture region changed")
        << true << 8 << Settings{{QStringLiteral("83"), QStringLiteral("ID_CIRCLE")}} << true;
    QTest::newRow("only four-gesture regions changed")
        << true << 8 << Settings{{QStringLiteral("42"), QStringLiteral("ID_CIRCLE")}} << false;
}

void tst_DonutDialog::openingState()
{
    QFETCH(bool, enabled);
    QFETCH(int, scheme);
    QFETCH(Settings, regions);
    QFETCH(bool, resetEnabled);

    dialogtest::storeSettings(enabled, scheme, regions);
    DialogUnderTest test;
    QCOMPARE(test.child<QCheckBox>("enableGesture_checkBox")->isChecked(), enabled);
    QCOMPARE(test.child<QRadioButton>("four_radioButton")->isChecked(), scheme == 4);
    QCOMPARE(test.child<QRadioButton>("eight_radioButton")->isChecked(), scheme == 8);
    QCOMPARE(test.dialog.eightGestures(), scheme == 8 ? 1u : 0u);
    for (const char *name : kWorkingControls) {
        const bool expected = enabled && (qstrcmp(name, "reset_pushButton") != 0 || resetEnabled);
        QVERIFY2(test.widget(name)->isEnabled() == expected, name);
    }
    QVERIFY(test.widget("enableGesture_checkBox")->isEnabled());
    QVERIFY(test.widget("buttonBox")->isEnabled());
    QVERIFY(test.widget("description_label")->isEnabled());
}

void tst_DonutDialog::enableBoxSwitchesWorkingControls()
{
    dialogtest::storeSettings(false, 8);
    DialogUnderTest test;
    auto *enable = test.child<QCheckBox>("enableGesture_checkBox");
    QTest::mouseClick(enable, Qt::LeftButton);
    QVERIFY(enable->isChecked());
    for (const char *name : kWorkingControls)
        QVERIFY2(test.widget(name)->isEnabled(), name);   // "Reset to Defaults" included

    QTest::mouseClick(enable, Qt::LeftButton);
    for (const char *name : kWorkingControls)
        QVERIFY2(!test.widget(name)->isEnabled(), name);
    QVERIFY(test.widget("label_59")->isEnabled());
    QVERIFY(test.widget("buttonBox")->isEnabled());
    QVERIFY(test.button(QDialogButtonBox::Ok)->isEnabled());
}

void tst_DonutDialog::switchingSchemesRebuildsRegionList()
{
    DialogUnderTest test;
    test.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&test.dialog));
    test.view->edit(test.shownIndex("ID_TRIM", 3));
    QComboBox *combo = test.openEditor();
    QVERIFY(combo);
    QAbstractItemModel *regions = combo->model();
    QCOMPARE(regions->rowCount(), 9);
    QCOMPARE(regions->columnCount(), 1);

    test.child<QCheckBox>("filter_checkBox")->setChecked(true);
    QCOMPARE(test.proxy->rowCount(), 8);
    QTest::mouseClick(test.child<QRadioButton>("four_radioButton"), Qt::LeftButton);
    QCOMPARE(test.dialog.eightGestures(), 0u);
    QCOMPARE(regions->rowCount(), 5);
    QCOMPARE(regions->index(0, 0).data().toString(), QStringLiteral("None"));
    QVERIFY(!arrow("up").isNull());
    // The arrows of the scheme, counter-clockwise from the top.
    const QStringList directions = {"up", "left", "down", "right"};
    for (int number = 1; number <= 4; ++number) {
        const QModelIndex item = regions->index(number, 0);
        QVERIFY(!item.data(Qt::DisplayRole).isValid());
        QCOMPARE(iconImage(item.data(Qt::DecorationRole).value<QIcon>()), arrow(directions.at(number - 1)));
    }
    QCOMPARE(test.proxy->rowCount(), 4);   // re-filtered for the four-gesture regions
    QCOMPARE(test.shownIndex("ID_LINE", 3).data(Qt::EditRole).toInt(), 4);
    QVERIFY(!test.shownIndex("ID_TRIM", 3).isValid());
    QVERIFY(test.widget("reset_pushButton")->isEnabled());

    QTest::mouseClick(test.child<QRadioButton>("eight_radioButton"), Qt::LeftButton);
    QCOMPARE(test.dialog.eightGestures(), 1u);
    QCOMPARE(regions->rowCount(), 9);
    QCOMPARE(iconImage(regions->index(2, 0).data(Qt::DecorationRole).value<QIcon>()), arrow("up_left"));
    QCOMPARE(iconImage(regions->index(8, 0).data(Qt::DecorationRole).value<QIcon>()), arrow("up_right"));
    QCOMPARE(test.proxy->rowCount(), 8);
    QCOMPARE(test.shownIndex("ID_LINE", 3).data(Qt::EditRole).toInt(), 7);
    QVERIFY(test.widget("reset_pushButton")->isEnabled());   // not touched by the switch back

    // On screen at once: the rows that stay shown are painted again with the scheme's arrows
    // (Offset has none of the four).
    test.child<QCheckBox>("filter_checkBox")->setChecked(false);
    test.view->scrollTo(test.shownIndex("ID_OFFSET", 3));
    QCoreApplication::processEvents();
    const QRect line = test.view->visualRect(test.shownIndex("ID_OFFSET", 3));
    const QImage before = test.view->viewport()->grab(line).toImage();
    QVERIFY(!before.isNull());
    test.child<QRadioButton>("four_radioButton")->setChecked(true);
    QCoreApplication::processEvents();
    const QImage shown = test.dialog.windowHandle()->screen()->grabWindow(test.dialog.winId()).toImage().copy(
        QRect(test.view->viewport()->mapTo(&test.dialog, line.topLeft()), line.size()));
    QVERIFY(shown != before);
    QCOMPARE(shown, test.view->viewport()->grab(line).toImage());
}

void tst_DonutDialog::reset_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("OK, then Cancel") << 1;
    QTest::newRow("Cancel") << 2;
}

void tst_DonutDialog::reset()
{
    QFETCH(int, answer);
    dialogtest::storeSettings(true, 4, {{QStringLiteral("41"), QStringLiteral("ID_CIRCLE")}});
    standin::setAppTitle(QStringLiteral("Corvanta CAD \u00e9dition"));
    DialogUnderTest test;
    const Settings before = storedSettings();
    const int result = execWith(test.dialog, [&] {
        test.choose("ID_ABOUT", 2);
        standin::queueMessageAnswer(answer);
        QTest::mouseClick(test.widget("reset_pushButton"), Qt::LeftButton);
        const QList<standin::ShownMessage> messages = standin::shownMessages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().text,
                 QStringLiteral("This will delete all of the user defined mouse gestures and reset to the factory "
                                "defaults. Do you want to continue?"));
        QCOMPARE(messages.first().title, QStringLiteral("Corvanta CAD \u00e9dition"));
        QCOMPARE(messages.first().flags, 49u);
        // The table shows the factory assignment, or still the user's choice.
        QCOMPARE(test.entry("ID_ABOUT").region4, quint8(answer == 1 ? 0 : 2));
        QCOMPARE(test.child<QRadioButton>("eight_radioButton")->isChecked(), answer == 1);
        QCOMPARE(test.widget("reset_pushButton")->isEnabled(), answer != 1);
        QTest::mouseClick(test.button(QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    // An accepted reset is written at once and outlives the Cancel.
    if (answer == 1) {
        QCOMPARE(dialogtest::storedValue(QStringLiteral("ActiveScheme")), QStringLiteral("8"));
        QVERIFY(K2GestureConfig::instance()->matchesFactoryEightGestures());
    } else {
        QCOMPARE(storedSettings(), before);
    }
}

void tst_DonutDialog::okSavesWhatTheTableShows()
{
    dialogtest::storeSettings(false, 8);
    DialogUnderTest test;
    const Settings before = storedSettings();
    const int result = execWith(test.dialog, [&] {
        QTest::mouseClick(test.child<QCheckBox>("enableGesture_checkBox"), Qt::LeftButton);
        test.choose("ID_CIRCLE", 3);   // takes Open's left
        test.choose("ID_PAN", 6);      // takes Single Line Text's down and right
        QTest::mouseClick(test.child<QRadioButton>("four_radioButton"), Qt::LeftButton);
        test.choose("ID_ABOUT", 3);    // takes Save's down in both schemes
        QTest::mouseClick(test.button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(storedSettings(), changed(before, {{QStringLiteral("EnableMouseGesture"), QStringLiteral("1")},
                                                {QStringLiteral("ActiveScheme"), QStringLiteral("4")},
                                                {QStringLiteral("42"), QStringLiteral("ID_CIRCLE")},
                                                {QStringLiteral("43"), QStringLiteral("ID_ABOUT")},
                                                {QStringLiteral("83"), QStringLiteral("ID_CIRCLE")},
                                                {QStringLiteral("85"), QStringLiteral("ID_ABOUT")},
                                                {QStringLiteral("86"), QStringLiteral("ID_PAN")}}));
    QCOMPARE(K2GestureConfig::instance()->enabled, true);
    QCOMPARE(K2GestureConfig::instance()->eightGestures, 0u);
}

void tst_DonutDialog::cancelSavesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << QStringLiteral("cancel");
    QTest::newRow("Escape key") << QStringLiteral("escape");
}

void tst_DonutDialog::cancelSavesNothing()
{
    QFETCH(QString, how);
    DialogUnderTest test;
    const Settings before = storedSettings();
    const int result = execWith(test.dialog, [&] {
        test.choose("ID_CIRCLE", 1);
        QTest::mouseClick(test.child<QCheckBox>("enableGesture_checkBox"), Qt::LeftButton);
        QTest::mouseClick(test.child<QRadioButton>("four_radioButton"), Qt::LeftButton);
        if (how == QLatin1String("cancel"))
            QTest::mouseClick(test.button(QDialogButtonBox::Cancel), Qt::LeftButton);
        else
            QTest::keyClick(&test.dialog, Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(storedSettings(), before);
    QCOMPARE(K2GestureConfig::instance()->eightGestures, 1u);
    QVERIFY(K2GestureConfig::instance()->enabled);
}

void tst_DonutDialog::description_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("openedInSheet");
    QTest::addColumn<QString>("line");

    QTest::newRow("unrestricted") << "ID_LINE" << false << QString();
    QTest::newRow("block editor") << "ID_BCLOSE" << true << "Command active in block editor only.";
    QTest::newRow("component") << "ID_COMPCLOSE" << false << "Command active during EditComponent only.";
    QTest::newRow("sheet, from a sheet") << "ID_MVIEW" << true << "Command active in Sheet area only";
}

void tst_DonutDialog::description()
{
    QFETCH(QString, id);
    QFETCH(bool, openedInSheet);
    QFETCH(QString, line);

    DialogUnderTest test(openedInSheet);
    test.press(qPrintable(id));
    const QString caption = test.entry(qPrintable(id)).caption;
    const QString expected = dialogtest::helpTextOf(caption) + (line.isEmpty() ? QString() : QLatin1Char('\n') + line);
    QCOMPARE(test.description(), expected);
    QVERIFY(test.widget("description_label")->isEnabled());
}

// Only sheet-only commands lose their restriction when the dialog was opened on a sheet.
void tst_DonutDialog::sheetOnlyCommandFromSheetAsksNothing()
{
    DialogUnderTest fromSheet(true);
    fromSheet.press("ID_MVIEW");
    QComboBox *combo = fromSheet.openEditor();
    QVERIFY(combo);
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    QVERIFY(standin::shownMessages().isEmpty());
    QCOMPARE(fromSheet.entry("ID_MVIEW").region8, quint8(2));
    fromSheet.press("ID_BCLOSE");
    standin::queueMessageAnswer(7);
    fromSheet.choose("ID_BCLOSE", 3);
    QCOMPARE(standin::shownMessages().size(), 1);

    DialogUnderTest fromModelSpace(false);
    fromModelSpace.press("ID_MVIEW");
    standin::queueMessageAnswer(7);
    fromModelSpace.choose("ID_MVIEW", 2);
    QCOMPARE(standin::shownMessages().size(), 2);
    QCOMPARE(fromModelSpace.entry("ID_MVIEW").region8, quint8(0));
}

void tst_DonutDialog::severalRowsEmptyTheDescription()
{
    DialogUnderTest test;
    test.dialog.show();
    test.press("ID_LINE");
    QCOMPARE(test.description(), dialogtest::helpTextOf(QStringLiteral("Line")));
    test.press("ID_COPY", 2, Qt::ControlModifier);
    QCOMPARE(test.view->selectionModel()->selectedRows().size(), 2);
    QCOMPARE(test.description(), QString());
    QVERIFY(!test.widget("description_label")->isEnabled());

    test.press("ID_COPY", 2, Qt::ControlModifier);   // back to one row
    QCOMPARE(test.view->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(test.description(), dialogtest::helpTextOf(QStringLiteral("Line")));
    QVERIFY(test.widget("description_label")->isEnabled());

    test.view->clearSelection();
    test.dialog.openEditor(QModelIndex());
    QCOMPARE(test.description(), QString());
    QVERIFY(test.widget("description_label")->isEnabled());
}

void tst_DonutDialog::iconColumnColour_data()
{
    QTest::addColumn<int>("colourScheme");
    QTest::newRow("light") << 0;
    QTest::newRow("dark") << 2;
}

// The icon column of an unselected row has the host's icon-column colour when dark.
void tst_DonutDialog::iconColumnColour()
{
    QFETCH(int, colourScheme);
    standin::setColorScheme(colourScheme);
    DialogUnderTest test;
    test.dialog.show();
    test.press("ID_LINE");
    const QRect iconCell = test.view->visualRect(test.proxy->index(0, 1));
    QVERIFY(test.view->viewport()->rect().contains(iconCell));
    const QColor shown = test.view->viewport()->grab().toImage().pixelColor(iconCell.topLeft() + QPoint(2, 2));
    QCOMPARE(shown == CFxUtils::GetLumenColor(2), colourScheme >= 2);
}

SW_TEST_MAIN(tst_DonutDialog)
#include "tst_donutdialog.moc"
