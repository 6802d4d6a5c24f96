// Strokewheel - mouse gestures for CAD drawing views.
// The widget of a drawing view.
#include "standin/DrawingView.h"

#include <QPainter>

namespace standin {

DrawingView::DrawingView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("drawingView"));
    setMouseTracking(true);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setMinimumSize(320, 240);
}

DrawingView::~DrawingView() = default;

QWidget *DrawingView::GetWidget() const
{
    return const_cast<DrawingView *>(this);
}

void DrawingView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    for (int x = 0; x < width(); x += 20)
        painter.drawLine(x, 0, x, height());
    for (int y = 0; y < height(); y += 20)
        painter.drawLine(0, y, width(), y);
}

} // namespace standin
