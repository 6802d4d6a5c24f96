// Strokewheel - mouse gestures for CAD drawing views.
// The geometry of the two drawings the host opens at start.
#include "app/SampleDrawings.h"

namespace SampleDrawings {

namespace {

// A door of the given width hinged at hinge: the leaf standing open along +y and the
// quarter arc it swings through, towards +x (or -x, mirrored).
void addDoor(QPainterPath &path, QPointF hinge, double width, bool mirrored)
{
    path.moveTo(hinge);
    path.lineTo(hinge + QPointF(0, width));
    // Path angles turn the other way in drawing units, where y points up: -90 is the
    // leaf's tip, and the swing ends on the wall to the right (or left, mirrored).
    const QRectF swing(hinge.x() - width, hinge.y() - width, 2 * width, 2 * width);
    path.arcMoveTo(swing, -90);
    path.arcTo(swing, -90, mirrored ? -90 : 90);
}

void addWindow(QPainterPath &path, QPointF from, QPointF to, double wall)
{
    const QPointF across = from.x() == to.x() ? QPointF(wall, 0) : QPointF(0, wall);
    for (double f : {0.0, 0.5, 1.0}) {
        path.moveTo(from + across * f);
        path.lineTo(to + across * f);
    }
}

void addCircle(QPainterPath &path, QPointF centre, double radius)
{
    path.addEllipse(centre, radius, radius);
}

void addCentreCross(QPainterPath &path, QPointF centre, double half)
{
    path.moveTo(centre - QPointF(half, 0));
    path.lineTo(centre + QPointF(half, 0));
    path.moveTo(centre - QPointF(0, half));
    path.lineTo(centre + QPointF(0, half));
}

} // namespace

QPainterPath floorPlan()
{
    constexpr double wall = 300;
    QPainterPath path;
    path.addRect(0, 0, 12000, 8000);
    path.addRect(wall, wall, 12000 - 2 * wall, 8000 - 2 * wall);
    // Inner walls, with gaps for the doors.
    path.addRect(5000, wall, 150, 2800);
    path.addRect(5000, 4100, 150, 8000 - wall - 4100);
    path.addRect(wall, 4500, 3000, 150);
    path.addRect(4100, 4500, 900, 150);
    addDoor(path, QPointF(5075, 3100), 900, false);
    addDoor(path, QPointF(3300, 4575), 800, true);
    // The front door.
    addDoor(path, QPointF(8000, 150), 1000, false);
    addWindow(path, QPointF(1200, 0), QPointF(3600, 0), wall);
    addWindow(path, QPointF(1500, 8000 - wall), QPointF(3800, 8000 - wall), wall);
    addWindow(path, QPointF(7000, 8000 - wall), QPointF(10500, 8000 - wall), wall);
    addWindow(path, QPointF(12000 - wall, 2000), QPointF(12000 - wall, 5500), wall);
    // A table with chairs.
    path.addEllipse(QPointF(8500, 5200), 900, 900);
    for (QPointF chair : {QPointF(8500, 6400), QPointF(8500, 4000), QPointF(7300, 5200), QPointF(9700, 5200)})
        path.addRect(QRectF(chair - QPointF(250, 250), QSizeF(500, 500)));
    return path;
}

QPainterPath bracket()
{
    QPainterPath path;
    // Outline with rounded corners.
    path.addRoundedRect(QRectF(0, 0, 160, 100), 12, 12);
    // A slot and four fixing holes.
    path.addRoundedRect(QRectF(55, 40, 50, 20), 10, 10);
    for (QPointF hole : {QPointF(20, 20), QPointF(140, 20), QPointF(20, 80), QPointF(140, 80)}) {
        addCircle(path, hole, 6);
        addCentreCross(path, hole, 10);
    }
    addCircle(path, QPointF(80, 50), 4);
    addCentreCross(path, QPointF(80, 50), 32);
    return path;
}

} // namespace SampleDrawings
