// Strokewheel - mouse gestures for CAD drawing views.
// The module-file name query over the dynamic loader: a handle from dlopen names
// the file through its link map.
#include "host/WinModule.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <link.h>

extern "C" DWORD GetModuleFileNameW(HMODULE module, wchar_t *buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    buffer[0] = L'\0';
    QByteArray path;
    if (!module) {
        path = QFile::encodeName(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    } else {
        link_map *map = nullptr;
        if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name)
            return 0;
        char resolved[PATH_MAX];
        path = realpath(map->l_name, resolved) ? QByteArray(resolved) : QByteArray(map->l_name);
    }
    const std::wstring wide = QFile::decodeName(path).toStdWString();
    const DWORD length = DWORD(std::min<std::size_t>(wide.size(), size - 1));
    wide.copy(buffer, length);
    buffer[length] = L'\0';
    return length;
}
