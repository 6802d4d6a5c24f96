// Strokewheel - mouse gestures for CAD drawing views.
// The module file's whole outside surface: the two functions the host looks up.
#include "module/K2Strokewheel.h"

extern "C" FX_MODULE_EXPORT rz_OdRxModule *odrxCreateModuleObject(HMODULE &handle)
{
    return K2StrokewheelModule::createModule(handle);
}

// The drawing-SDK interface version the module was built for.
extern "C" FX_MODULE_EXPORT void odrxGetAPIVersion(int &major, int &minor, int &release, int &build)
{
    major = 4;
    minor = 3;
    release = 2;
    build = 44932;
}
