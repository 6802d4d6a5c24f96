// Strokewheel - mouse gestures for CAD drawing views.
// Paints the direction arrows of the regions as small PNG pictures and SVG icons.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QString>

class QPainter;

class ArrowArt
{
public:
    // Screen direction of an arrow: x to the right, y downwards, each -1, 0 or 1.
    static QPoint direction(const QString &name);

    // The arrow's centre line in a 16 x 16 box: a shaft and a two-armed head at the tip.
    static QPainterPath centreLine(QPoint direction);

    static QImage picture(QPoint direction, const QColor &ink);
    static bool writeSvg(const QString &fileName, QPoint direction, const QColor &ink);

    static QColor inkOnLight();
    static QColor inkOnDark();

private:
    static void paint(QPainter &painter, QPoint direction, const QColor &ink);
};
