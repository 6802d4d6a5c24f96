// Strokewheel - mouse gestures for CAD drawing views.
// The geometry of the two drawings the host opens at start, in drawing units (y up).
#pragma once

#include <QPainterPath>

namespace SampleDrawings {

// A small house: walls, doors with their swings, windows; 12 x 8 m, in millimetres.
QPainterPath floorPlan();
// A flat bracket with holes and centre lines; 160 x 100 mm.
QPainterPath bracket();

} // namespace SampleDrawings
