// Strokewheel - mouse gestures for CAD drawing views.
// The printed gesture list: a table model turned into a rich-text table.
#include "dialog/K2PrintDocument.h"

#include "host/CFxUtils.h"

#include <QAbstractItemModel>
#include <QBrush>
#include <QFont>
#include <QIcon>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

QFont fontOf(const QVariant &value)
{
    return value.canConvert<QFont>() ? value.value<QFont>() : QFont();
}

QColor colourOf(const QVariant &value)
{
    return value.canConvert<QColor>() ? value.value<QColor>() : QColor();
}

QIcon iconOf(const QVariant &value)
{
    return value.canConvert<QIcon>() ? value.value<QIcon>() : QIcon();
}

// Every cell centres its content vertically, so a row's texts line up with its pictures.
void setCellFormat(QTextTableCell &cell, const QColor &background)
{
    QTextCharFormat format = cell.format();
    format.setBackground(QBrush(background));
    format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    cell.setFormat(format);
}

QTextCharFormat characterFormat(const QColor &foreground, const QFont &font)
{
    QTextCharFormat format;
    format.setForeground(QBrush(foreground));
    format.setFont(font);
    return format;
}

QTextBlockFormat blockFormat(int margin, Qt::Alignment alignment = {})
{
    QTextBlockFormat format;
    format.setTopMargin(margin);
    format.setBottomMargin(margin);
    if (alignment)
        format.setAlignment(alignment);
    return format;
}

QTextTableFormat tableFormat()
{
    QTextTableFormat format;
    format.setWidth(QTextLength(QTextLength::PercentageLength, 98));
    format.setBackground(QBrush(Qt::white));
    format.setBorder(0);
    format.setCellSpacing(2);
    format.setCellPadding(2);
    format.setAlignment(Qt::AlignLeft);
    return format;
}

void insertHeaderRow(QTextTable *table, const QAbstractItemModel *model)
{
    for (int column = 0; column < table->columns(); ++column) {
        const QString text = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const QFont font = fontOf(model->headerData(column, Qt::Horizontal, Qt::FontRole));
        const QColor colour = colourOf(model->headerData(column, Qt::Horizontal, Qt::ForegroundRole));
        QTextTableCell cell = table->cellAt(0, column);
        setCellFormat(cell, QColor(QStringLiteral("#dfdfdf")));
        cell.firstCursorPosition().insertText(text, characterFormat(colour, font));
    }
}

// A picture cell without an icon holds a blank picture of the same size (and the same two
// spaces), so that rows of commands without an icon or a region are as tall as the others.
QImage pictureOf(const QIcon &icon, int size)
{
    if (!icon.isNull())
        return icon.pixmap(QSize(size, size), QIcon::Normal, QIcon::Off).toImage();
    QImage blank(size, size, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    return blank;
}

void insertCell(QTextTableCell cell, const QModelIndex &index, int iconSize)
{
    QString text = index.data(Qt::DisplayRole).toString();
    QColor background = colourOf(index.data(Qt::BackgroundRole));
    if (!background.isValid())
        background = QColor(index.row() % 2 ? QStringLiteral("#e1e1e1") : QStringLiteral("#ffffff"));
    setCellFormat(cell, background);

    const QVariant onPaper = index.data(kPaperDecorationRole);
    const QIcon icon = iconOf(onPaper.isValid() ? onPaper : index.data(Qt::DecorationRole));
    const bool picture = text.trimmed().isEmpty();
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setBlockFormat(picture ? blockFormat(8)
                                  : blockFormat(0, Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt())));
    if (!icon.isNull() || picture) {
        cursor.insertImage(pictureOf(icon, iconSize), QString());
        cursor = cell.lastCursorPosition();
        text.prepend(QStringLiteral("  "));
    }
    cursor.insertText(text, characterFormat(colourOf(index.data(Qt::ForegroundRole)), fontOf(index.data(Qt::FontRole))));
}

} // namespace

QTextDocument *buildPrintDocument(QAbstractItemModel *model)
{
    const int rows = qMax(0, model->rowCount());
    auto *document = new QTextDocument;
    QTextTable *table = QTextCursor(document).insertTable(rows + 1, model->columnCount());
    if (!table)
        return document; // a model without columns gives no table

    insertHeaderRow(table, model);
    const int iconSize = CFxUtils::GetToolbarsIconSize();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < table->columns(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (index.isValid())
                insertCell(table->cellAt(row + 1, column), index, iconSize);
        }
    }
    table->setFormat(tableFormat());
    return document;
}
