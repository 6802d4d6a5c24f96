// Strokewheel - mouse gestures for CAD drawing views.
// The gate through which the host's Qt layer admits modules.
#include "standin/QtGate.h"

namespace standin {

bool QtGate::IsModuleDisabled() const
{
    return moduleDisabled;
}

} // namespace standin
