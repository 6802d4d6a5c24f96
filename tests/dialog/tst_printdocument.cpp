// Strokewheel - mouse gestures for CAD drawing views.
// The printed gesture list: the rich-text table built from a model, and printing it
// from the dialog through Qt's print dialog into a PDF file.
#include "dialog/K2DonutDialogManager.h"
#include "dialog/K2PrintDocument.h"

#include "DialogTestHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

namespace {

QTextTable *tableOf(QTextDocument *document)
{
    const QList<QTextFrame *> frames = document->rootFrame()->childFrames();
    return frames.isEmpty() ? nullptr : qobject_cast<QTextTable *>(frames.first());
}

QString cellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

QColor cellBackground(QTextTable *table, int row, int column)
{
    return table->cellAt(row, column).format().background().color();
}

QTextBlockFormat cellBlockFormat(QTextTable *table, int row, int column)
{
    return table->cellAt(row, column).firstCursorPosition().blockFormat();
}

// The character format of the cell's last character.
QTextCharFormat cellCharFormat(QTextTable *table, int row, int column)
{
    return table->cellAt(row, column).lastCursorPosition().charFormat();
}

bool cellHasPicture(QTextTable *table, int row, int column)
{
    return cellText(table, row, column).startsWith(QChar::ObjectReplacementCharacter);
}

// Three commands with the command table's roles, but nothing of the dialog.
std::unique_ptr<QStandardItemModel> threeRowModel()
{
    auto model = std::make_unique<QStandardItemModel>(3, 3);
    const QStringList headers = {QStringLiteral("Category"), QStringLiteral("Icon"), QStringLiteral("Command")};
    for (int column = 0; column < 3; ++column) {
        model->setHeaderData(column, Qt::Horizontal, headers.at(column));
        model->setHeaderData(column, Qt::Horizontal, QFont(QStringLiteral("Tahoma"), 8, QFont::Bold), Qt::FontRole);
    }
    const QStringList captions = {QStringLiteral("Line"), QStringLiteral("Circle"), QStringLiteral("Trim")};
    for (int row = 0; row < 3; ++row) {
        model->setData(model->index(row, 0), QStringLiteral("Draw"));
        model->setData(model->index(row, 0), int(Qt::AlignLeft | Qt::AlignVCenter), Qt::TextAlignmentRole);
        model->setData(model->index(row, 1), dialogtest::solidIcon(Qt::red), Qt::DecorationRole);
        model->setData(model->index(row, 2), captions.at(row));
        model->setData(model->index(row, 2), int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
    }
    return model;
}

QStringList proxyCaptions(const QAbstractItemModel *model)
{
    QStringList captions;
    for (int row = 0; row < model->rowCount(); ++row)
        captions << model->index(row, 2).data().toString();
    return captions;
}

} // namespace

class tst_PrintDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void tableShapeAndFormat();
    void headerRow();
    void rowsAlternateStartingWhite();
    void textAndPictureBlocks();
    void modelBackgroundIsKept_data();
    void modelBackgroundIsKept();
    void modelWithoutRowsPrintsTheHeader();
    void modelWithoutColumnsHasNoTable();

    void dialogPrintsFilteredAndSortedTable();
    void selectCellHoldsOnlyThePicture();
    void printDialogCancelledPrintsNothing();
    void printedPdfListsVisibleCommandsInOrder();

private:
    // Runs "Print List" of dialog; the print dialog is then answered by answer().
    void pressPrintList(K2DonutDialogManager &dialog, const std::function<void(QPrintDialog *)> &answer);
};

void tst_PrintDocument::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_PrintDocument::init()
{
    standin::reset();
}

void tst_PrintDocument::tableShapeAndFormat()
{
    const auto model = threeRowModel();
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(model.get()));
    QCOMPARE(document->parent(), nullptr);
    QTextTable *table = tableOf(document.get());
    QVERIFY(table);
    QCOMPARE(table->rows(), 4);
    QCOMPARE(table->columns(), 3);
    const QTextTableFormat format = table->format();
    QCOMPARE(format.width(), QTextLength(QTextLength::PercentageLength, 98));
    QCOMPARE(format.background(), QBrush(Qt::white));
    QCOMPARE(format.border(), 0.0);
    QCOMPARE(format.cellSpacing(), 2.0);
    QCOMPARE(format.cellPadding(), 2.0);
    QCOMPARE(format.alignment(), Qt::AlignLeft);
}

void tst_PrintDocument::headerRow()
{
    const auto model = threeRowModel();
    model->setHeaderData(2, Qt::Horizontal, QColor(Qt::blue), Qt::ForegroundRole);
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(model.get()));
    QTextTable *table = tableOf(document.get());
    QCOMPARE(cellText(table, 0, 0), QStringLiteral("Category"));
    QCOMPARE(cellText(table, 0, 1), QStringLiteral("Icon"));
    QCOMPARE(cellText(table, 0, 2), QStringLiteral("Command"));
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(cellBackground(table, 0, column), QColor(QStringLiteral("#dfdfdf")));
        const QFont font = cellCharFormat(table, 0, column).font();
        QCOMPARE(font.family(), QStringLiteral("Tahoma"));
        QCOMPARE(font.pointSize(), 8);
        QVERIFY(font.bold());
        QVERIFY(!font.italic());
    }
    QCOMPARE(cellCharFormat(table, 0, 2).foreground().color(), QColor(Qt::blue));
}

void tst_PrintDocument::rowsAlternateStartingWhite()
{
    const auto model = threeRowModel();
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(model.get()));
    QTextTable *table = tableOf(document.get());
    const QColor white(QStringLiteral("#ffffff"));
    const QColor grey(QStringLiteral("#e1e1e1"));
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(cellBackground(table, 1, column), white);
        QCOMPARE(cellBackground(table, 2, column), grey);
        QCOMPARE(cellBackground(table, 3, column), white);
    }
}

void tst_PrintDocument::textAndPictureBlocks()
{
    const auto model = threeRowModel();
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(model.get()));
    QTextTable *table = tableOf(document.get());

    QCOMPARE(cellText(table, 2, 2), QStringLiteral("Circle"));
    const QTextBlockFormat text = cellBlockFormat(table, 2, 2);
    QCOMPARE(text.topMargin(), 0.0);
    QCOMPARE(text.bottomMargin(), 0.0);
    QCOMPARE(text.alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(cellBlockFormat(table, 2, 0).alignment(), Qt::AlignLeft | Qt::AlignVCenter);

    // The icon cell: the picture at toolbar size, then two spaces, in a block with margins 8.
    QCOMPARE(cellText(table, 2, 1), QString(QChar::ObjectReplacementCharacter) + QStringLiteral("  "));
    const QTextBlockFormat picture = cellBlockFormat(table, 2, 1);
    QCOMPARE(picture.topMargin(), 8.0);
    QCOMPARE(picture.bottomMargin(), 8.0);
    QTextCursor cursor = table->cellAt(2, 1).firstCursorPosition();
    cursor.movePosition(QTextCursor::NextCharacter);
    const QTextImageFormat image = cursor.charFormat().toImageFormat();
    QVERIFY(image.isValid());
    const QImage stored = document->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
    QCOMPARE(stored.size(), QSize(16, 16));
    QCOMPARE(QColor(stored.pixel(8, 8)), QColor(Qt::red));
}

void tst_PrintDocument::modelBackgroundIsKept_data()
{
    QTest::addColumn<QVariant>("background");
    QTest::newRow("colour") << QVariant(QColor(10, 20, 30));
    QTest::newRow("solid brush") << QVariant(QBrush(QColor(10, 20, 30)));
}

void tst_PrintDocument::modelBackgroundIsKept()
{
    QFETCH(QVariant, background);
    const auto model = threeRowModel();
    model->setData(model->index(0, 1), background, Qt::BackgroundRole);
    model->setData(model->index(1, 1), background, Qt::BackgroundRole);
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(model.get()));
    QTextTable *table = tableOf(document.get());
    QCOMPARE(cellBackground(table, 1, 1), QColor(10, 20, 30));
    QCOMPARE(cellBackground(table, 2, 1), QColor(10, 20, 30));
    QCOMPARE(cellBackground(table, 2, 0), QColor(QStringLiteral("#e1e1e1")));
}

void tst_PrintDocument::modelWithoutRowsPrintsTheHeader()
{
    const auto model = threeRowModel();
    model->setRowCount(0);
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(model.get()));
    QTextTable *table = tableOf(document.get());
    QVERIFY(table);
    QCOMPARE(table->rows(), 1);
    QCOMPARE(cellText(table, 0, 2), QStringLiteral("Command"));
}

void tst_PrintDocument::modelWithoutColumnsHasNoTable()
{
    QStandardItemModel model(3, 0);
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(&model));
    QVERIFY(!tableOf(document.get()));
}

void tst_PrintDocument::dialogPrintsFilteredAndSortedTable()
{
    dialogtest::buildCatalogue();
    dialogtest::storeSettings(true, 8);
    K2DonutDialogManager dialog(nullptr, false, false);
    auto *view = dialog.findChild<QTableView *>(QStringLiteral("command_tableView"));
    dialog.findChild<QCheckBox *>(QStringLiteral("filter_checkBox"))->setChecked(true);
    view->sortByColumn(3, Qt::DescendingOrder);

    const std::unique_ptr<QTextDocument> document(buildPrintDocument(view->model()));
    QTextTable *table = tableOf(document.get());
    QCOMPARE(table->rows(), 9);
    QCOMPARE(table->columns(), 4);
    const QStringList expected = {QStringLiteral("Trim"),   QStringLiteral("Line"),
                                  QStringLiteral("Single Line Text"), QStringLiteral("Save"),
                                  QStringLiteral("Copy"),   QStringLiteral("Open"),
                                  QStringLiteral("Offset"), QStringLiteral("Zoom Extents")};
    QCOMPARE(proxyCaptions(view->model()), expected);
    for (int row = 0; row < expected.size(); ++row)
        QCOMPARE(cellText(table, row + 1, 2), expected.at(row));
    QCOMPARE(cellText(table, 0, 3), QStringLiteral("Select"));
    QCOMPARE(cellCharFormat(table, 0, 3).font().family(), QStringLiteral("Tahoma"));

    dialog.findChild<QLineEdit *>(QStringLiteral("search_lineEdit"))->setText(QStringLiteral("li"));
    const std::unique_ptr<QTextDocument> searched(buildPrintDocument(view->model()));
    QTextTable *searchedTable = tableOf(searched.get());
    QCOMPARE(searchedTable->rows(), 3);
    QCOMPARE(cellText(searchedTable, 1, 2), QStringLiteral("Line"));
    QCOMPARE(cellText(searchedTable, 2, 2), QStringLiteral("Single Line Text"));
}

void tst_PrintDocument::selectCellHoldsOnlyThePicture()
{
    dialogtest::buildCatalogue();
    dialogtest::storeSettings(true, 8);
    K2DonutDialogManager dialog(nullptr, false, false);
    auto *view = dialog.findChild<QTableView *>(QStringLiteral("command_tableView"));
    view->sortByColumn(3, Qt::AscendingOrder);
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(view->model()));
    QTextTable *table = tableOf(document.get());

    // Unassigned commands come first: their "Select" cell is empty.
    const int unassigned = view->model()->rowCount() - 8;
    QCOMPARE(cellText(table, 1, 3), QString());
    QCOMPARE(cellText(table, unassigned, 3), QString());
    QCOMPARE(cellText(table, unassigned + 1, 2), QStringLiteral("Zoom Extents"));
    for (int row = unassigned + 1; row <= unassigned + 8; ++row) {
        QCOMPARE(cellText(table, row, 3), QString(QChar::ObjectReplacementCharacter) + QStringLiteral("  "));
        QCOMPARE(cellBlockFormat(table, row, 3).topMargin(), 8.0);
        QCOMPARE(cellBlockFormat(table, row, 3).bottomMargin(), 8.0);
    }
    // A command without an icon prints an empty icon cell; one with an icon a picture.
    const int copyRow = proxyCaptions(view->model()).indexOf(QStringLiteral("Copy")) + 1;
    const int lineRow = proxyCaptions(view->model()).indexOf(QStringLiteral("Line")) + 1;
    QVERIFY(!cellHasPicture(table, copyRow, 1));
    QVERIFY(cellHasPicture(table, lineRow, 1));
}

void tst_PrintDocument::pressPrintList(K2DonutDialogManager &dialog,
                                       const std::function<void(QPrintDialog *)> &answer)
{
    bool answered = false;
    QTimer::singleShot(0, this, [&] {
        auto *printDialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (printDialog) {
            answer(printDialog);
            answered = true;
        }
    });
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("print_pushButton")), Qt::LeftButton);
    QVERIFY(answered);
}

void tst_PrintDocument::printDialogCancelledPrintsNothing()
{
    dialogtest::buildCatalogue();
    dialogtest::storeSettings(true, 8);
    K2DonutDialogManager dialog(nullptr, false, false);
    dialog.show();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("cancelled.pdf"));
    pressPrintList(dialog, [&](QPrintDialog *printDialog) {
        auto *printers = printDialog->findChild<QComboBox *>(QStringLiteral("printers"));
        printers->setCurrentIndex(printers->count() - 1);
        printDialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(pdf);
        printDialog->reject();
    });
    QVERIFY(!QFileInfo::exists(pdf));
}

void tst_PrintDocument::printedPdfListsVisibleCommandsInOrder()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    dialogtest::buildCatalogue();
    dialogtest::storeSettings(true, 8);
    K2DonutDialogManager dialog(nullptr, false, false);
    dialog.show();
    auto *view = dialog.findChild<QTableView *>(QStringLiteral("command_tableView"));
    QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("search_lineEdit")), QStringLiteral("o"));
    view->sortByColumn(2, Qt::DescendingOrder);
    const QStringList visible = proxyCaptions(view->model());
    QVERIFY(visible.size() > 3);
    QVERIFY(!visible.contains(QStringLiteral("Line")));

    QTemporaryDir folder;
    folder.setAutoRemove(false);
    const QString pdf = folder.filePath(QStringLiteral("gestures.pdf"));
    pressPrintList(dialog, [&](QPrintDialog *printDialog) {
        // As a user does it: the file printer, a file name, then "Print".
        auto *printers = printDialog->findChild<QComboBox *>(QStringLiteral("printers"));
        QVERIFY(printers);
        printers->setCurrentIndex(printers->count() - 1);
        auto *fileName = printDialog->findChild<QLineEdit *>(QStringLiteral("filename"));
        QVERIFY(fileName);
        fileName->setText(pdf);
        auto *buttons = printDialog->findChild<QDialogButtonBox *>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QVERIFY(QFileInfo(pdf).size() > 0);

    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    // Compatibility normalisation undoes ligatures such as the "ff" of "Offset".
    const QString text =
        QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    QVERIFY2(text.contains(QStringLiteral("Category")) && text.contains(QStringLiteral("Select")), qPrintable(text));
    int position = 0;
    for (const QString &caption : visible) {
        const int found = text.indexOf(caption, position);
        QVERIFY2(found >= 0, qPrintable(caption + QStringLiteral(" missing or out of order in:\n") + text));
        position = found + caption.size();
    }
    QVERIFY(!text.contains(QStringLiteral("Line")));
    folder.setAutoRemove(!QTest::currentTestFailed());
}

QTEST_MAIN(tst_PrintDocument)
#include "tst_printdocument.moc"
