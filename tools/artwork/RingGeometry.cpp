// Strokewheel - mouse gestures for CAD drawing views.
// Geometry every donut picture shares: the ring's centre and radii, sectors and region angles.
#include "RingGeometry.h"

#include <QRectF>
#include <QtMath>

namespace RingGeometry {

QPointF centre()
{
    return QPointF(centreCoordinate, centreCoordinate);
}

QPointF pointAt(double degrees, double radius)
{
    const double a = qDegreesToRadians(degrees);
    return centre() + QPointF(radius * qCos(a), -radius * qSin(a));
}

static QRectF circleBounds(double radius)
{
    return QRectF(centre() - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
}

QPainterPath annulus(double inner, double outer)
{
    QPainterPath path;
    path.addEllipse(circleBounds(outer));
    path.addEllipse(circleBounds(inner));
    return path;
}

QPainterPath sector(double centreDegrees, double widthDegrees, double inner, double outer)
{
    const double start = centreDegrees - widthDegrees / 2;
    QPainterPath path;
    path.arcMoveTo(circleBounds(outer), start);
    path.arcTo(circleBounds(outer), start, widthDegrees);
    path.arcTo(circleBounds(inner), start + widthDegrees, -widthDegrees);
    path.closeSubpath();
    return path;
}

double slotDirection(int regionCount, int slot)
{
    return 90.0 + slot * 360.0 / regionCount;
}

double pictureDirection(int number)
{
    return (number - 1) * 45.0;
}

} // namespace RingGeometry
