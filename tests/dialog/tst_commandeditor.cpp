// Strokewheel - mouse gestures for CAD drawing views.
// The region editor of the assignment table as a user drives it, and how its cells paint.
#include "dialog/K2CommandModelDelegate.h"
#include "dialog/K2CommandRZModel.h"
#include "dialog/K2CommandRZSortFilterProxyModel.h"
#include "dialog/K2CommandTableView.h"
#include "dialog/K2DonutDialogManager.h"

#include "DialogTestHost.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QStandardItemModel>
#include <QtTest>

namespace {

struct ShownDialog
{
    ShownDialog() : dialog(nullptr, false, false)
    {
        view = dialog.findChild<K2CommandTableView *>(QStringLiteral("command_tableView"));
        proxy = qobject_cast<K2CommandRZSortFilterProxyModel *>(view->model());
        model = qobject_cast<K2CommandRZModel *>(proxy->sourceModel());
        view->sortByColumn(-1, Qt::AscendingOrder);   // source order
        dialog.show();
        dialog.activateWindow();
    }
    int row(const char *id) const { return dialogtest::rowOfId(model->entries(), QString::fromLatin1(id)); }
    const K2CommandInfo &entry(const char *id) const { return model->entries().at(row(id)); }
    QModelIndex shownIndex(const char *id, int column) const { return proxy->index(row(id), column); }
    QList<QComboBox *> editors() const
    {
        QList<QComboBox *> open;
        for (QComboBox *combo : view->viewport()->findChildren<QComboBox *>()) {
            if (combo->isVisible())
                open << combo;
        }
        return open;
    }
    QComboBox *editor() const
    {
        const QList<QComboBox *> open = editors();
        return open.size() == 1 ? open.first() : nullptr;
    }
    QRect cellRect(const char *id, int column) const { return view->visualRect(shownIndex(id, column)); }
    void press(const char *id, int column)
    {
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, cellRect(id, column).center());
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, cellRect(id, column).center());
    }

    K2DonutDialogManager dialog;
    K2CommandTableView *view = nullptr;
    K2CommandRZSortFilterProxyModel *proxy = nullptr;
    K2CommandRZModel *model = nullptr;
};

QColor pixelAt(QWidget *widget, const QPoint &point)
{
    return widget->grab().toImage().pixelColor(point);
}

} // namespace

class tst_CommandEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void editorListsTheRegionsOfTheScheme();
    void escapeClosesWithoutAssigning();
    void pickAssignsAtOnceAndReopens();
    void pickWithTheKeyboardAssigns();
    void pickReopensNothingOutsideTheSelectColumn();
    void restrictedPickAnsweredNoKeepsEverything();
    void pressingARowOpensItsEditor();
    void delegateGeometryAndSize();
    void iconColumnIsCentredAtToolbarSize();
    void selectionColours_data();
    void selectionColours();
};

void tst_CommandEditor::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_CommandEditor::init()
{
    standin::reset();
    dialogtest::buildCatalogue();
    dialogtest::storeSettings(true, 8);
}

void tst_CommandEditor::editorListsTheRegionsOfTheScheme()
{
    ShownDialog shown;
    QVERIFY(QTest::qWaitForWindowActive(&shown.dialog));
    shown.view->edit(shown.shownIndex("ID_TRIM", 3));
    QComboBox *combo = shown.editor();
    QVERIFY(combo);
    QCOMPARE(combo->count(), 9);
    QCOMPARE(combo->itemText(0), QStringLiteral("None"));
    QCOMPARE(combo->currentIndex(), 8);   // Trim's factory region: up and right
    for (int region = 1; region <= 8; ++region) {
        QVERIFY(combo->itemText(region).isEmpty());
        QVERIFY(!combo->itemIcon(region).isNull());
    }
    QCOMPARE(combo->geometry(), shown.cellRect("ID_TRIM", 3));
}

void tst_CommandEditor::escapeClosesWithoutAssigning()
{
    ShownDialog shown;
    QVERIFY(QTest::qWaitForWindowActive(&shown.dialog));
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
    QVERIFY(!shown.dialog.findChild<QWidget *>(QStringLiteral("reset_pushButton"))->isEnabled());
}

void tst_CommandEditor::pickAssignsAtOnceAndReopens()
{
    ShownDialog shown;
    QVERIFY(QTest::qWaitForWindowActive(&shown.dialog));
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

void tst_CommandEditor::pickWithTheKeyboardAssigns()
{
    ShownDialog shown;
    QVERIFY(QTest::qWaitForWindowActive(&shown.dialog));
    shown.view->setCurrentIndex(shown.shownIndex("ID_CIRCLE", 3));
    QComboBox *combo = shown.editor();
    QVERIFY(combo);
    QTRY_VERIFY(combo->hasFocus());
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(shown.entry("ID_CIRCLE").region8, quint8(1));
    QCOMPARE(shown.entry("ID_CIRCLE").region4, quint8(1));
    QCOMPARE(shown.entry("ID_ZOOM_BOUNDS").region8, quint8(0));
    QTRY_VERIFY(shown.editor());
    QTRY_VERIFY(shown.editor()->hasFocus());
    QTest::keyClick(shown.editor(), Qt::Key_Down);
    QCOMPARE(shown.entry("ID_CIRCLE").region8, quint8(2));
    QCOMPARE(shown.entry("ID_CIRCLE").region4, quint8(1));   // a diagonal keeps it
}

void tst_CommandEditor::pickReopensNothingOutsideTheSelectColumn()
{
    ShownDialog shown;
    QVERIFY(QTest::qWaitForWindowActive(&shown.dialog));
    shown.view->setCurrentIndex(shown.shownIndex("ID_CIRCLE", 2));
    shown.view->edit(shown.shownIndex("ID_CIRCLE", 3));
    QComboBox *combo = shown.editor();
    QVERIFY(combo);
    QTRY_VERIFY(combo->hasFocus());
    combo->setCurrentIndex(3);
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    emit combo->activated(3);
    QCOMPARE(shown.entry("ID_CIRCLE").region8, quint8(3));
    QTRY_VERIFY(shown.editors().isEmpty());
}

void tst_CommandEditor::restrictedPickAnsweredNoKeepsEverything()
{
    ShownDialog shown;
    QVERIFY(QTest::qWaitForWindowActive(&shown.dialog));
    shown.press("ID_BCLOSE", 2);
    QComboBox *combo = shown.editor();
    QVERIFY(combo);
    QTRY_VERIFY(combo->hasFocus());
    standin::queueMessageAnswer(7);
    combo->setCurrentIndex(1);
    // The current index is in column 2, where nothing opens again.
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    emit combo->activated(1);
    QCOMPARE(standin::shownMessages().size(), 1);
    QCOMPARE(shown.entry("ID_BCLOSE").region8, quint8(0));
    QCOMPARE(shown.entry("ID_ZOOM_BOUNDS").region8, quint8(1));

    standin::queueMessageAnswer(6);
    shown.press("ID_BCLOSE", 2);
    QTRY_VERIFY(shown.editor());
    QCOMPARE(shown.editor()->currentIndex(), 0);
    shown.editor()->setCurrentIndex(1);
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    emit shown.editor()->activated(1);
    QCOMPARE(standin::shownMessages().size(), 2);
    QCOMPARE(shown.entry("ID_BCLOSE").region8, quint8(1));
}

void tst_CommandEditor::pressingARowOpensItsEditor()
{
    ShownDialog shown;
    QVERIFY(QTest::qWaitForWindowActive(&shown.dialog));
    shown.press("ID_LINE", 0);
    QComboBox *combo = shown.editor();
    QVERIFY(combo);
    QCOMPARE(combo->geometry(), shown.cellRect("ID_LINE", 3));
    QCOMPARE(combo->currentIndex(), 7);
    QCOMPARE(shown.dialog.findChild<QLabel *>(QStringLiteral("description_label"))->text(),
             dialogtest::helpTextOf(QStringLiteral("Line")));

    // Another row: the first editor closes unchanged, the new row's opens.
    shown.press("ID_COPY", 2);
    QTRY_COMPARE(shown.editors().size(), 1);
    QCOMPARE(shown.editor()->geometry(), shown.cellRect("ID_COPY", 3));
    QCOMPARE(shown.entry("ID_LINE").region8, quint8(7));
    QCOMPARE(shown.entry("ID_COPY").region8, quint8(4));
}

void tst_CommandEditor::delegateGeometryAndSize()
{
    QStandardItemModel regions(3, 1);
    K2CommandModelDelegate delegate(&regions, nullptr);
    QStandardItemModel table(1, 4);
    QStyleOptionViewItem option;
    option.rect = QRect(5, 6, 70, 20);
    QCOMPARE(delegate.sizeHint(option, table.index(0, 3)), QSize(10, 10));
    table.setData(table.index(0, 2), QStringLiteral("A long command caption"));
    QVERIFY(delegate.sizeHint(option, table.index(0, 2)).width() > 50);

    QWidget parent;
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, option, table.index(0, 3)));
    auto *combo = qobject_cast<QComboBox *>(editor.get());
    QVERIFY(combo);
    QCOMPARE(combo->parentWidget(), &parent);
    QCOMPARE(combo->model(), &regions);
    delegate.updateEditorGeometry(combo, option, table.index(0, 3));
    QCOMPARE(combo->geometry(), option.rect);
    std::unique_ptr<QWidget> other(delegate.createEditor(&parent, option, table.index(0, 2)));
    QVERIFY(!qobject_cast<QComboBox *>(other.get()));
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
    QVERIFY(QTest::qWaitForWindowActive(&shown.dialog));
    shown.view->selectRow(shown.row("ID_LINE"));
    const QRect cell = shown.cellRect("ID_LINE", 2);
    // Right of the caption, inside the selected cell.
    QCOMPARE(pixelAt(shown.view->viewport(), QPoint(cell.right() - 3, cell.center().y())), selected);
    const QRect other = shown.cellRect("ID_OPEN", 2);
    QVERIFY(pixelAt(shown.view->viewport(), QPoint(other.right() - 3, other.center().y())) != selected);
}

QTEST_MAIN(tst_CommandEditor)
#include "tst_commandeditor.moc"
