// Strokewheel - mouse gestures for CAD drawing views.
// Loads a module file the way the host does, and takes it down again at shutdown.
#pragma once

#include "sdk/SdkExport.h"

#include <QString>

class rz_OdRxModule;

namespace fxsdk {

class FXSDK_API ModuleLoader
{
public:
    static constexpr int kApiVersion[4] = {4, 3, 2, 44932};

    ModuleLoader();
    ~ModuleLoader();   // unloads
    ModuleLoader(const ModuleLoader &) = delete;
    ModuleLoader &operator=(const ModuleLoader &) = delete;

    // Opens the file, checks its API version, creates the module object and runs
    // initApp. On failure nothing stays loaded and error names the file and the cause.
    bool load(const QString &path, QString *error);
    // appClosing to the editor reactors, uninitApp, delete through the module
    // interface, close the file. Nothing happens when nothing is loaded.
    void unload();

    bool isLoaded() const;
    rz_OdRxModule *module() const;
    QString path() const;

private:
    // uninitApp, deleteModule, close the file: each step only when the one before returned.
    void takeDown();

    void *m_library = nullptr;
    rz_OdRxModule *m_module = nullptr;
    QString m_path;
};

} // namespace fxsdk
