// Strokewheel - mouse gestures for CAD drawing views.
// The host's dialog base.
#include "host/CFxDialog.h"

#include "sdk/HelpWindow.h"

CFxDialog::CFxDialog(QWidget *parent, bool option, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_option(option)
{
}

CFxDialog::~CFxDialog() = default;

int CFxDialog::exec()
{
    return QDialog::exec();
}

void CFxDialog::accept()
{
    QDialog::accept();
}

void CFxDialog::reject()
{
    QDialog::reject();
}

int CFxDialog::GetHelpContextId() const
{
    return 0;
}

bool CFxDialog::option() const
{
    return m_option;
}

void CFxDialog::Help()
{
    fxsdk::HelpWindow::open(GetHelpContextId(), this);
}
