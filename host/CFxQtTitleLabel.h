// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: the section title label of host dialogs.
#pragma once

#include "HostExport.h"

#include <QLabel>

class FX_HOST_API CFxQtTitleLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CFxQtTitleLabel(QWidget *parent = nullptr);
    ~CFxQtTitleLabel() override;
};
