// Strokewheel - mouse gestures for CAD drawing views.
// The mapping between drawing units and a view's pixels.
#include "standin/ViewTransform.h"

#include <algorithm>
#include <cmath>

namespace standin {

ViewTransform::ViewTransform(double scale, QPointF origin)
    : m_scale(std::clamp(scale, kMinScale, kMaxScale)), m_origin(origin)
{
}

ViewTransform ViewTransform::fitting(const QRectF &bounds, const QSizeF &viewport, double margin)
{
    const QRectF box = bounds.normalized();
    // Never let the margins eat more than half of the viewport.
    const double m = std::max(0.0, std::min({margin, viewport.width() / 4, viewport.height() / 4}));
    const double usableWidth = viewport.width() - 2 * m;
    const double usableHeight = viewport.height() - 2 * m;
    double scale = 1.0;
    if (box.width() > 0 && box.height() > 0)
        scale = std::min(usableWidth / box.width(), usableHeight / box.height());
    else if (box.width() > 0)
        scale = usableWidth / box.width();
    else if (box.height() > 0)
        scale = usableHeight / box.height();
    ViewTransform fitted(scale);
    // Centre: the box's centre goes to the viewport's centre.
    const QPointF centre = box.center();
    fitted.m_origin = QPointF(viewport.width() / 2 - centre.x() * fitted.m_scale,
                              viewport.height() / 2 + centre.y() * fitted.m_scale);
    return fitted;
}

QPointF ViewTransform::toView(const QPointF &drawing) const
{
    return QPointF(m_origin.x() + drawing.x() * m_scale, m_origin.y() - drawing.y() * m_scale);
}

QPointF ViewTransform::toDrawing(const QPointF &view) const
{
    return QPointF((view.x() - m_origin.x()) / m_scale, (m_origin.y() - view.y()) / m_scale);
}

QRectF ViewTransform::toView(const QRectF &drawing) const
{
    return QRectF(toView(drawing.topLeft()), toView(drawing.bottomRight())).normalized();
}

QRectF ViewTransform::toDrawing(const QRectF &view) const
{
    return QRectF(toDrawing(view.topLeft()), toDrawing(view.bottomRight())).normalized();
}

QTransform ViewTransform::matrix() const
{
    return QTransform(m_scale, 0, 0, -m_scale, m_origin.x(), m_origin.y());
}

void ViewTransform::zoomAt(const QPointF &viewPoint, double factor)
{
    if (!(factor > 0))
        return;
    const QPointF anchor = toDrawing(viewPoint);
    m_scale = std::clamp(m_scale * factor, kMinScale, kMaxScale);
    m_origin = QPointF(viewPoint.x() - anchor.x() * m_scale, viewPoint.y() + anchor.y() * m_scale);
}

void ViewTransform::panBy(const QPointF &pixels)
{
    m_origin += pixels;
}

double ViewTransform::gridStep(double scale, double minPixels)
{
    const double units = minPixels / scale;
    double decade = std::pow(10.0, std::floor(std::log10(units)));
    for (;;) {
        for (double mantissa : {1.0, 2.0, 5.0}) {
            // Compare in pixels with a little slack, so that exact powers survive rounding.
            if (mantissa * decade * scale >= minPixels * (1 - 1e-9))
                return mantissa * decade;
        }
        decade *= 10;
    }
}

} // namespace standin
