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

void setCellBackground(QTextTableCell &cell, const QColor &colour)
{
    QTextCharFormat format = cell.format();
    format.setBackground(QBrush(colour));
    cell.setFormat(format);
}

QTextCharFormat characterFormat(const QColor &foreground, const QFont &font)
{
    QTextCharFormat format;
    format.setForeground(QBrush(foreground));
    format.setFont(font);
    return format;
}

} // namespace

QTextDocument *buildPrintDocument(QAbstractItemModel *model)
{
    const int rows = qMax(0, model->rowCount());
    const int columns = model->columnCount();

    QTextBlockFormat textFormat;
    textFormat.setTopMargin(0);
    textFormat.setBottomMargin(0);
    QTextBlockFormat pictureFormat;
    pictureFormat.setTopMargin(8);
    pictureFormat.setBottomMargin(8);

    auto *document = new QTextDocument;
    QTextCursor cursor(document);
    QTextTable *table = cursor.insertTable(rows + 1, columns);
    if (!table)
        return document; // a model without columns gives no table

    QTextTableFormat tableFormat;
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 98));
    tableFormat.setBackground(QBrush(Qt::white));
    tableFormat.setBorder(0);
    tableFormat.setCellSpacing(2);
    tableFormat.setCellPadding(2);
    tableFormat.setAlignment(Qt::AlignLeft);

    for (int column = 0; column < columns; ++column) {
        const QString text = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const QFont font = fontOf(model->headerData(column, Qt::Horizontal, Qt::FontRole));
        const QColor colour = colourOf(model->headerData(column, Qt::Horizontal, Qt::ForegroundRole));
        QTextTableCell cell = table->cellAt(0, column);
        setCellBackground(cell, QColor(QStringLiteral("#dfdfdf")));
        cell.firstCursorPosition().insertText(text, characterFormat(colour, font));
    }

    const int iconSize = CFxUtils::GetToolbarsIconSize();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QModelIndex index = model->index(row, column);
            if (!index.isValid())
                continue;
            QString text = index.data(Qt::DisplayRole).toString();
            const QFont font = fontOf(index.data(Qt::FontRole));
            const QColor foreground = colourOf(index.data(Qt::ForegroundRole));
            QColor background = colourOf(index.data(Qt::BackgroundRole));
            const QIcon icon = iconOf(index.data(Qt::DecorationRole));
            const QImage picture =
                icon.pixmap(QSize(iconSize, iconSize), QIcon::Normal, QIcon::Off).toImage();
            textFormat.setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
            if (!background.isValid())
                background = QColor(row % 2 ? QStringLiteral("#e1e1e1") : QStringLiteral("#ffffff"));

            QTextTableCell cell = table->cellAt(row + 1, column);
            setCellBackground(cell, background);
            const QTextCharFormat charFormat = characterFormat(foreground, font);
            cursor = cell.firstCursorPosition();
            cursor.setBlockFormat(text.trimmed().isEmpty() ? pictureFormat : textFormat);
            if (!icon.isNull()) {
                cursor.insertImage(picture, QString());
                cursor = cell.lastCursorPosition();
                text.prepend(QStringLiteral("  "));
            }
            cursor.insertText(text, charFormat);
        }
    }

    table->setFormat(tableFormat);
    return document;
}
