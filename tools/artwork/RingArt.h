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

    // The whole ring, opaque: the overlay makes it translucent when it draws it.
    static QImage ring(Style style);
    // The ring with a blue edge line, for the "_text_checked" pictures of the resource set.
    static QImage checkedRing(Style style);
    // One region's highlight, drawn opaque over the ring, centred on direction.
    static QImage highlight(Style style, int regionCount, double direction);
    // The legacy set: a ring with region separators, and plain or pointer-over region tiles.
    static QImage backgroundDonut(int regionCount);
    static QImage targetDonut(int regionCount, double direction, bool pointerOver);

private:
    // How wide a highlight is: its opaque tile, and the whole art including shadowed ends.
    struct HighlightWidths
    {
        double tile;
        double total;
    };

    struct Palette
    {
        QColor inner; // face colour at the inner edge
        QColor face;  // face colour at the middle radius
        QColor outer; // face colour at the outer edge
        QColor rim;   // bevel just inside the edge line
        QColor edge;  // the fine edge line
    };

    static HighlightWidths highlightWidths(Style style, int regionCount);
    static Palette palette(Style style);
    static Palette pointerOverPalette();
    static QImage blankImage();
    static QImage faceLayer(const QPainterPath &shape, const Palette &colours);
    static void paintShadowedEnds(QPainter &painter, double direction, const HighlightWidths &widths);
    static void paintSeparators(QImage &layer, int regionCount, const QColor &colour);
    static void composite(QImage &target, const QImage &layer);
};
