// Strokewheel - mouse gestures for CAD drawing views.
// Loads a module file the way the host does.
#include "sdk/ModuleLoader.h"

#include "sdk/Contain.h"
#include "sdk/Editor.h"
#include "sdk/ModuleProbe.h"

#include "host/OdRxModule.h"

#include <QFileInfo>

#include <cstring>

#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <utility>

namespace fxsdk {

namespace {

// dlopen maps the file and faults (SIGBUS) on pages past its end: a file cut short must be
// refused before. Empty when every header and loaded segment lies inside the file.
QString damage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString() + QLatin1Char('.');
    const QByteArray data = file.readAll();
    const auto size = quint64(data.size());
    ElfW(Ehdr) header;
    if (size < sizeof header || !data.startsWith(ELFMAG))
        return QStringLiteral("it is not a shared library.");
    std::memcpy(&header, data.constData(), sizeof header);
    const auto inside = [size](quint64 offset, quint64 length) { return offset <= size && length <= size - offset; };
    bool whole = header.e_ident[EI_CLASS] == (sizeof(void *) == 8 ? ELFCLASS64 : ELFCLASS32) && header.e_phentsize == sizeof(ElfW(Phdr)) &&
                 inside(header.e_phoff, quint64(header.e_phnum) * sizeof(ElfW(Phdr))) &&
                 inside(header.e_shoff, quint64(header.e_shnum) * header.e_shentsize);
    for (int i = 0; whole && i < header.e_phnum; ++i) {
        ElfW(Phdr) segment;
        std::memcpy(&segment, data.constData() + header.e_phoff + i * sizeof segment, sizeof segment);
        whole = segment.p_type != PT_LOAD || inside(segment.p_offset, segment.p_filesz);
    }
    return whole ? QString() : QStringLiteral("the file is truncated or damaged.");
}

} // namespace

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
    if (!file.isFile())
        return fail(QStringLiteral("it is not a regular file."));
    const QString fullPath = file.absoluteFilePath();
    const QString damaged = damage(fullPath);
    if (!damaged.isEmpty())
        return fail(damaged);
    // Headers that look whole still hide what only the dynamic linker finds, and a fault
    // there would take the host down: another process tries first.
    QString probeReason;
    if (!ModuleProbe::loads(fullPath, &probeReason))
        return fail(probeReason);
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
    QString failure;
    if (!contain([&] { m_module = create(handle); }, &failure))
        return fail(QStringLiteral("creating its module object failed: %1.").arg(failure));
    if (!m_module)
        return fail(QStringLiteral("it created no module object."));
    m_path = fullPath;
    if (!contain([this] { m_module->initApp(); }, &failure)) {
        // uninitApp takes back what initApp registered before it failed.
        const QString cause = QStringLiteral("its initApp failed: %1.").arg(failure);
        takeDown();
        return fail(cause);
    }
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
    // A module that got no editor registered no reactors to tell.
    if (auto *editor = dynamic_cast<Editor *>(odedEditor()))
        editor->sendAppClosing();
    takeDown();
}

void ModuleLoader::takeDown()
{
    QString failure;
    bool whole = contain([this] { m_module->uninitApp(); }, &failure) &&
                 contain([this] { std::exchange(m_module, nullptr)->deleteModule(); }, &failure);
    m_module = nullptr;
    void *library = std::exchange(m_library, nullptr);
    // What a failed module left registered may still be called: its code stays mapped.
    if (whole)
        dlclose(library);
    else
        report(QStringLiteral("Unloading module \"%1\" failed: %2. Its file stays loaded.").arg(m_path, failure));
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

} // namespace fxsdk
