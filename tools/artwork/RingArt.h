// Strokewheel - mouse gestures for CAD drawing views.
// Paints the ring pictures: the whole donut, region highlights and the legacy donut set.
#pragma once

#include <QColor>
#include <QImage>

class QPainter;
class QPainterPath;

class RingArt
{
public:
    enum class Style { Light, Dark };

    // How wide a highlight is: its opaque tile, and the whole art including shadowed ends.
    struct HighlightWidths
    {
        double tile;
        double total;
    };

    static QImage ring(Style style);
    static QImage checkedRing(Style style);
    static QImage highlight(Style style, int regionCount, double direction);
    static QImage backgroundDonut(int regionCount);
    static QImage targetDonut(int regionCount, double direction, bool pointerOver);

    static HighlightWidths highlightWidths(Style style, int regionCount);

private:
    struct Palette
    {
        QColor inner; // face colour at the inner edge
        QColor face;  // face colour at the middle radius
        QColor outer; // face colour at the outer edge
        QColor rim;   // bevel just inside the edge line
        QColor edge;  // the fine edge line
    };

    static Palette palette(Style style);
    static Palette pointerOverPalette();
    static QImage blankImage();
    static QImage faceLayer(const QPainterPath &shape, const Palette &colours);
    static void paintShadowedEnds(QPainter &painter, double direction, const HighlightWidths &widths);
    static void paintSeparators(QImage &layer, int regionCount, const QColor &colour);
    static void composite(QImage &target, const QImage &layer);
};
