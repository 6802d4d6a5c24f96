// Strokewheel - mouse gestures for CAD drawing views.
// What the screen shows in a rectangle, for a window that blends itself with what lies
// beneath it because no compositor does.
#pragma once

#include <QPixmap>
#include <QRect>

namespace K2ScreenBackdrop {

// The screen's pixels in rect (global, device-independent); parts off the screen are clear.
// Null where the window system cannot be read.
QPixmap grab(const QRect &rect);

} // namespace K2ScreenBackdrop
