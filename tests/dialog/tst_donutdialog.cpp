// Strokewheel - mouse gestures for CAD drawing views.
// The "Mouse Gestures" dialog driven as a user drives it: opening states, schemes,
// reset, descriptions, OK and Cancel.
#include "dialog/K2CommandRZModel.h"
#include "dialog/K2CommandRZSortFilterProxyModel.h"
#include "dialog/K2DonutDialogManager.h"
#include "host/CFxUtils.h"

#include "DialogUnderTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
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

Settings factorySettings()
{
    return testsupport::factorySettings();
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

} // namespace

class tst_DonutDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void widthStaysFixed();
    void helpShowsTopic9000();
    void categoriesComeFromTopLevelMenus();
    void categoriesWithoutMenus();

    void openingState_data();
    void openingState();
    void enableBoxSwitchesWorkingControls();
    void isFactoryDefault_data();
    void isFactoryDefault();
    void directionIcons_data();
    void directionIcons();
    void switchingSchemesRebuildsRegionList();

    void resetAnsweredOk();
    void resetAnsweredCancel();
    void resetThenCancelKeepsFactorySettings();
    void okSavesWhatTheTableShows();
    void cancelSavesNothing_data();
    void cancelSavesNothing();

    void description_data();
    void description();
    void sheetOnlyCommandFromSheetAsksNothing();
    void severalRowsEmptyTheDescription();
    void selectionChangedSlotSkipsRestrictionTest();
    void pictures_data();
    void pictures();
};

void tst_DonutDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

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

void tst_DonutDialog::helpShowsTopic9000()
{
    DialogUnderTest test;
    QTest::ignoreMessage(QtInfoMsg, "Help topic 9000");
    QTest::mouseClick(test.button(QDialogButtonBox::Help), Qt::LeftButton);
    QVERIFY(!test.dialog.result());
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

void tst_DonutDialog::isFactoryDefault_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("scheme");
    QTest::addColumn<Settings>("regions");
    QTest::addColumn<bool>("excludeTrim");
    QTest::addColumn<bool>("factory");

    QTest::newRow("factory") << true << 8 << Settings() << false << true;
    QTest::newRow("disabled gestures do not count") << false << 8 << Settings() << false << true;
    QTest::newRow("four-gesture regions do not count")
        << true << 8
        << Settings{{QStringLiteral("41"), QStringLiteral("ID_PAN")}, {QStringLiteral("44"), QString()}}
        << false << true;
    QTest::newRow("an empty eight-gesture region") << true << 8 << Settings{{QStringLiteral("85"), QString()}}
                                                   << false << false;
    QTest::newRow("two eight-gesture regions swapped")
        << true << 8
        << Settings{{QStringLiteral("81"), QStringLiteral("ID_OPEN")}, {QStringLiteral("83"), QStringLiteral("ID_ZOOM_BOUNDS")}}
        << false << false;
    QTest::newRow("four gestures chosen") << true << 4 << Settings() << false << false;
    QTest::newRow("factory command missing from the host") << true << 8 << Settings() << true << false;
}

void tst_DonutDialog::isFactoryDefault()
{
    QFETCH(bool, enabled);
    QFETCH(int, scheme);
    QFETCH(Settings, regions);
    QFETCH(bool, excludeTrim);
    QFETCH(bool, factory);

    if (excludeTrim)
        standin::catalogue()->command(QStringLiteral("ID_TRIM"))->setExcluded(true);
    dialogtest::storeSettings(enabled, scheme, regions);
    DialogUnderTest test;
    QCOMPARE(test.dialog.isFactoryDefault(), factory);
}

void tst_DonutDialog::directionIcons_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("direction");

    QTest::newRow("four: 0") << 4 << 0 << QString();
    QTest::newRow("four: 1 up") << 4 << 1 << QStringLiteral("up");
    QTest::newRow("four: 2 left") << 4 << 2 << QStringLiteral("left");
    QTest::newRow("four: 3 down") << 4 << 3 << QStringLiteral("down");
    QTest::newRow("four: 4 right") << 4 << 4 << QStringLiteral("right");
    QTest::newRow("four: 5") << 4 << 5 << QString();
    QTest::newRow("eight: 0") << 8 << 0 << QString();
    QTest::newRow("eight: 2 up and left") << 8 << 2 << QStringLiteral("up_left");
    QTest::newRow("eight: 4 down and left") << 8 << 4 << QStringLiteral("down_left");
    QTest::newRow("eight: 6 down and right") << 8 << 6 << QStringLiteral("down_right");
    QTest::newRow("eight: 7 right") << 8 << 7 << QStringLiteral("right");
    QTest::newRow("eight: 8 up and right") << 8 << 8 << QStringLiteral("up_right");
    QTest::newRow("eight: 9") << 8 << 9 << QString();
    QTest::newRow("eight: -1") << 8 << -1 << QString();
}

void tst_DonutDialog::directionIcons()
{
    QFETCH(int, scheme);
    QFETCH(int, number);
    QFETCH(QString, direction);

    dialogtest::storeSettings(true, scheme);
    DialogUnderTest test;
    const QIcon icon = test.dialog.directionIcon(number);
    if (direction.isEmpty()) {
        QVERIFY(icon.isNull());
        return;
    }
    const QIcon expected =
        CFxUtils::loadIcon(direction, QString(), QStringLiteral(":/strokewheelimages/Resources"), 0);
    QVERIFY2(!expected.isNull(), "the arrow resources are not compiled in");
    QCOMPARE(iconImage(icon), iconImage(expected));
    const QIcon up = CFxUtils::loadIcon(QStringLiteral("up"), QString(), QStringLiteral(":/strokewheelimages/Resources"), 0);
    QCOMPARE(iconImage(icon) == iconImage(up), direction == QStringLiteral("up"));
}

void tst_DonutDialog::switchingSchemesRebuildsRegionList()
{
    DialogUnderTest test;
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
    for (int number = 1; number <= 4; ++number) {
        const QModelIndex item = regions->index(number, 0);
        QVERIFY(!item.data(Qt::DisplayRole).isValid());
        QCOMPARE(iconImage(item.data(Qt::DecorationRole).value<QIcon>()),
                 iconImage(test.dialog.directionIcon(number)));
    }
    QCOMPARE(test.proxy->rowCount(), 4);   // re-filtered for the four-gesture regions
    QCOMPARE(test.shownIndex("ID_LINE", 3).data(Qt::EditRole).toInt(), 4);
    QVERIFY(!test.shownIndex("ID_TRIM", 3).isValid());
    QVERIFY(test.widget("reset_pushButton")->isEnabled());

    QTest::mouseClick(test.child<QRadioButton>("eight_radioButton"), Qt::LeftButton);
    QCOMPARE(test.dialog.eightGestures(), 1u);
    QCOMPARE(regions->rowCount(), 9);
    QCOMPARE(test.proxy->rowCount(), 8);
    QCOMPARE(test.shownIndex("ID_LINE", 3).data(Qt::EditRole).toInt(), 7);
    QVERIFY(test.widget("reset_pushButton")->isEnabled());   // not touched by the switch back
}

void tst_DonutDialog::resetAnsweredOk()
{
    dialogtest::storeSettings(true, 4, {{QStringLiteral("41"), QStringLiteral("ID_CIRCLE")},
                                        {QStringLiteral("83"), QStringLiteral("ID_PAN")}});
    standin::setAppTitle(QStringLiteral("Corvanta CAD \u00e9dition"));
    DialogUnderTest test;
    test.choose("ID_ABOUT", 2);
    QCOMPARE(test.entry("ID_ABOUT").region4, quint8(2));
    QVERIFY(test.child<QRadioButton>("four_radioButton")->isChecked());

    standin::queueMessageAnswer(1);
    QTest::mouseClick(test.widget("reset_pushButton"), Qt::LeftButton);
    const QList<standin::ShownMessage> messages = standin::shownMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text,
             QStringLiteral("This will delete all of the user defined mouse gestures and reset to the factory "
                            "defaults. Do you want to continue?"));
    QCOMPARE(messages.first().title, QStringLiteral("Corvanta CAD \u00e9dition"));
    QCOMPARE(messages.first().flags, 49u);

    QCOMPARE(storedSettings(), factorySettings());
    QCOMPARE(test.entry("ID_ABOUT").region4, quint8(0));   // the table was reloaded
    QCOMPARE(test.entry("ID_CIRCLE").region4, quint8(0));
    QCOMPARE(test.entry("ID_OPEN").region8, quint8(3));
    QVERIFY(test.child<QRadioButton>("eight_radioButton")->isChecked());
    QCOMPARE(test.dialog.eightGestures(), 1u);
    QVERIFY(!test.widget("reset_pushButton")->isEnabled());
    QVERIFY(test.child<QCheckBox>("enableGesture_checkBox")->isChecked());
}

void tst_DonutDialog::resetAnsweredCancel()
{
    dialogtest::storeSettings(true, 4, {{QStringLiteral("41"), QStringLiteral("ID_CIRCLE")}});
    DialogUnderTest test;
    test.choose("ID_ABOUT", 2);
    const Settings before = storedSettings();

    standin::queueMessageAnswer(2);
    QTest::mouseClick(test.widget("reset_pushButton"), Qt::LeftButton);
    QCOMPARE(standin::shownMessages().size(), 1);
    QCOMPARE(storedSettings(), before);
    QCOMPARE(test.entry("ID_ABOUT").region4, quint8(2));
    QCOMPARE(test.entry("ID_CIRCLE").region4, quint8(1));
    QVERIFY(test.child<QRadioButton>("four_radioButton")->isChecked());
    QVERIFY(test.widget("reset_pushButton")->isEnabled());
}

void tst_DonutDialog::resetThenCancelKeepsFactorySettings()
{
    dialogtest::storeSettings(false, 4, {{QStringLiteral("44"), QStringLiteral("ID_CIRCLE")}});
    DialogUnderTest test;
    const int result = execWith(test.dialog, [&] {
        QTest::mouseClick(test.child<QCheckBox>("enableGesture_checkBox"), Qt::LeftButton);
        standin::queueMessageAnswer(1);
        QTest::mouseClick(test.widget("reset_pushButton"), Qt::LeftButton);
        QTest::mouseClick(test.button(QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(storedSettings(), factorySettings());
    QCOMPARE(K2GestureConfig::instance()->eightGestures, 1u);
    QVERIFY(K2GestureConfig::instance()->matchesFactoryEightGestures());
}

void tst_DonutDialog::okSavesWhatTheTableShows()
{
    dialogtest::storeSettings(false, 8);
    DialogUnderTest test;
    const int result = execWith(test.dialog, [&] {
        QTest::mouseClick(test.child<QCheckBox>("enableGesture_checkBox"), Qt::LeftButton);
        test.choose("ID_CIRCLE", 3);   // takes Open's left
        test.choose("ID_PAN", 6);      // takes Single Line Text's down and right
        QTest::mouseClick(test.child<QRadioButton>("four_radioButton"), Qt::LeftButton);
        test.choose("ID_ABOUT", 3);    // takes Save's down in both schemes
        QTest::mouseClick(test.button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    Settings expected = factorySettings();
    expected[QStringLiteral("ActiveScheme")] = QStringLiteral("4");
    expected[QStringLiteral("42")] = QStringLiteral("ID_CIRCLE");
    expected[QStringLiteral("43")] = QStringLiteral("ID_ABOUT");
    expected[QStringLiteral("83")] = QStringLiteral("ID_CIRCLE");
    expected[QStringLiteral("85")] = QStringLiteral("ID_ABOUT");
    expected[QStringLiteral("86")] = QStringLiteral("ID_PAN");
    QCOMPARE(storedSettings(), expected);
    QCOMPARE(K2GestureConfig::instance()->enabled, true);
    QCOMPARE(K2GestureConfig::instance()->eightGestures, 0u);
}

void tst_DonutDialog::cancelSavesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << QStringLiteral("cancel");
    QTest::newRow("Escape key") << QStringLiteral("escape");
    QTest::newRow("window closed") << QStringLiteral("close");
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
        else if (how == QLatin1String("escape"))
            QTest::keyClick(&test.dialog, Qt::Key_Escape);
        else
            test.dialog.close();
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
    QTest::addColumn<bool>("restricted");
    QTest::addColumn<int>("kind");

    QTest::newRow("unrestricted") << "ID_LINE" << false << QString() << false << 0;
    QTest::newRow("block editor") << "ID_BCLOSE" << false << "Command active in block editor only." << true << 1;
    QTest::newRow("block editor, from a sheet")
        << "ID_BCLOSE" << true << "Command active in block editor only." << true << 1;
    QTest::newRow("component") << "ID_COMPCLOSE" << false << "Command active during EditComponent only." << true
                               << 2;
    QTest::newRow("sheet, from model space") << "ID_MVIEW" << false << "Command active in Sheet area only" << true
                                             << 3;
    QTest::newRow("sheet, from a sheet") << "ID_MVIEW" << true << "Command active in Sheet area only" << false << 0;
}

void tst_DonutDialog::description()
{
    QFETCH(QString, id);
    QFETCH(bool, openedInSheet);
    QFETCH(QString, line);
    QFETCH(bool, restricted);
    QFETCH(int, kind);

    DialogUnderTest test(openedInSheet);
    test.press(qPrintable(id));
    const QString caption = test.entry(qPrintable(id)).caption;
    const QString expected = dialogtest::helpTextOf(caption) + (line.isEmpty() ? QString() : QLatin1Char('\n') + line);
    QCOMPARE(test.description(), expected);
    QVERIFY(test.widget("description_label")->isEnabled());
    QCOMPARE(test.model->isRestricted(), restricted);
    QCOMPARE(test.model->restrictionKind(), kind);
    QVERIFY(test.openEditor());
}

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

    DialogUnderTest fromModelSpace(false);
    fromModelSpace.press("ID_MVIEW");
    standin::queueMessageAnswer(7);
    fromModelSpace.choose("ID_MVIEW", 2);
    QCOMPARE(standin::shownMessages().size(), 1);
    QCOMPARE(standin::shownMessages().first().text,
             QStringLiteral("Command active in Sheet area only. Do you want to assign command to mouse gesture?"));
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

void tst_DonutDialog::selectionChangedSlotSkipsRestrictionTest()
{
    DialogUnderTest test;
    test.model->setRestriction(true, 2);   // as left by a row pressed before
    test.view->selectRow(test.shownIndex("ID_BCLOSE", 0).row());
    test.dialog.viewSelectionChanged(QItemSelection(), QItemSelection());
    QCOMPARE(test.description(), dialogtest::helpTextOf(QStringLiteral("Close Block Editor")));
    QCOMPARE(test.model->restrictionKind(), 2);   // untouched
    QVERIFY(test.model->isRestricted());
    QComboBox *combo = test.openEditor();
    QVERIFY(combo);
    QCOMPARE(combo->geometry(), test.view->visualRect(test.shownIndex("ID_BCLOSE", 3)));
}

void tst_DonutDialog::pictures_data()
{
    QTest::addColumn<int>("colourScheme");
    QTest::addColumn<int>("scheme");
    QTest::newRow("light, 8 gestures") << 0 << 8;
    QTest::newRow("light, 4 gestures") << 0 << 4;
    QTest::newRow("dark, 8 gestures") << 2 << 8;
    QTest::newRow("dark, 4 gestures") << 2 << 4;
}

// The dialog with an open region list, as the user sees it. Set STROKEWHEEL_PICTURES
// to a folder to keep the pictures.
void tst_DonutDialog::pictures()
{
    QFETCH(int, colourScheme);
    QFETCH(int, scheme);
    standin::setColorScheme(colourScheme);
    dialogtest::storeSettings(true, scheme);
    DialogUnderTest test;
    test.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&test.dialog));
    test.press("ID_LINE");
    QComboBox *combo = test.openEditor();
    QVERIFY(combo);
    combo->showPopup();
    QWidget *popup = combo->view()->window();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(combo->view()->model()->rowCount(), scheme + 1);

    QImage picture = test.dialog.grab().toImage();
    {
        QPainter painter(&picture);
        painter.drawPixmap(test.dialog.mapFromGlobal(popup->mapToGlobal(QPoint())), popup->grab());
    }
    const QString folder = qEnvironmentVariable("STROKEWHEEL_PICTURES");
    if (!folder.isEmpty()) {
        const QString name = QStringLiteral("dialog_%1_%2.png")
                                 .arg(colourScheme >= 2 ? QStringLiteral("dark") : QStringLiteral("light"))
                                 .arg(scheme);
        QVERIFY(picture.save(QDir(folder).filePath(name)));
    }

    // The icon column of an unselected row (the first one shown) has the host's
    // icon-column colour when dark.
    const QRect iconCell = test.view->visualRect(test.proxy->index(0, 1));
    QVERIFY(test.view->viewport()->rect().contains(iconCell));
    const QPoint probe = test.view->viewport()->mapTo(&test.dialog, iconCell.topLeft() + QPoint(2, 2));
    const QColor iconColumn = picture.pixelColor(probe);
    if (colourScheme >= 2)
        QCOMPARE(iconColumn, CFxUtils::GetLumenColor(2));
    else
        QVERIFY(iconColumn != CFxUtils::GetLumenColor(2));
    combo->hidePopup();
}

QTEST_MAIN(tst_DonutDialog)
#include "tst_donutdialog.moc"
