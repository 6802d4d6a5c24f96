// Strokewheel - mouse gestures for CAD drawing views.
// The platform's module-handle vocabulary. On Windows this is the kernel's; elsewhere
// the host provides the same query over its dynamic loader.
#pragma once

#include "HostExport.h"

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <cstdint>
using HMODULE = void *;
using DWORD = std::uint32_t;

// Writes the full path of the loaded module file into buffer (at most size wide
// characters, terminated) and returns its length, or 0 when the handle is unknown.
extern "C" FX_HOST_API DWORD GetModuleFileNameW(HMODULE module, wchar_t *buffer, DWORD size);
#endif
