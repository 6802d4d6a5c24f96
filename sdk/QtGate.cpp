// Strokewheel - mouse gestures for CAD drawing views.
// The gate through which the host's Qt layer admits modules.
#include "sdk/QtGate.h"

namespace fxsdk {

bool QtGate::IsModuleDisabled() const
{
    return moduleDisabled;
}

} // namespace fxsdk
