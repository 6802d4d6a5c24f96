// Strokewheel - mouse gestures for CAD drawing views.
// The "Mouse Gestures" configuration dialog.
#pragma once

#include "host/CFxDialog.h"

#include <QIcon>
#include <QItemSelection>
#include <QModelIndex>
#include <QStandardItemModel>

#include <memory>

namespace Ui {
class K2DonutDialogManagerClass;
}
class K2CommandModelDelegate;
class K2CommandRZModel;
class K2CommandRZSortFilterProxyModel;
class MyStyle;

class K2DonutDialogManager : public CFxDialog
{
    Q_OBJECT

public:
    // baseOption goes to the host's dialog unchanged; openedInSheet tells whether the
    // current layout is a sheet, where sheet-only commands need no question.
    K2DonutDialogManager(QWidget *parent, bool baseOption, bool openedInSheet);
    ~K2DonutDialogManager() override;

    int GetHelpContextId() const override;

    // The arrow of a region number in the scheme being edited; null outside 1..N.
    enum Surface { OnScreen, OnPaper };
    // The arrow of region number; on paper always the one drawn for a light background.
    QIcon directionIcon(int number, Surface surface = OnScreen) const;
    // Whether "Reset to Defaults" has nothing to restore: the stored configuration
    // is the factory eight-gesture assignment and "4 Gestures" is not chosen.
    bool isFactoryDefault() const;

    // What the table reads of the dialog's live state.
    quint32 eightGestures() const { return m_eightGestures; }
    bool openedInSheet() const { return m_openedInSheet; }
    QString searchText() const;
    QString categoryText() const;
    bool assignedOnly() const;
    void enableResetButton();

public slots:
    void checkBoxStateChanged(int state);
    void radioButtonStateChanged(bool checked);
    void applyFilter(const QString &text);
    void applyFilter(int value);
    void applyFilter();
    void okPressed();
    void disableControls(bool enable);
    void disableControls();
    void viewSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void applyDefaultSettings();
    void printList();
    void openEditor(const QModelIndex &index);

private:
    void fillCategories();
    void setUpTable();
    void sizeTable();
    // Describes the selected command and opens its region editor; the restriction
    // test and the model's restriction fields only when asked for.
    void describeSelection(bool withRestriction);

    std::unique_ptr<Ui::K2DonutDialogManagerClass> m_ui;
    QStandardItemModel m_regionModel;
    quint32 m_eightGestures = 0;
    std::unique_ptr<K2CommandRZModel> m_model;
    std::unique_ptr<K2CommandRZSortFilterProxyModel> m_proxy;
    bool m_openedInSheet;
    std::unique_ptr<K2CommandModelDelegate> m_delegate;
    std::unique_ptr<MyStyle> m_style;
};
