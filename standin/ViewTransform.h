// Strokewheel - mouse gestures for CAD drawing views.
// The mapping between drawing units (y up) and a view's pixels (y down): pan, zoom, fit.
#pragma once

#include "standin/StandInExport.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

namespace standin {

class STANDIN_API ViewTransform
{
public:
    static constexpr double kMinScale = 1e-3;
    static constexpr double kMaxScale = 1e4;

    // Pixels per drawing unit, and the pixel where the drawing's origin lies.
    ViewTransform(double scale = 1.0, QPointF origin = QPointF());

    // The transform that shows bounds centred in a viewport, leaving margin pixels on
    // every side (fewer when the viewport is too small for them).
    static ViewTransform fitting(const QRectF &bounds, const QSizeF &viewport, double margin);

    double scale() const { return m_scale; }
    QPointF origin() const { return m_origin; }

    QPointF toView(const QPointF &drawing) const;
    QPointF toDrawing(const QPointF &view) const;
    QRectF toView(const QRectF &drawing) const;
    QRectF toDrawing(const QRectF &view) const;
    QTransform matrix() const;

    // Zooms by factor, keeping the drawing point under viewPoint where it is. The scale
    // stays within [kMinScale, kMaxScale].
    void zoomAt(const QPointF &viewPoint, double factor);
    void panBy(const QPointF &pixels);

    // The grid spacing in drawing units: the smallest 1, 2 or 5 times a power of ten that
    // is at least minPixels apart at scale.
    static double gridStep(double scale, double minPixels);

private:
    double m_scale;
    QPointF m_origin;
};

} // namespace standin
