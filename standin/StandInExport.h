// Strokewheel - mouse gestures for CAD drawing views.
// Visibility of the stand-in host's control API.
#pragma once

#define STANDIN_API __attribute__((visibility("default")))
