// Strokewheel - mouse gestures for CAD drawing views.
// The assignment table's model: a working copy of the command catalogue.
#pragma once

#include "config/K2CommandInfo.h"

#include <QAbstractTableModel>
#include <QVector>

class K2DonutDialogManager;

class K2CommandRZModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { CategoryColumn = 0, IconColumn = 1, CommandColumn = 2, SelectColumn = 3, ColumnCount = 4 };

    // owner is the dialog whose scheme and reset button the model follows; not owned.
    explicit K2CommandRZModel(QObject *owner);
    ~K2CommandRZModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Takes a fresh copy of the configuration's catalogue.
    void reload();
    const QVector<K2CommandInfo> &entries() const { return m_entries; }
    // The owning dialog, or null when the owner is not one.
    K2DonutDialogManager *dialog() const;
    // The row's region number in the dialog's scheme; 0 for none or without a dialog.
    int activeRegion(int row) const;

    // Describes the command of the row pressed last; setData asks before assigning it.
    void setRestriction(bool restricted, int restrictionKind);
    int restrictionKind() const { return m_restrictionKind; }
    // Asks whether the restricted command may get a region; false only for No.
    bool ConfirmRestrictedCommand();

    // Gives entries[row] the region of the scheme (0 = none), taking it from the
    // first entry that holds it.
    static void assignRegion(QVector<K2CommandInfo> &entries, int row, quint8 region, bool eightGestures);

private:
    QVector<K2CommandInfo> m_entries;
    QObject *m_owner;
    bool m_restricted = false;
    int m_restrictionKind = 0;
};
