// Strokewheel - mouse gestures for CAD drawing views.
// Geometry every donut picture shares: the ring's centre and radii, sectors and region angles.
#pragma once

#include <QPainterPath>
#include <QPointF>

// Angles are degrees counter-clockwise from the right with y pointing up, as in the overlay.
namespace RingGeometry {

constexpr int imageSize = 250;
constexpr double centreCoordinate = 125.0;
constexpr double innerRadius = 71.0;
constexpr double outerRadius = 115.0;
// Where the overlay centres its items.
constexpr double middleRadius = (innerRadius + outerRadius) / 2;

QPointF centre();
QPointF pointAt(double degrees, double radius);

// The full ring between two radii (odd-even filled, so the hole stays empty).
QPainterPath annulus(double inner, double outer);

// One piece of the ring, widthDegrees wide, symmetric about centreDegrees.
QPainterPath sector(double centreDegrees, double widthDegrees, double inner, double outer);

// Direction of a region by its slot: slot 0 is the top, counting counter-clockwise.
double slotDirection(int regionCount, int slot);

// Direction of the 8-region picture "gestureregion<number>": 1 is the right, counter-clockwise.
double pictureDirection(int number);

} // namespace RingGeometry
