// Strokewheel - mouse gestures for CAD drawing views.
// The button box of host dialogs.
#include "host/CFxQtDialogButtonBox.h"

CFxQtDialogButtonBox::CFxQtDialogButtonBox(QWidget *parent)
    : QDialogButtonBox(parent)
{
}

CFxQtDialogButtonBox::~CFxQtDialogButtonBox() = default;
