// Strokewheel - mouse gestures for CAD drawing views.
// Loads a module file the way the host does.
#include "standin/ModuleLoader.h"

#include "standin/Editor.h"
#include "standin/HostState.h"

#include "host/OdRxModule.h"

#include <QFileInfo>

#include <dlfcn.h>
#include <utility>

namespace standin {

ModuleLoader::ModuleLoader() = default;

ModuleLoader::~ModuleLoader()
{
    unload();
}

bool ModuleLoader::load(const QString &path, QString *error)
{
    unload();
    auto fail = [&](const QString &cause) {
        if (error)
            *error = QStringLiteral("Cannot load module \"%1\": %2").arg(path, cause);
        if (m_library)
            dlclose(m_library);
        m_library = nullptr;
        return false;
    };

    const QFileInfo file(path);
    if (!file.exists())
        return fail(QStringLiteral("the file does not exist."));
    const QString fullPath = file.absoluteFilePath();
    m_library = dlopen(QFile::encodeName(fullPath).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!m_library)
        return fail(QString::fromLocal8Bit(dlerror()) + QLatin1Char('.'));

    auto version = reinterpret_cast<OdRxGetAPIVersionFn>(dlsym(m_library, "odrxGetAPIVersion"));
    auto create = reinterpret_cast<OdRxCreateModuleObjectFn>(dlsym(m_library, "odrxCreateModuleObject"));
    if (!version || !create)
        return fail(QStringLiteral("it does not export odrxGetAPIVersion and odrxCreateModuleObject."));

    int answer[4] = {};
    version(answer[0], answer[1], answer[2], answer[3]);
    for (int i = 0; i < 4; ++i) {
        if (answer[i] != kApiVersion[i]) {
            return fail(QStringLiteral("it was built for API version %1.%2.%3.%4, the host offers %5.%6.%7.%8.")
                            .arg(answer[0]).arg(answer[1]).arg(answer[2]).arg(answer[3])
                            .arg(kApiVersion[0]).arg(kApiVersion[1]).arg(kApiVersion[2]).arg(kApiVersion[3]));
        }
    }

    HMODULE handle = m_library;
    m_module = create(handle);
    if (!m_module)
        return fail(QStringLiteral("it created no module object."));
    m_path = fullPath;
    m_module->initApp();
    return true;
}

void ModuleLoader::unload()
{
    if (!m_module) {
        if (m_library)
            dlclose(m_library);
        m_library = nullptr;
        return;
    }
    HostState::get().editor->sendAppClosing();
    m_module->uninitApp();
    std::exchange(m_module, nullptr)->deleteModule();
    dlclose(std::exchange(m_library, nullptr));
    m_path.clear();
}

bool ModuleLoader::isLoaded() const
{
    return m_module != nullptr;
}

rz_OdRxModule *ModuleLoader::module() const
{
    return m_module;
}

QString ModuleLoader::path() const
{
    return m_path;
}

} // namespace standin
