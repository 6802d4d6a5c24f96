// Strokewheel - mouse gestures for CAD drawing views.
// The assignment table's filter (search, category, assigned only) and region sort order.
#include "dialog/K2CommandRZSortFilterProxyModel.h"

#include "dialog/K2CommandRZModel.h"
#include "dialog/K2DonutDialogManager.h"

K2CommandRZSortFilterProxyModel::K2CommandRZSortFilterProxyModel() = default;

K2CommandRZSortFilterProxyModel::~K2CommandRZSortFilterProxyModel() = default;

bool K2CommandRZSortFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    Q_UNUSED(sourceParent)
    const auto *model = qobject_cast<const K2CommandRZModel *>(sourceModel());
    if (!model)
        return true;
    const K2CommandInfo &entry = model->entries().at(sourceRow);
    const int region = model->activeRegion(sourceRow);
    const K2DonutDialogManager *dialog = model->dialog();
    if (!dialog)
        return false;

    if (dialog->assignedOnly() && region == 0)
        return false;
    const QString category = dialog->categoryText();
    if (category != K2DonutDialogManager::tr("All Commands") && category != entry.category)
        return false;
    const QString search = dialog->searchText();
    return search.isEmpty() || entry.caption.contains(search, Qt::CaseInsensitive);
}

bool K2CommandRZSortFilterProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (left.isValid() && right.isValid() && left.column() == K2CommandRZModel::SelectColumn
        && right.column() == K2CommandRZModel::SelectColumn) {
        const auto *model = qobject_cast<const K2CommandRZModel *>(sourceModel());
        const auto region = [model](const QModelIndex &index) {
            return model ? model->activeRegion(index.row()) : 0;
        };
        return region(left) < region(right);
    }
    return QSortFilterProxyModel::lessThan(left, right);
}
