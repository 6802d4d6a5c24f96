// Strokewheel - mouse gestures for CAD drawing views.
// The GESTURE command: opens the "Mouse Gestures" dialog.
#pragma once

#include "host/CFxCommand.h"

class CFxGestureCommand : public CFxCommand
{
public:
    static constexpr int kStatusDone = 5100;

    OdString globalName() const override;
    OdString localName() const override;
    int Run(CFxCommandContext *context) override;
};
