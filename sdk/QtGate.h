// Strokewheel - mouse gestures for CAD drawing views.
// The gate through which the host's Qt layer admits modules.
#pragma once

#include "host/CFxBorealQtGate.h"

namespace fxsdk {

class QtGate : public CFxBorealQtGate
{
public:
    bool IsModuleDisabled() const override;

    bool moduleDisabled = false;
};

} // namespace fxsdk
