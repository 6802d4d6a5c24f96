// Strokewheel - mouse gestures for CAD drawing views.
// The assignment table's delegate: the region combo box and the icon column.
#include "dialog/K2CommandModelDelegate.h"

#include "dialog/K2CommandRZModel.h"
#include "host/CFxUtils.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace {

bool isRegionColumn(const QModelIndex &index)
{
    return index.column() == K2CommandRZModel::SelectColumn;
}

QPalette::ColorGroup colourGroupOf(QStyle::State state)
{
    if (!(state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return (state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

} // namespace

K2CommandModelDelegate::K2CommandModelDelegate(QStandardItemModel *regionModel, QObject *parent)
    : CFxItemDelegate(parent), m_regionModel(regionModel)
{
}

K2CommandModelDelegate::~K2CommandModelDelegate() = default;

bool K2CommandModelDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *combo = qobject_cast<QComboBox *>(object);
    if (combo && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        // Focus leaves first so that the view does not reopen the editor it closes;
        // the focus-out must not commit the combo's choice on the way.
        if (QWidget *parent = combo->parentWidget()) {
            const QSignalBlocker blocker(this);
            parent->setFocus(Qt::OtherFocusReason);
        }
        emit closeEditor(combo);
        return true;
    }
    return CFxItemDelegate::eventFilter(object, event);
}

void K2CommandModelDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    QStyleOptionViewItem cellOption(option);
    if (CFxUtils::IsDarkStyleDialogUsed() && cellOption.showDecorationSelected
        && (cellOption.state & QStyle::State_Selected))
        cellOption.palette.setBrush(colourGroupOf(cellOption.state), QPalette::Highlight,
                                    QBrush(QColor(40, 76, 147)));

    if (index.column() == K2CommandRZModel::IconColumn) {
        const int size = CFxUtils::GetToolbarsIconSize();
        cellOption.decorationSize = QSize(size, size);
        paintCenteredIconWithoutText(painter, cellOption, index);
        return;
    }
    CFxItemDelegate::paint(painter, cellOption, index);
}

QSize K2CommandModelDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (isRegionColumn(index))
        return QSize(10, 10);
    return CFxItemDelegate::sizeHint(option, index);
}

QWidget *K2CommandModelDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                              const QModelIndex &index) const
{
    if (!isRegionColumn(index))
        return CFxItemDelegate::createEditor(parent, option, index);
    auto *combo = new QComboBox(parent);
    combo->setModel(m_regionModel);
    combo->installEventFilter(const_cast<K2CommandModelDelegate *>(this));
    connect(combo, SIGNAL(activated(int)), this, SLOT(commitAndCloseEditor(int)));
    return combo;
}

void K2CommandModelDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo || !isRegionColumn(index)) {
        CFxItemDelegate::setEditorData(editor, index);
        return;
    }
    combo->setCurrentIndex(quint8(index.data(Qt::EditRole).toInt()));
}

void K2CommandModelDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                          const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (combo && isRegionColumn(index))
        model->setData(index, combo->currentIndex(), Qt::EditRole);
}

void K2CommandModelDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                  const QModelIndex &index) const
{
    Q_UNUSED(index)
    editor->setGeometry(option.rect);
}

void K2CommandModelDelegate::commitAndCloseEditor(int index)
{
    Q_UNUSED(index)
    auto *editor = qobject_cast<QWidget *>(sender());
    if (!editor)
        return;
    emit commitData(editor);
    emit closeEditor(editor);
}
