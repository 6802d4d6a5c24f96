// Strokewheel - mouse gestures for CAD drawing views.
// The assignment table's delegate: the region combo box and the icon column.
#pragma once

#include "host/CFxItemDelegate.h"

class QStandardItemModel;

class K2CommandModelDelegate : public CFxItemDelegate
{
    Q_OBJECT

public:
    // regionModel is the dialog's region list ("None", then one arrow per region); not owned.
    K2CommandModelDelegate(QStandardItemModel *regionModel, QObject *parent);
    ~K2CommandModelDelegate() override;

    bool eventFilter(QObject *object, QEvent *event) override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

public slots:
    // A choice in the combo box assigns at once.
    void commitAndCloseEditor(int index);

private:
    QStandardItemModel *m_regionModel;
};
