// Strokewheel - mouse gestures for CAD drawing views.
// Whether a module file can be loaded without taking the process down: tried in a helper
// process beside the SDK library, and remembered for that version of the file.
#pragma once

#include "sdk/SdkExport.h"

#include <QString>

namespace fxsdk {

class FXSDK_API ModuleProbe
{
public:
    static constexpr int kTimeoutMs = 30000;
    static const char *const kHelperName;

    // False with the reason when loading the file fails or crashes. True as well when it
    // cannot be tried (no helper installed): the file is then trusted as before.
    static bool loads(const QString &path, QString *reason);
    // The helper beside this library (or beside the file it links to), empty when absent.
    static QString helperPath();

private:
    static QString fileVersion(const QString &path);
    static QString cacheFile();
};

} // namespace fxsdk
