// Strokewheel - mouse gestures for CAD drawing views.
// Paints the direction arrows of the regions as small PNG pictures and SVG icons.
#include "ArrowArt.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtMath>

namespace {

constexpr int iconSize = 16;
constexpr double strokeWidth = 2.0;

QPointF rotated(QPointF v, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return QPointF(v.x() * qCos(a) - v.y() * qSin(a), v.x() * qSin(a) + v.y() * qCos(a));
}

} // namespace

QPoint ArrowArt::direction(const QString &name)
{
    const int dx = name.contains(QLatin1String("left")) ? -1 : name.contains(QLatin1String("right")) ? 1 : 0;
    const int dy = name.startsWith(QLatin1String("up")) ? -1 : name.startsWith(QLatin1String("down")) ? 1 : 0;
    return QPoint(dx, dy);
}

// Integer tips and 2 px strokes keep straight and axis-parallel strokes on whole pixels: the shaft of
// a straight arrow and the arms of a diagonal one come out crisp.
QPainterPath ArrowArt::centreLine(QPoint direction)
{
    const bool diagonal = direction.x() != 0 && direction.y() != 0;
    const double reach = diagonal ? 4.0 : 5.5;
    const double armLength = 5.0;
    const QPointF centre(iconSize / 2.0, iconSize / 2.0);
    const QPointF tip = centre + QPointF(direction) * reach;
    const QPointF tail = centre - QPointF(direction) * reach;
    const QPointF back = -QPointF(direction) / std::hypot(direction.x(), direction.y()) * armLength;

    QPainterPath path;
    path.moveTo(tail);
    path.lineTo(tip);
    path.moveTo(tip + rotated(back, 45.0));
    path.lineTo(tip);
    path.lineTo(tip + rotated(back, -45.0));
    return path;
}

void ArrowArt::paint(QPainter &painter, QPoint direction, const QColor &ink)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(centreLine(direction));
}

// The list pictures are 19 x 16: the 16 px arrow with three columns of air, one of them on the left.
QImage ArrowArt::picture(QPoint direction, const QColor &ink)
{
    QImage image(19, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(1, 0);
    paint(painter, direction, ink);
    return image;
}

bool ArrowArt::writeSvg(const QString &fileName, QPoint direction, const QColor &ink)
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setViewBox(QRect(0, 0, iconSize, iconSize));
    svg.setTitle(QStringLiteral("Strokewheel direction arrow"));
    svg.setDescription(QStringLiteral("Direction of a mouse gesture region"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    // The generator names the painter's font; a fixed family keeps the file the same on every machine.
    painter.setFont(QFont(QStringLiteral("sans-serif")));
    paint(painter, direction, ink);
    if (!painter.end())
        return false;

    // The generator would state the size in millimetres, which readers turn into pixels at
    // different resolutions; an icon states it in pixels.
    QByteArray document = buffer.data();
    document.replace("viewBox=", QStringLiteral("width=\"%1\" height=\"%1\" viewBox=").arg(iconSize).toUtf8());
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(document) == document.size() && file.commit();
}

QColor ArrowArt::inkOnLight()
{
    return QColor(60, 64, 72);
}

QColor ArrowArt::inkOnDark()
{
    return QColor(214, 217, 223);
}
