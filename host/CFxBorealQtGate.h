// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: the gate through which the host's Qt layer admits modules.
#pragma once

#include "HostExport.h"

class FX_HOST_API CFxBorealQtGate
{
public:
    virtual ~CFxBorealQtGate();
    // True when modules must stay inactive.
    virtual bool IsModuleDisabled() const = 0;
};

// The gate, or null.
FX_HOST_API CFxBorealQtGate *GetFxBOREALQTGate();
