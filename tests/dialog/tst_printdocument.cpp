// Strokewheel - mouse gestures for CAD drawing views.
// The printed gesture list: the rich-text table built from a model, and printing it
// from the dialog through Qt's print dialog into a PDF file.
#include "dialog/K2PrintDocument.h"

#include "DialogUnderTest.h"
#include "tests/support/TestMain.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardItemModel>
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

// Where the cell's content sits on the laid-out page.
QRectF cellContent(QTextTable *table, int row, int column)
{
    return table->document()->documentLayout()->blockBoundingRect(
        table->cellAt(row, column).firstCursorPosition().block());
}

const QString picture = QString(QChar::ObjectReplacementCharacter);

// Three commands with the command table's roles, but nothing of the dialog; the middle
// one has no icon.
std::unique_ptr<QStandardItemModel> threeRowModel()
{
    auto model = std::make_unique<QStandardItemModel>(3, 3);
    model->setHorizontalHeaderLabels({QStringLiteral("Category"), QStringLiteral("Icon"), QStringLiteral("Command")});
    for (int column = 0; column < 3; ++column)
        model->setHeaderData(column, Qt::Horizontal, QFont(QStringLiteral("Tahoma"), 8, QFont::Bold), Qt::FontRole);
    const QStringList captions = {QStringLiteral("Line"), QStringLiteral("Circle"), QStringLiteral("Trim")};
    for (int row = 0; row < 3; ++row) {
        model->setData(model->index(row, 0), QStringLiteral("Draw"));
        if (row != 1)
            model->setData(model->index(row, 1), dialogtest::solidIcon(Qt::red), Qt::DecorationRole);
        model->setData(model->index(row, 2), captions.at(row));
        model->setData(model->index(row, 2), int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
    }
    return model;
}

// Chooses the file printer and a file name in the print dialog.
void printToFile(QPrintDialog *printDialog, const QString &pdf)
{
    auto *printers = printDialog->findChild<QComboBox *>(QStringLiteral("printers"));
    QVERIFY(printers);
    printers->setCurrentIndex(printers->count() - 1);
    printDialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(pdf);
}

} // namespace

class tst_PrintDocument : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void cellsShowTheModel();
    void backgrounds_data();
    void backgrounds();
    void emptyModels();

    void dialogPrintsFilteredAndSortedTable();
    void arrowsPrintDarkOnPaper_data();
    void arrowsPrintDarkOnPaper();
    void printDialogCancelledPrintsNothing();
    void printedPdfListsVisibleCommandsInOrder();

private:
    // Runs "Print List" of the dialog; the print dialog is then answered by answer().
    void pressPrintList(dialogtest::DialogUnderTest &test, const std::function<void(QPrintDialog *)> &answer);
};

void tst_PrintDocument::init()
{
    standin::reset();
    dialogtest::buildCatalogue();
    dialogtest::storeSettings(true, 8);
}

void tst_PrintDocument::cellsShowTheModel()
{
    const auto model = threeRowModel();
    model->setHeaderData(2, Qt::Horizontal, QColor(Qt::blue), Qt::ForegroundRole);
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(model.get()));
    QTextTable *table = tableOf(document.get());
    QVERIFY(table);
    QCOMPARE(table->rows(), 4);
    QCOMPARE(cellText(table, 0, 2), QStringLiteral("Command"));
    const QTextCharFormat header = table->cellAt(0, 2).lastCursorPosition().charFormat();
    QCOMPARE(header.font().family(), QStringLiteral("Tahoma"));
    QVERIFY(header.font().bold());
    QCOMPARE(header.foreground().color(), QColor(Qt::blue));

    QCOMPARE(cellText(table, 2, 2), QStringLiteral("Circle"));
    QCOMPARE(table->cellAt(2, 2).firstCursorPosition().blockFormat().alignment(), Qt::AlignRight | Qt::AlignVCenter);
    // The icon cell: the picture at toolbar size, then two spaces.
    QCOMPARE(cellText(table, 1, 1), picture + QStringLiteral("  "));
    QTextCursor cursor = table->cellAt(1, 1).firstCursorPosition();
    cursor.movePosition(QTextCursor::NextCharacter);
    const QImage stored = document->resource(QTextDocument::ImageResource,
                                             QUrl(cursor.charFormat().toImageFormat().name())).value<QImage>();
    QCOMPARE(stored.size(), QSize(16, 16));
    QCOMPARE(QColor(stored.pixel(8, 8)), QColor(Qt::red));
    // A row's texts sit level with its picture.
    document->documentLayout()->documentSize();
    for (int row = 1; row <= 3; ++row)
        QVERIFY(qAbs(cellContent(table, row, 2).center().y() - cellContent(table, row, 1).center().y()) <= 1);
}

void tst_PrintDocument::backgrounds_data()
{
    QTest::addColumn<QVariant>("background");
    QTest::newRow("alternating") << QVariant();
    QTest::newRow("colour") << QVariant(QColor(10, 20, 30));
    QTest::newRow("solid brush") << QVariant(QBrush(QColor(10, 20, 30)));
}

void tst_PrintDocument::backgrounds()
{
    QFETCH(QVariant, background);
    const auto model = threeRowModel();
    for (int row = 0; row < 3; ++row)
        model->setData(model->index(row, 1), background, Qt::BackgroundRole);
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(model.get()));
    QTextTable *table = tableOf(document.get());
    const QColor white(QStringLiteral("#ffffff"));
    const QColor grey(QStringLiteral("#e1e1e1"));
    const QColor kept = background.isValid() ? QColor(10, 20, 30) : QColor();
    const QVector<QColor> alternating = {white, grey, white};
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(cellBackground(table, row + 1, 0), alternating.at(row));
        QCOMPARE(cellBackground(table, row + 1, 1), kept.isValid() ? kept : alternating.at(row));
    }
    QCOMPARE(cellBackground(table, 0, 1), QColor(QStringLiteral("#dfdfdf")));
}

void tst_PrintDocument::emptyModels()
{
    const auto model = threeRowModel();
    model->setRowCount(0);
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(model.get()));
    QCOMPARE(tableOf(document.get())->rows(), 1);
    QCOMPARE(cellText(tableOf(document.get()), 0, 2), QStringLiteral("Command"));

    QStandardItemModel noColumns(3, 0);
    const std::unique_ptr<QTextDocument> empty(buildPrintDocument(&noColumns));
    QVERIFY(!tableOf(empty.get()));
}

// The rows as the table shows them: filtered and sorted.
void tst_PrintDocument::dialogPrintsFilteredAndSortedTable()
{
    dialogtest::DialogUnderTest test;
    test.child<QCheckBox>("filter_checkBox")->setChecked(true);
    test.child<QLineEdit>("search_lineEdit")->setText(QStringLiteral("o"));
    test.view->sortByColumn(3, Qt::DescendingOrder);
    const QStringList shown = test.shownCaptions();
    QCOMPARE(shown.size(), 4);
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(test.proxy));
    QTextTable *table = tableOf(document.get());
    QCOMPARE(table->rows(), shown.size() + 1);
    for (int row = 0; row < shown.size(); ++row) {
        QCOMPARE(cellText(table, row + 1, 2), shown.at(row));
        // An assigned command's "Select" cell holds the picture only.
        QCOMPARE(cellText(table, row + 1, 3), picture + QStringLiteral("  "));
    }
    QCOMPARE(cellText(table, 0, 3), QStringLiteral("Select"));
}

void tst_PrintDocument::arrowsPrintDarkOnPaper_data()
{
    QTest::addColumn<int>("scheme");
    QTest::newRow("light theme") << 0;
    QTest::newRow("dark theme") << 2;
}

// The screen's arrows follow the theme; paper is white in either.
void tst_PrintDocument::arrowsPrintDarkOnPaper()
{
    QFETCH(int, scheme);
    standin::setColorScheme(scheme);
    dialogtest::DialogUnderTest test;
    test.child<QCheckBox>("filter_checkBox")->setChecked(true);
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(test.proxy));
    QTextCursor cursor = tableOf(document.get())->cellAt(1, 3).firstCursorPosition();
    cursor.movePosition(QTextCursor::NextCharacter);
    const QImage arrow = document->resource(QTextDocument::ImageResource,
                                            QUrl(cursor.charFormat().toImageFormat().name())).value<QImage>();
    QVERIFY(!arrow.isNull());
    double ink = 0;
    int inked = 0;
    for (int y = 0; y < arrow.height(); ++y) {
        for (int x = 0; x < arrow.width(); ++x) {
            const QRgb pixel = arrow.pixel(x, y);
            if (qAlpha(pixel) > 128) {
                ink += qGray(pixel);
                ++inked;
            }
        }
    }
    QVERIFY(inked > 0);
    QVERIFY2(ink / inked < 110, qPrintable(QString::number(ink / inked)));
}

void tst_PrintDocument::pressPrintList(dialogtest::DialogUnderTest &test,
                                       const std::function<void(QPrintDialog *)> &answer)
{
    bool answered = false;
    QTimer::singleShot(0, this, [&] {
        if (auto *printDialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            answer(printDialog);
            answered = true;
        }
    });
    QTest::mouseClick(test.child<QPushButton>("print_pushButton"), Qt::LeftButton);
    QVERIFY(answered);
}

void tst_PrintDocument::printDialogCancelledPrintsNothing()
{
    dialogtest::DialogUnderTest test;
    test.dialog.show();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("cancelled.pdf"));
    pressPrintList(test, [&](QPrintDialog *printDialog) {
        printToFile(printDialog, pdf);
        printDialog->reject();
    });
    QVERIFY(!QFileInfo::exists(pdf));
}

void tst_PrintDocument::printedPdfListsVisibleCommandsInOrder()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    dialogtest::DialogUnderTest test;
    test.dialog.show();
    QTest::keyClicks(test.child<QLineEdit>("search_lineEdit"), QStringLiteral("o"));
    test.view->sortByColumn(2, Qt::DescendingOrder);
    const QStringList visible = test.shownCaptions();
    QVERIFY(visible.size() > 3 && !visible.contains(QStringLiteral("Line")));

    QTemporaryDir folder;
    folder.setAutoRemove(false);
    const QString pdf = folder.filePath(QStringLiteral("gestures.pdf"));
    pressPrintList(test, [&](QPrintDialog *printDialog) {
        // As a user does it: the file printer, a file name, then "Print".
        printToFile(printDialog, pdf);
        QTest::mouseClick(printDialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    // The printed words with their tops; compatibility normalisation undoes ligatures such as
    // the "ff" of "Offset".
    const QString html = QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    QStringList words;
    QVector<double> tops;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>")).globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch word = it.next();
        tops << word.captured(1).toDouble();
        words << word.captured(2);
    }
    QVERIFY2(words.contains(QStringLiteral("Category")) && words.contains(QStringLiteral("Select")), qPrintable(html));
    QVERIFY(!words.contains(QStringLiteral("Line")));
    // Every visible command in order, one row each; rows with and without an icon equally tall.
    QVector<double> rowTops;
    int position = 0;
    for (const QString &caption : visible) {
        position = words.indexOf(caption.section(QLatin1Char(' '), 0, 0), position);
        QVERIFY2(position >= 0, qPrintable(caption + QStringLiteral(" missing or out of order")));
        rowTops << tops.at(position++);
    }
    for (int row = 2; row < rowTops.size(); ++row)
        QVERIFY2(qAbs((rowTops[row] - rowTops[row - 1]) - (rowTops[1] - rowTops[0])) < 0.05,
                 qPrintable(QStringLiteral("row %1 starts at %2").arg(row).arg(rowTops[row])));
    folder.setAutoRemove(!QTest::currentTestFailed());
}

SW_TEST_MAIN(tst_PrintDocument)
#include "tst_printdocument.moc"
