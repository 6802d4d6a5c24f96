// Strokewheel - mouse gestures for CAD drawing views.
// The assignment table's view: keeps a region editor open after a choice.
#include "dialog/K2CommandTableView.h"

K2CommandTableView::K2CommandTableView(QWidget *parent)
    : QTableView(parent)
{
}

K2CommandTableView::~K2CommandTableView() = default;

void K2CommandTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // An editor that still had the focus was closed by a choice, not by leaving it.
    const bool hadFocus = editor && editor->hasFocus();
    QTableView::closeEditor(editor, hint);
    if (hadFocus)
        edit(currentIndex());
}
