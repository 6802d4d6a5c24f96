// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: the button box of host dialogs.
#pragma once

#include "HostExport.h"

#include <QDialogButtonBox>

class FX_HOST_API CFxQtDialogButtonBox : public QDialogButtonBox
{
    Q_OBJECT

public:
    explicit CFxQtDialogButtonBox(QWidget *parent = nullptr);
    ~CFxQtDialogButtonBox() override;
};
