// Strokewheel - mouse gestures for CAD drawing views.
// The section title label of host dialogs.
#include "host/CFxQtTitleLabel.h"

CFxQtTitleLabel::CFxQtTitleLabel(QWidget *parent)
    : QLabel(parent)
{
    QFont titleFont = font();
    titleFont.setBold(true);
    setFont(titleFont);
}

CFxQtTitleLabel::~CFxQtTitleLabel() = default;
