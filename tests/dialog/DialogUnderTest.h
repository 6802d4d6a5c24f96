// Strokewheel - mouse gestures for CAD drawing views.
// The "Mouse Gestures" dialog under test, with its table, model and proxy at hand.
#pragma once

#include "DialogTestHost.h"

#include "dialog/K2CommandRZModel.h"
#include "dialog/K2CommandRZSortFilterProxyModel.h"
#include "dialog/K2DonutDialogManager.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace dialogtest {

// A dialog over the test catalogue, with its table's model and proxy at hand, driven as a user does.
struct DialogUnderTest
{
    explicit DialogUnderTest(bool openedInSheet = false) : dialog(nullptr, false, openedInSheet)
    {
        view = child<QTableView>("command_tableView");
        proxy = qobject_cast<K2CommandRZSortFilterProxyModel *>(view->model());
        model = qobject_cast<K2CommandRZModel *>(proxy->sourceModel());
    }
    template <class T> T *child(const char *name) const { return dialog.findChild<T *>(QString::fromLatin1(name)); }
    QWidget *widget(const char *name) const { return child<QWidget>(name); }
    int row(const char *id) const { return rowOfId(model->entries(), QString::fromLatin1(id)); }
    const K2CommandInfo &entry(const char *id) const { return model->entries().at(row(id)); }
    QModelIndex selectIndex(const char *id) const { return model->index(row(id), K2CommandRZModel::SelectColumn); }
    QModelIndex shownIndex(const char *id, int column) const
    {
        return proxy->mapFromSource(model->index(row(id), column));
    }
    QStringList shownCaptions() const
    {
        QStringList captions;
        for (int r = 0; r < proxy->rowCount(); ++r)
            captions << proxy->index(r, K2CommandRZModel::CommandColumn).data().toString();
        return captions;
    }
    void press(const char *id, int column = 2, Qt::KeyboardModifiers modifiers = {})
    {
        const QPoint centre = view->visualRect(shownIndex(id, column)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, centre);
    }
    QComboBox *openEditor() const
    {
        // Released editors are hidden before they go.
        for (QComboBox *combo : view->viewport()->findChildren<QComboBox *>()) {
            if (!combo->isHidden())
                return combo;
        }
        return nullptr;
    }
    // Chooses region in the open editor of the row, as a click in its list does.
    void choose(const char *id, int region)
    {
        if (!openEditor() || openEditor()->geometry() != view->visualRect(shownIndex(id, 3)))
            view->edit(shownIndex(id, 3));
        QComboBox *combo = openEditor();
        QVERIFY(combo);
        combo->setCurrentIndex(region);
        emit combo->activated(region);
    }
    QPushButton *button(QDialogButtonBox::StandardButton which) const
    {
        return child<QDialogButtonBox>("buttonBox")->button(which);
    }
    QPushButton *resetButton() const { return child<QPushButton>("reset_pushButton"); }
    QString description() const { return child<QLabel>("description_label")->text(); }

    K2DonutDialogManager dialog;
    QTableView *view = nullptr;
    K2CommandRZSortFilterProxyModel *proxy = nullptr;
    K2CommandRZModel *model = nullptr;
};

} // namespace dialogtest
