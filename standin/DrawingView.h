// Strokewheel - mouse gestures for CAD drawing views.
// The widget of a drawing view: a grid and the drawing's geometry, panned with the middle
// button and zoomed with the wheel. The right button is left to the input-point manager.
#pragma once

#include "host/CFxInputPointManager.h"
#include "standin/StandInExport.h"
#include "standin/ViewTransform.h"

#include <QPainterPath>
#include <QPointer>
#include <QVector>
#include <QWidget>

class QMenu;

namespace standin {

class STANDIN_API DrawingView : public QWidget, public CFxView
{
    Q_OBJECT

public:
    static constexpr double kFitMargin = 24.0;
    static constexpr double kWheelStep = 1.2;   // zoom factor per wheel notch

    explicit DrawingView(QWidget *parent = nullptr);
    ~DrawingView() override;

    QWidget *GetWidget() const override;

    // Pops the view's context menu up at globalPos and returns at once.
    void openContextMenu(const QPoint &globalPos);
    QMenu *contextMenu() const;

    // The drawing's geometry in drawing units (y up).
    void setDrawing(const QPainterPath &drawing);
    QPainterPath drawing() const;
    QRectF drawingBounds() const;

    ViewTransform transform() const;
    void setTransform(const ViewTransform &transform);
    // Fits the whole drawing into the view (zoom extents).
    void zoomToBounds();
    // Zooms about the view's centre.
    void zoomBy(double factor);
    // Goes back to the view before the last zoom or pan; false when there is none.
    bool zoomPrevious();
    // Inline: asked on every input event the view delivers to trackers.
    bool isPanning() const { return m_panning; }

signals:
    void transformChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    // The menu key; the right button goes through the input-point manager.
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QMenu *createContextMenu();
    void paintGrid(QPainter &painter) const;
    void remember();

    QPointer<QMenu> m_contextMenu;
    QPainterPath m_drawing;
    ViewTransform m_transform;
    // The view keeps the fitted picture until the user pans or zooms.
    bool m_fitted = true;
    bool m_panning = false;
    QPoint m_lastPanPoint;
    QVector<ViewTransform> m_previous;
};

} // namespace standin
