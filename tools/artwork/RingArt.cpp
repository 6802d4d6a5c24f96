// Strokewheel - mouse gestures for CAD drawing views.
// Paints the ring pictures: the whole donut, region highlights and the legacy donut set.
#include "RingArt.h"

#include "RingGeometry.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <cmath>

using namespace RingGeometry;

RingArt::HighlightWidths RingArt::highlightWidths(Style style, int regionCount)
{
    const bool eight = regionCount == 8;
    // Dark sectors stop just short of their neighbours; the light tile overlaps them a little
    // and casts a soft shadow over them.
    if (style == Style::Dark)
        return eight ? HighlightWidths{44.0, 44.0} : HighlightWidths{84.0, 84.0};
    return eight ? HighlightWidths{48.0, 60.0} : HighlightWidths{94.0, 124.0};
}

RingArt::Palette RingArt::palette(Style style)
{
    if (style == Style::Dark)
        return {QColor(57, 58, 62), QColor(51, 52, 55), QColor(45, 46, 49), QColor(255, 255, 255, 20),
                QColor(8, 9, 11, 210)};
    return {QColor(235, 236, 239), QColor(229, 230, 234), QColor(221, 223, 228), QColor(255, 255, 255, 190),
            QColor(118, 124, 136, 170)};
}

RingArt::Palette RingArt::pointerOverPalette()
{
    return {QColor(222, 232, 246), QColor(212, 225, 243), QColor(200, 215, 238), QColor(255, 255, 255, 170),
            QColor(64, 112, 184, 190)};
}

QImage RingArt::blankImage()
{
    QImage image(imageSize, imageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The shape filled with a soft radial shade, a light bevel and a fine edge line inside its outline.
QImage RingArt::faceLayer(const QPainterPath &shape, const Palette &colours)
{
    QImage layer = blankImage();
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient shade(centre(), outerRadius);
    shade.setColorAt(innerRadius / outerRadius, colours.inner);
    shade.setColorAt(middleRadius / outerRadius, colours.face);
    shade.setColorAt(1.0, colours.outer);
    painter.fillPath(shape, shade);

    // Strokes centred on the outline, kept only where the face is: inner halves of 2 and 1 px.
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.strokePath(shape, QPen(colours.rim, 4.0));
    painter.strokePath(shape, QPen(colours.edge, 2.0));
    return layer;
}

// A shadow under the tile that shows past its ends: strongest at the tile, fading out smoothly
// (a Gaussian pulled down to zero) at the total width.
void RingArt::paintShadowedEnds(QPainter &painter, double direction, const HighlightWidths &widths)
{
    const QColor shadow(38, 44, 58);
    const double maxAlpha = 92.0;
    const int steps = 16;
    QConicalGradient fade(centre(), direction + 180.0);
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double offset = (widths.tile + t * (widths.total - widths.tile)) / 2;
        QColor colour = shadow;
        colour.setAlpha(int(std::lround(maxAlpha * std::exp(-3.0 * t * t) * (1.0 - t))));
        fade.setColorAt(0.5 - offset / 360.0, colour);
        fade.setColorAt(0.5 + offset / 360.0, colour);
    }
    painter.fillPath(sector(direction, widths.total, innerRadius, outerRadius), fade);
}

void RingArt::paintSeparators(QImage &layer, int regionCount, const QColor &colour)
{
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (int slot = 0; slot < regionCount; ++slot) {
        const double boundary = slotDirection(regionCount, slot) + 180.0 / regionCount;
        painter.drawLine(pointAt(boundary, innerRadius), pointAt(boundary, outerRadius));
    }
}

void RingArt::composite(QImage &target, const QImage &layer)
{
    QPainter painter(&target);
    painter.drawImage(0, 0, layer);
}

QImage RingArt::ring(Style style)
{
    return faceLayer(annulus(innerRadius, outerRadius), palette(style));
}

QImage RingArt::checkedRing(Style style)
{
    Palette colours = palette(style);
    colours.edge = pointerOverPalette().edge;
    return faceLayer(annulus(innerRadius, outerRadius), colours);
}

QImage RingArt::highlight(Style style, int regionCount, double direction)
{
    const HighlightWidths widths = highlightWidths(style, regionCount);
    QImage image = blankImage();
    if (widths.total > widths.tile) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintShadowedEnds(painter, direction, widths);
    }
    Palette colours = palette(style);
    if (style == Style::Dark) {
        // Flat near-black: the dark ring is already shaded, the selection reads as a cut-out.
        colours.inner = colours.face = colours.outer = QColor(19, 21, 24);
        colours.rim = QColor(255, 255, 255, 16);
        colours.edge = QColor(0, 0, 0, 200);
    }
    composite(image, faceLayer(sector(direction, widths.tile, innerRadius, outerRadius), colours));
    return image;
}

QImage RingArt::backgroundDonut(int regionCount)
{
    const Palette colours = palette(Style::Light);
    QImage image = faceLayer(annulus(innerRadius, outerRadius), colours);
    paintSeparators(image, regionCount, colours.edge);
    return image;
}

QImage RingArt::targetDonut(int regionCount, double direction, bool pointerOver)
{
    const double width = 360.0 / regionCount;
    const Palette colours = pointerOver ? pointerOverPalette() : palette(Style::Light);
    return faceLayer(sector(direction, width, innerRadius, outerRadius), colours);
}
