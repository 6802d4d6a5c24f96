// Strokewheel - mouse gestures for CAD drawing views.
// The host's item delegate base.
#include "host/CFxItemDelegate.h"

#include <QIcon>
#include <QPainter>
#include <QStyle>

CFxItemDelegate::CFxItemDelegate(QObject *parent)
    : QItemDelegate(parent)
{
}

CFxItemDelegate::~CFxItemDelegate() = default;

void CFxItemDelegate::paintCenteredIconWithoutText(QPainter *painter, const QStyleOptionViewItem &option,
                                                   const QModelIndex &index) const
{
    painter->save();
    drawBackground(painter, option, index);
    const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
    if (!icon.isNull()) {
        const bool enabled = option.state & QStyle::State_Enabled;
        const bool selected = option.state & QStyle::State_Selected;
        const QIcon::Mode mode = !enabled ? QIcon::Disabled : selected ? QIcon::Selected : QIcon::Normal;
        const QIcon::State state = (option.state & QStyle::State_Open) ? QIcon::On : QIcon::Off;
        const QRect target = QStyle::alignedRect(option.direction, Qt::AlignCenter, option.decorationSize, option.rect);
        icon.paint(painter, target, Qt::AlignCenter, mode, state);
    }
    painter->restore();
}
