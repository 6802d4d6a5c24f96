// Strokewheel - mouse gestures for CAD drawing views.
// The assignment table's filter (search, category, assigned only) and region sort order.
#pragma once

#include <QSortFilterProxyModel>

class K2CommandRZSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    K2CommandRZSortFilterProxyModel();
    ~K2CommandRZSortFilterProxyModel() override;

    // The dialog re-filters whenever one of its filter controls or the scheme changes.
    using QSortFilterProxyModel::invalidateFilter;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
