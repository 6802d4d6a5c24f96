// Strokewheel - mouse gestures for CAD drawing views.
// The assignment table's view: keeps a region editor open after a choice.
#pragma once

#include <QTableView>

class K2CommandTableView : public QTableView
{
    Q_OBJECT

public:
    explicit K2CommandTableView(QWidget *parent = nullptr);
    ~K2CommandTableView() override;

protected slots:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
};
