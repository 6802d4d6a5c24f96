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
    // The current index may lie in a column without an editor: this overload of edit()
    // then simply opens nothing, where the one-argument overload warns.
    if (hadFocus)
        edit(currentIndex(), QAbstractItemView::AllEditTriggers, nullptr);
}
