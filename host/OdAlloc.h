// Strokewheel - mouse gestures for CAD drawing views.
// Drawing SDK: the allocator every SDK object is created with.
#pragma once

#include "HostExport.h"

#include <cstddef>

// Returns null when memory runs out; callers turn that into std::bad_alloc.
FX_HOST_API void *odrxAlloc(std::size_t size);
FX_HOST_API void odrxFree(void *memory);
