// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: the base of the host's item delegates.
#pragma once

#include "HostExport.h"

#include <QItemDelegate>

class FX_HOST_API CFxItemDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit CFxItemDelegate(QObject *parent = nullptr);
    ~CFxItemDelegate() override;

    // Draws the index's decoration centred in the cell at the option's
    // decoration size, with the cell's background and no text.
    void paintCenteredIconWithoutText(QPainter *painter, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const;
};
