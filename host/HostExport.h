// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK declarations: visibility of the host's exported classes and functions.
#pragma once

#if defined(_WIN32)
#  define FX_HOST_API __declspec(dllimport)
#  define FX_MODULE_EXPORT __declspec(dllexport)
#else
// The module is built with hidden visibility; host symbols must stay default so
// that references resolve against the host's libraries at load time.
#  define FX_HOST_API __attribute__((visibility("default")))
#  define FX_MODULE_EXPORT __attribute__((visibility("default")))
#endif
