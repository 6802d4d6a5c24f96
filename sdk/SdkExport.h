// Strokewheel - mouse gestures for CAD drawing views.
// Visibility of the SDK library's own classes (the ones the host/ headers do not declare).
#pragma once

#define FXSDK_API __attribute__((visibility("default")))
