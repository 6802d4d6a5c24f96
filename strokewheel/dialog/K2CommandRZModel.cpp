// Strokewheel - mouse gestures for CAD drawing views.
// The assignment table's model: a working copy of the command catalogue.
#include "dialog/K2CommandRZModel.h"

#include "config/K2GestureConfig.h"
#include "dialog/K2DonutDialogManager.h"
#include "dialog/K2PrintDocument.h"
#include "hostaccess/K2Host.h"
#include "host/CFxSystemServices.h"
#include "host/CFxUtils.h"

#include <QBrush>
#include <QFont>

namespace {

bool darkHostTheme()
{
    const CFxSystemServices *services = GetFxSystemServices();
    return services && services->GetUIColorScheme() >= 2;
}

quint8 regionOf(const K2CommandInfo &entry, bool eightGestures)
{
    return eightGestures ? entry.region8 : entry.region4;
}

} // namespace

K2CommandRZModel::K2CommandRZModel(QObject *owner)
    : m_entries(K2GestureConfig::instance()->commands), m_owner(owner)
{
}

K2CommandRZModel::~K2CommandRZModel() = default;

int K2CommandRZModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

int K2CommandRZModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant K2CommandRZModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const K2CommandInfo &entry = m_entries.at(index.row());
    const QVariant leftAligned = int(Qt::AlignLeft | Qt::AlignVCenter);

    switch (index.column()) {
    case CategoryColumn:
        if (role == Qt::DisplayRole)
            return entry.category;
        if (role == Qt::TextAlignmentRole)
            return leftAligned;
        break;
    case IconColumn:
        if (role == Qt::DecorationRole)
            return entry.icon;
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        if (role == Qt::BackgroundRole && darkHostTheme())
            return QBrush(CFxUtils::GetLumenColor(2));
        break;
    case CommandColumn:
        if (role == Qt::DisplayRole)
            return entry.caption;
        if (role == Qt::TextAlignmentRole)
            return leftAligned;
        break;
    case SelectColumn: {
        const K2DonutDialogManager *owner = dialog();
        if (!owner)
            break;
        const quint8 region = regionOf(entry, owner->eightGestures());
        if (role == Qt::DecorationRole && region != 0)
            return owner->directionIcon(region);
        if (role == kPaperDecorationRole && region != 0)
            return owner->directionIcon(region, K2DonutDialogManager::OnPaper);
        if (role == Qt::EditRole)
            return int(region);
        if (role == Qt::TextAlignmentRole)
            return leftAligned;
        break;
    }
    default:
        break;
    }
    return {};
}

bool K2CommandRZModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != SelectColumn || role != Qt::EditRole
        || index.row() >= m_entries.size())
        return false;
    K2DonutDialogManager *owner = dialog();
    if (!owner)
        return true;

    const auto region = quint8(value.toInt());
    const bool eightGestures = owner->eightGestures() != 0;
    const bool changed = regionOf(m_entries.at(index.row()), eightGestures) != region;
    if (m_restricted && m_restrictionKind != 0 && changed && !ConfirmRestrictedCommand())
        return false;

    assignRegion(m_entries, index.row(), region, eightGestures);
    // No dataChanged: the row keeps its place under the current sort and filter
    // until the dialog re-filters.
    if (changed)
        owner->enableResetButton();
    return true;
}

QVariant K2CommandRZModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case CategoryColumn:
            return tr("Category");
        case IconColumn:
            return tr("Icon");
        case CommandColumn:
            return tr("Command");
        default:
            return tr("Select");
        }
    }
    if (role == Qt::FontRole)
        // Not a literal: Qt's font cache keeps the family beyond the module's unloading.
        return QFont(QString::fromLatin1("Tahoma"), 8, QFont::Bold, false);
    return {};
}

Qt::ItemFlags K2CommandRZModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == SelectColumn)
        result |= Qt::ItemIsEditable;
    return result;
}

void K2CommandRZModel::reload()
{
    beginResetModel();
    m_entries = K2GestureConfig::instance()->commands;
    endResetModel();
}

K2DonutDialogManager *K2CommandRZModel::dialog() const
{
    return qobject_cast<K2DonutDialogManager *>(m_owner);
}

int K2CommandRZModel::activeRegion(int row) const
{
    const K2DonutDialogManager *owner = dialog();
    if (!owner || row < 0 || row >= m_entries.size())
        return 0;
    return regionOf(m_entries.at(row), owner->eightGestures());
}

void K2CommandRZModel::setRestriction(bool restricted, int restrictionKind)
{
    m_restricted = restricted;
    m_restrictionKind = restrictionKind;
}

bool K2CommandRZModel::ConfirmRestrictedCommand()
{
    QString where;
    switch (m_restrictionKind) {
    case kCommandBlockEditorOnly:
        where = tr("block editor");
        break;
    case kCommandEditComponentOnly:
        where = tr("EditComponent.");
        break;
    case kCommandSheetOnly:
        where = tr("Sheet area");
        break;
    default:
        break;
    }
    const QString text =
        tr("Command active in %1 only. Do you want to assign command to mouse gesture?").arg(where);
    CFxSystemServices *services = GetFxSystemServices();
    const int answer = services->ShowMessage(text, K2Host::appTitle(), CFxSystemServices::kYesNo | CFxSystemServices::kIconStop);
    return answer != CFxSystemServices::kAnswerNo;
}

void K2CommandRZModel::assignRegion(QVector<K2CommandInfo> &entries, int row, quint8 region, bool eightGestures)
{
    if (region != 0) {
        for (K2CommandInfo &holder : entries) {
            if (regionOf(holder, eightGestures) != region)
                continue;
            // An odd eight-gesture region is also a four-gesture direction.
            if (!eightGestures || region % 2 == 1)
                holder.region4 = 0;
            holder.region8 = 0;
            break;
        }
    }

    K2CommandInfo &entry = entries[row];
    if (!eightGestures) {
        entry.region4 = region;
        entry.region8 = region ? quint8(2 * region - 1) : 0;
        return;
    }
    entry.region8 = region;
    if (region == 0)
        entry.region4 = 0;
    else if (region % 2 == 1)
        entry.region4 = quint8((region + 1) / 2);
}
