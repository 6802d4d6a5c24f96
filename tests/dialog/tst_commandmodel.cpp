// Strokewheel - mouse gestures for CAD drawing views.
// The assignment table's model and proxy: roles, the assignment rules of both schemes,
// the restricted-command question, filtering, sorting, and life without the dialog.
#include "dialog/K2CommandRZModel.h"
#include "dialog/K2CommandRZSortFilterProxyModel.h"
#include "dialog/K2DonutDialogManager.h"

#include "DialogUnderTest.h"
#include "tests/support/TestMain.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

using Regions = QVector<QPair<int, int>>;   // (region4, region8) per entry
Q_DECLARE_METATYPE(Regions)

using dialogtest::DialogUnderTest;

namespace {

QVector<K2CommandInfo> entriesWith(const Regions &regions)
{
    QVector<K2CommandInfo> entries;
    for (const auto &pair : regions) {
        K2CommandInfo entry;
        entry.id = QStringLiteral("ID_%1").arg(entries.size());
        entry.region4 = quint8(pair.first);
        entry.region8 = quint8(pair.second);
        entries << entry;
    }
    return entries;
}

Regions regionsOf(const QVector<K2CommandInfo> &entries)
{
    Regions regions;
    for (const K2CommandInfo &entry : entries)
        regions << qMakePair(int(entry.region4), int(entry.region8));
    return regions;
}

// Exposes the proxy's ordering for the paths a view cannot reach.
class ProbeProxy : public K2CommandRZSortFilterProxyModel
{
public:
    using K2CommandRZSortFilterProxyModel::filterAcceptsRow;
    using K2CommandRZSortFilterProxyModel::lessThan;
};

} // namespace

class tst_CommandModel : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void modelTesterFindsNoFault();

    void assignmentRules_data();
    void assignmentRules();
    void setDataTakesOnlyEditsOfTheSelectColumn();
    void assignmentEnablesResetOnlyWhenChanged();
    void restrictedQuestion_data();
    void restrictedQuestion();
    void reloadTakesAFreshCopy();

    void filtering_data();
    void filtering();
    void assignedRowStaysUntilRefiltered();
    void selectSortPutsUnassignedFirst_data();
    void selectSortPutsUnassignedFirst();
    void otherColumnsSortByText();

    void withoutDialog();
    void proxyOverAnotherModelShowsEverything();
};

void tst_CommandModel::init()
{
    standin::reset();
    dialogtest::buildCatalogue();
    dialogtest::storeSettings(true, 8);
}

void tst_CommandModel::modelTesterFindsNoFault()
{
    DialogUnderTest test;
    QCOMPARE(test.model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Select"));
    QAbstractItemModelTester modelTester(test.model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester proxyTester(test.proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QTest::keyClicks(test.child<QLineEdit>("search_lineEdit"), QStringLiteral("zo"));
    test.child<QCheckBox>("filter_checkBox")->setChecked(true);
    test.child<QRadioButton>("four_radioButton")->setChecked(true);
    test.view->sortByColumn(3, Qt::AscendingOrder);
    test.model->setData(test.selectIndex("ID_PAN"), 2);
    test.model->reload();
    test.child<QLineEdit>("search_lineEdit")->clear();
    QCOMPARE(test.proxy->rowCount(), 4);
}

void tst_CommandModel::assignmentRules_data()
{
    QTest::addColumn<bool>("eightGestures");
    QTest::addColumn<Regions>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("region");
    QTest::addColumn<Regions>("after");

    QTest::newRow("four: None clears both numbers and nothing else")
        << false << Regions{{1, 1}, {2, 3}, {0, 0}} << 0 << 0 << Regions{{0, 0}, {2, 3}, {0, 0}};
    QTest::newRow("four: region 2 is taken from its holder")
        << false << Regions{{1, 1}, {2, 3}, {0, 0}} << 2 << 2 << Regions{{1, 1}, {0, 0}, {2, 3}};
    QTest::newRow("four: only the first holder loses the region")
        << false << Regions{{2, 3}, {2, 4}, {0, 0}} << 2 << 2 << Regions{{0, 0}, {2, 4}, {2, 3}};
    QTest::newRow("four: holder's diagonal eight-gesture region goes too")
        << false << Regions{{3, 4}, {0, 0}} << 1 << 3 << Regions{{0, 0}, {3, 5}};
    QTest::newRow("four: the held region again resets its eight-gesture twin")
        << false << Regions{{2, 4}} << 0 << 2 << Regions{{2, 3}};
    QTest::newRow("four: region 4 becomes eight-gesture region 7")
        << false << Regions{{0, 0}} << 0 << 4 << Regions{{4, 7}};

    QTest::newRow("eight: a diagonal keeps region4")
        << true << Regions{{3, 5}, {2, 4}} << 0 << 4 << Regions{{3, 4}, {2, 0}};
    QTest::newRow("eight: odd region sets region4 and clears the holder's")
        << true << Regions{{0, 0}, {3, 5}} << 0 << 5 << Regions{{3, 5}, {0, 0}};
    QTest::newRow("eight: region 1 is four-gesture region 1")
        << true << Regions{{0, 0}} << 0 << 1 << Regions{{1, 1}};
    QTest::newRow("eight: None clears region4 as well")
        << true << Regions{{2, 3}, {1, 1}} << 0 << 0 << Regions{{0, 0}, {1, 1}};
    QTest::newRow("eight: diagonal of a command without region4 leaves it 0")
        << true << Regions{{0, 0}, {0, 8}} << 0 << 8 << Regions{{0, 8}, {0, 0}};
    QTest::newRow("eight: another's region4 twin is untouched by a diagonal")
        << true << Regions{{4, 7}, {0, 6}} << 1 << 6 << Regions{{4, 7}, {0, 6}};
    QTest::newRow("eight: two entries may end with the same region4")
        << true << Regions{{2, 3}, {0, 0}} << 1 << 3 << Regions{{0, 0}, {2, 3}};
}

void tst_CommandModel::assignmentRules()
{
    QFETCH(bool, eightGestures);
    QFETCH(Regions, before);
    QFETCH(int, row);
    QFETCH(int, region);
    QFETCH(Regions, after);

    QVector<K2CommandInfo> entries = entriesWith(before);
    K2CommandRZModel::assignRegion(entries, row, quint8(region), eightGestures);
    QCOMPARE(regionsOf(entries), after);
}

void tst_CommandModel::setDataTakesOnlyEditsOfTheSelectColumn()
{
    DialogUnderTest test;
    const Regions before = regionsOf(test.model->entries());
    const int circle = test.row("ID_CIRCLE");
    QVERIFY(!test.model->setData(test.model->index(circle, 2), 3));
    QVERIFY(!test.model->setData(test.model->index(circle, 3), 3, Qt::DisplayRole));
    QVERIFY(!test.model->setData(QModelIndex(), 3));
    QCOMPARE(regionsOf(test.model->entries()), before);

    // Through the proxy, as the delegate commits; the row's place does not move.
    QSignalSpy changed(test.model, &QAbstractItemModel::dataChanged);
    const QModelIndex shown = test.proxy->mapFromSource(test.selectIndex("ID_CIRCLE"));
    QVERIFY(test.proxy->setData(shown, 3));
    QCOMPARE(test.entry("ID_CIRCLE").region8, quint8(3));
    QCOMPARE(test.entry("ID_CIRCLE").region4, quint8(2));
    QCOMPARE(test.entry("ID_OPEN").region8, quint8(0));
    QCOMPARE(test.entry("ID_OPEN").region4, quint8(0));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(test.proxy->mapFromSource(test.selectIndex("ID_CIRCLE")), shown);
}

void tst_CommandModel::assignmentEnablesResetOnlyWhenChanged()
{
    DialogUnderTest test;
    QVERIFY(!test.resetButton()->isEnabled());   // factory settings
    QVERIFY(test.model->setData(test.selectIndex("ID_LINE"), 7));   // what it holds
    QVERIFY(!test.resetButton()->isEnabled());
    QVERIFY(test.model->setData(test.selectIndex("ID_CIRCLE"), 0));   // None again
    QVERIFY(!test.resetButton()->isEnabled());
    QVERIFY(test.model->setData(test.selectIndex("ID_CIRCLE"), 2));
    QVERIFY(test.resetButton()->isEnabled());
    QVERIFY(standin::shownMessages().isEmpty());
}

// Giving a region to a command restricted to one mode asks first; only the answer No keeps
// everything as it was.
void tst_CommandModel::restrictedQuestion_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("where");

    QTest::newRow("block editor, Yes") << 1 << 6 << QStringLiteral("block editor");
    QTest::newRow("component, No") << 2 << 7 << QStringLiteral("EditComponent.");
    QTest::newRow("sheet, No") << 3 << 7 << QStringLiteral("Sheet area");
    QTest::newRow("sheet, any answer but No") << 3 << 2 << QStringLiteral("Sheet area");
    QTest::newRow("unknown mode, Yes") << 9 << 6 << QString();
}

void tst_CommandModel::restrictedQuestion()
{
    QFETCH(int, kind);
    QFETCH(int, answer);
    QFETCH(QString, where);

    standin::setAppTitle(QStringLiteral("Corvanta CAD"));
    DialogUnderTest test;
    const Regions before = regionsOf(test.model->entries());
    test.model->setRestriction(true, kind);
    // The region it already holds asks nothing.
    QVERIFY(test.model->setData(test.selectIndex("ID_LINE"), 7));
    QVERIFY(standin::shownMessages().isEmpty());

    standin::queueMessageAnswer(answer);
    QCOMPARE(test.model->setData(test.selectIndex("ID_BCLOSE"), 7), answer != 7);
    const QList<standin::ShownMessage> messages = standin::shownMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text,
             QStringLiteral("Command active in %1 only. Do you want to assign command to mouse gesture?").arg(where));
    QCOMPARE(messages.first().title, QStringLiteral("Corvanta CAD"));
    QCOMPARE(messages.first().flags, 20u);
    QCOMPARE(test.entry("ID_BCLOSE").region8, quint8(answer != 7 ? 7 : 0));
    QCOMPARE(test.entry("ID_LINE").region8, quint8(answer != 7 ? 0 : 7));
    QCOMPARE(test.resetButton()->isEnabled(), answer != 7);
    if (answer == 7)
        QCOMPARE(regionsOf(test.model->entries()), before);
}

void tst_CommandModel::reloadTakesAFreshCopy()
{
    DialogUnderTest test;
    QSignalSpy reset(test.model, &QAbstractItemModel::modelReset);
    test.model->setData(test.selectIndex("ID_CIRCLE"), 1);
    QCOMPARE(test.entry("ID_ZOOM_BOUNDS").region8, quint8(0));
    QCOMPARE(K2GestureConfig::instance()->commands.at(test.row("ID_ZOOM_BOUNDS")).region8, quint8(1));
    test.model->reload();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(test.entry("ID_ZOOM_BOUNDS").region8, quint8(1));
    QCOMPARE(test.entry("ID_CIRCLE").region8, quint8(0));
}

void tst_CommandModel::filtering_data()
{
    QTest::addColumn<bool>("fourGestures");
    QTest::addColumn<bool>("assignedOnly");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("shown");

    QStringList all;   // the catalogue's order
    for (const dialogtest::TestCommand &command : dialogtest::testCommands())
        all << QString::fromLatin1(command.caption);
    QTest::newRow("all commands, no search") << false << false << "All Commands" << "" << all;
    QTest::newRow("assigned only, eight gestures")
        << false << true << "All Commands" << "" << QStringList(all.mid(0, 8));
    QTest::newRow("assigned only, four gestures")
        << true << true << "All Commands" << "" << QStringList(all.mid(0, 4));
    QTest::newRow("one category")
        << false << false << "View" << ""
        << QStringList{QStringLiteral("Zoom Extents"), QStringLiteral("Zoom Window"), QStringLiteral("Viewports")};
    QTest::newRow("Others") << false << false << "Others" << "" << QStringList{QStringLiteral("About")};
    QTest::newRow("search finds captions, not categories, in any case")
        << false << false << "All Commands" << "ZOOM"
        << QStringList{QStringLiteral("Zoom Extents"), QStringLiteral("Zoom Window")};
    QTest::newRow("search is not trimmed")
        << false << false << "All Commands" << "line " << QStringList{QStringLiteral("Single Line Text")};
    QTest::newRow("all three") << false << true << "Modify" << "o"
                               << QStringList{QStringLiteral("Offset"), QStringLiteral("Copy")};
    QTest::newRow("nothing matches") << false << false << "Draw" << "trim" << QStringList();
}

void tst_CommandModel::filtering()
{
    QFETCH(bool, fourGestures);
    QFETCH(bool, assignedOnly);
    QFETCH(QString, category);
    QFETCH(QString, search);
    QFETCH(QStringList, shown);

    DialogUnderTest test;
    test.view->sortByColumn(-1, Qt::AscendingOrder);   // source order
    if (fourGestures)
        test.child<QRadioButton>("four_radioButton")->setChecked(true);
    auto *categories = test.child<QComboBox>("category_comboBox");
    categories->setCurrentIndex(categories->findText(category));
    QCOMPARE(categories->currentText(), category);
    if (assignedOnly)
        QTest::mouseClick(test.child<QCheckBox>("filter_checkBox"), Qt::LeftButton);
    QTest::keyClicks(test.child<QLineEdit>("search_lineEdit"), search);
    QCOMPARE(test.shownCaptions(), shown);
}

void tst_CommandModel::assignedRowStaysUntilRefiltered()
{
    DialogUnderTest test;
    test.child<QCheckBox>("filter_checkBox")->setChecked(true);
    QVERIFY(test.shownCaptions().contains(QStringLiteral("Trim")));
    QVERIFY(test.model->setData(test.selectIndex("ID_TRIM"), 0));
    QVERIFY(test.shownCaptions().contains(QStringLiteral("Trim")));
    QTest::keyClicks(test.child<QLineEdit>("search_lineEdit"), QStringLiteral("t"));
    QVERIFY(!test.shownCaptions().contains(QStringLiteral("Trim")));
}

void tst_CommandModel::selectSortPutsUnassignedFirst_data()
{
    QTest::addColumn<bool>("fourGestures");
    QTest::newRow("eight gestures") << false;
    QTest::newRow("four gestures") << true;
}

void tst_CommandModel::selectSortPutsUnassignedFirst()
{
    QFETCH(bool, fourGestures);
    DialogUnderTest test;
    if (fourGestures)
        test.child<QRadioButton>("four_radioButton")->setChecked(true);
    test.view->sortByColumn(3, Qt::AscendingOrder);
    QVector<int> regions;
    for (int row = 0; row < test.proxy->rowCount(); ++row)
        regions << test.proxy->index(row, 3).data(Qt::EditRole).toInt();
    const int regionCount = fourGestures ? 4 : 8;
    QVector<int> expected(test.proxy->rowCount() - regionCount, 0);
    for (int region = 1; region <= regionCount; ++region)
        expected << region;
    QCOMPARE(regions, expected);

    test.view->sortByColumn(3, Qt::DescendingOrder);
    QCOMPARE(test.proxy->index(0, 3).data(Qt::EditRole).toInt(), regionCount);
}

void tst_CommandModel::otherColumnsSortByText()
{
    DialogUnderTest test;
    test.view->sortByColumn(2, Qt::AscendingOrder);
    QStringList shown = test.shownCaptions();
    QStringList sorted = shown;
    std::sort(sorted.begin(), sorted.end());   // case-sensitive, not locale-aware
    QCOMPARE(shown, sorted);

    ProbeProxy probe;
    probe.setSourceModel(test.model);
    // Region order needs both indexes in the "Select" column.
    QVERIFY(probe.lessThan(test.selectIndex("ID_CIRCLE"), test.selectIndex("ID_OPEN")));
    QVERIFY(!probe.lessThan(test.selectIndex("ID_OPEN"), test.selectIndex("ID_CIRCLE")));
}

// A model whose parent is no dialog has no scheme: no regions shown, none changed, and its
// proxy shows nothing.
void tst_CommandModel::withoutDialog()
{
    QObject notADialog;
    K2CommandRZModel model(&notADialog);
    ProbeProxy proxy;
    proxy.setSourceModel(&model);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const int line = dialogtest::rowOfId(model.entries(), QStringLiteral("ID_LINE"));
    const int circle = dialogtest::rowOfId(model.entries(), QStringLiteral("ID_CIRCLE"));
    const QModelIndex select = model.index(line, 3);
    QVERIFY(!select.data(Qt::EditRole).isValid());
    QVERIFY(!select.data(Qt::DecorationRole).isValid());
    QCOMPARE(model.index(line, 2).data().toString(), QStringLiteral("Line"));

    model.setRestriction(true, 1);
    QVERIFY(model.setData(select, 0));   // accepted, nothing changes, nothing asked
    QCOMPARE(model.entries().at(line).region8, quint8(7));
    QVERIFY(standin::shownMessages().isEmpty());

    QCOMPARE(proxy.rowCount(), 0);
    QVERIFY(!proxy.lessThan(model.index(circle, 3), select));
    QVERIFY(!proxy.lessThan(select, model.index(circle, 3)));
}

void tst_CommandModel::proxyOverAnotherModelShowsEverything()
{
    QStandardItemModel other(5, 4);
    for (int row = 0; row < 5; ++row)
        other.setData(other.index(row, 3), QString::number(4 - row));
    ProbeProxy proxy;
    proxy.setSourceModel(&other);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(proxy.rowCount(), 5);
    proxy.sort(3, Qt::AscendingOrder);
    QCOMPARE(proxy.index(0, 3).data().toString(), QStringLiteral("4"));   // no regions: all equal
}

SW_TEST_MAIN(tst_CommandModel)
#include "tst_commandmodel.moc"
