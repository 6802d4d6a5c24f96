// Strokewheel - mouse gestures for CAD drawing views.
// The region editor of the assignment table as a user drives it, and how its cells paint.
#include "dialog/K2CommandRZModel.h"
#include "dialog/K2CommandRZSortFilterProxyModel.h"
#include "dialog/K2DonutDialogManager.h"

#include "DialogUnderTest.h"
#include "tests/support/TestMain.h"

#include <QComboBox>
#include <QtTest>

namespace {

// The dialog on screen and active, its table in catalogue order.
struct ShownDialog : dialogtest::DialogUnderTest
{
    ShownDialog()
    {
        view->sortByColumn(-1, Qt::AscendingOrder);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    QList<QComboBox *> editors() const
    {
        QList<QComboBox *> open = view->viewport()->findChildren<QComboBox *>();
        open.erase(std::remove_if(open.begin(), open.end(), [](QComboBox *combo) { return !combo->isVisible(); }),
                   open.end());
        return open;
    }
    QComboBox *editor() const { return editors().size() == 1 ? editors().first() : nullptr; }
    QRect cellRect(const char *id, int column) const { return view->visualRect(shownIndex(id, column)); }
};

QStringList caughtWarnings;

// What Qt warned about while action ran.
QStringList warningsDuring(const std::function<void()> &action)
{
    caughtWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtWarningMsg)
                caughtWarnings << message;
        });
    action();
    qInstallMessageHandler(previous);
    return caughtWarnings;
}

QColor pixelAt(QWidget *widget, const QPoint &point)
{
    return widget->grab().toImage().pixelColor(point);
}

} // namespace

class tst_CommandEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void escapeClosesWithoutAssigning();
    void pickAssignsAtOnceAndReopens();
    void pickReopensNothingOutsideTheSelectColumn();
    void pressingARowOpensItsEditor();
    void iconColumnIsCentredAtToolbarSize();
    void selectionColours_data();
    void selectionColours();
};

void tst_CommandEditor::init()
{
    standin::reset();
    dialogtest::buildCatalogue();
    dialogtest::storeSettings(true, 8);
}

void tst_CommandEditor::escapeClosesWithoutAssigning()
{
    ShownDialog shown;
    shown.view->edit(shown.shownIndex("ID_CIRCLE", 3));
    QComboBox *combo = shown.editor();
    QVERIFY(combo);
    QTRY_VERIFY(combo->hasFocus());
    combo->setCurrentIndex(5);   // looked at, not chosen
    QTest::keyClick(combo, Qt::Key_Escape);
    QTRY_VERIFY(shown.editors().isEmpty());
    QCOMPARE(shown.entry("ID_CIRCLE").region8, quint8(0));
    QCOMPARE(shown.entry("ID_SAVE").region8, quint8(5));
    QVERIFY(shown.dialog.isVisible());   // the dialog did not take the Escape
    QVERIFY(!shown.resetButton()->isEnabled());
}

void tst_CommandEditor::pickAssignsAtOnceAndReopens()
{
    ShownDialog shown;
    shown.view->setCurrentIndex(shown.shownIndex("ID_CIRCLE", 3));
    QComboBox *combo = shown.editor();   // the current-item trigger opened it
    QVERIFY(combo);
    QTRY_VERIFY(combo->hasFocus());
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    QCOMPARE(shown.entry("ID_CIRCLE").region8, quint8(2));
    QCOMPARE(shown.entry("ID_CIRCLE").region4, quint8(0));   // a diagonal
    QCOMPARE(shown.entry("ID_OFFSET").region8, quint8(0));
    // The choice closed that combo and a new one opened on the same cell.
    QTRY_COMPARE(shown.editors().size(), 1);
    QVERIFY(shown.editor() != combo || combo->currentIndex() == 2);
    QCOMPARE(shown.editor()->currentIndex(), 2);
    QCOMPARE(shown.editor()->geometry(), shown.cellRect("ID_CIRCLE", 3));
}

void tst_CommandEditor::pickReopensNothingOutsideTheSelectColumn()
{
    ShownDialog shown;
    shown.view->setCurrentIndex(shown.shownIndex("ID_CIRCLE", 2));
    shown.view->edit(shown.shownIndex("ID_CIRCLE", 3));
    QComboBox *combo = shown.editor();
    QVERIFY(combo);
    QTRY_VERIFY(combo->hasFocus());
    combo->setCurrentIndex(3);
    const QStringList warnings = warningsDuring([&] { emit combo->activated(3); });
    QCOMPARE(shown.entry("ID_CIRCLE").region8, quint8(3));
    QTRY_VERIFY(shown.editors().isEmpty());
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
}

void tst_CommandEditor::pressingARowOpensItsEditor()
{
    ShownDialog shown;
    shown.press("ID_LINE", 0);
    QComboBox *combo = shown.editor();
    QVERIFY(combo);
    QCOMPARE(combo->geometry(), shown.cellRect("ID_LINE", 3));
    QCOMPARE(combo->currentIndex(), 7);
    QCOMPARE(shown.description(),
             dialogtest::helpTextOf(QStringLiteral("Line")));

    // Another row: the first editor closes unchanged, the new row's opens.
    shown.press("ID_COPY", 2);
    QTRY_COMPARE(shown.editors().size(), 1);
    QCOMPARE(shown.editor()->geometry(), shown.cellRect("ID_COPY", 3));
    QCOMPARE(shown.entry("ID_LINE").region8, quint8(7));
    QCOMPARE(shown.entry("ID_COPY").region8, quint8(4));
}

void tst_CommandEditor::iconColumnIsCentredAtToolbarSize()
{
    ShownDialog shown;
    shown.view->setColumnWidth(1, 48);
    const QRect cell = shown.cellRect("ID_LINE", 1);
    const QColor iconColour = shown.model->index(shown.row("ID_LINE"), 1)
                                  .data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage().pixelColor(8, 8);
    QWidget *viewport = shown.view->viewport();
    QCOMPARE(pixelAt(viewport, cell.center()), iconColour);
    QCOMPARE(pixelAt(viewport, cell.center() + QPoint(7, 0)), iconColour);
    QVERIFY(pixelAt(viewport, cell.center() + QPoint(11, 0)) != iconColour);
    QVERIFY(pixelAt(viewport, cell.center() + QPoint(-11, 0)) != iconColour);

    standin::setToolbarIconSize(24);
    shown.view->viewport()->update();
    QCOMPARE(pixelAt(viewport, cell.center() + QPoint(11, 0)), iconColour);
}

void tst_CommandEditor::selectionColours_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<QColor>("selected");
    QTest::newRow("light: the table's style sheet") << 0 << QColor(220, 220, 220);
    QTest::newRow("dark: the delegate's highlight") << 2 << QColor(40, 76, 147);
}

void tst_CommandEditor::selectionColours()
{
    QFETCH(int, scheme);
    QFETCH(QColor, selected);
    standin::setColorScheme(scheme);
    ShownDialog shown;
    shown.view->selectRow(shown.row("ID_LINE"));
    const QRect cell = shown.cellRect("ID_LINE", 2);
    // Right of the caption, inside the selected cell.
    QCOMPARE(pixelAt(shown.view->viewport(), QPoint(cell.right() - 3, cell.center().y())), selected);
    const QRect other = shown.cellRect("ID_OPEN", 2);
    QVERIFY(pixelAt(shown.view->viewport(), QPoint(other.right() - 3, other.center().y())) != selected);
}

SW_TEST_MAIN(tst_CommandEditor)
#include "tst_commandeditor.moc"
