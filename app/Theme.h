// Strokewheel - mouse gestures for CAD drawing views.
// The host's light and dark themes: the colour scheme the module asks for and a matching
// Qt palette.
#pragma once

#include <QPalette>

namespace Theme {

constexpr int kLightScheme = 0;
constexpr int kDarkScheme = 2;

QPalette palette(bool dark);
// Sets the host's colour scheme and the application's palette.
void apply(bool dark);
bool isDark();

} // namespace Theme
