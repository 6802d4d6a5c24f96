// Strokewheel - mouse gestures for CAD drawing views.
// The widget of a drawing view.
#include "standin/DrawingView.h"

#include "standin/CommandProcessor.h"
#include "standin/HostState.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace standin {

namespace {
constexpr double kMinGridPixels = 12.0;
constexpr int kMajorEvery = 5;
constexpr int kViewsRemembered = 20;

void runFromMenu(const QString &text)
{
    CFxSystemServices::CFxExpressionParserData data;
    data.m_bMenuMacro = true;
    HostState::get().commandProcessor->execute(CFxString(text), data);
}
}

DrawingView::DrawingView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("drawingView"));
    setMouseTracking(true);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
}

DrawingView::~DrawingView() = default;

QWidget *DrawingView::GetWidget() const
{
    return const_cast<DrawingView *>(this);
}

void DrawingView::openContextMenu(const QPoint &globalPos)
{
    if (!m_contextMenu)
        m_contextMenu = createContextMenu();
    ++HostState::get().contextMenuCount;
    m_contextMenu->popup(globalPos);
}

QMenu *DrawingView::contextMenu() const
{
    return m_contextMenu.data();
}

QMenu *DrawingView::createContextMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("drawingViewContextMenu"));
    QAction *repeat = menu->addAction(tr("Repeat last command"));
    connect(menu, &QMenu::aboutToShow, repeat, [repeat] {
        repeat->setEnabled(!HostState::get().commandProcessor->executed.isEmpty());
    });
    connect(repeat, &QAction::triggered, this, [] {
        const auto &executed = HostState::get().commandProcessor->executed;
        if (!executed.isEmpty())
            runFromMenu(executed.last().text);
    });
    menu->addSeparator();
    connect(menu->addAction(tr("Pan")), &QAction::triggered, this, [] { runFromMenu(QStringLiteral("'_PAN")); });
    connect(menu->addAction(tr("Zoom")), &QAction::triggered, this, [] { runFromMenu(QStringLiteral("'_ZOOM")); });
    menu->addSeparator();
    connect(menu->addAction(tr("Properties")), &QAction::triggered, this,
            [] { runFromMenu(QStringLiteral("_PROPERTIES")); });
    return menu;
}

void DrawingView::contextMenuEvent(QContextMenuEvent *event)
{
    openContextMenu(event->globalPos());
    event->accept();
}

void DrawingView::setDrawing(const QPainterPath &drawing)
{
    m_drawing = drawing;
    zoomToBounds();
}

QPainterPath DrawingView::drawing() const
{
    return m_drawing;
}

QRectF DrawingView::drawingBounds() const
{
    return m_drawing.boundingRect();
}

ViewTransform DrawingView::transform() const
{
    return m_transform;
}

void DrawingView::setTransform(const ViewTransform &transform)
{
    m_transform = transform;
    m_fitted = false;
    update();
    emit transformChanged();
}

void DrawingView::zoomToBounds()
{
    if (!m_fitted)
        remember();
    const QRectF bounds = drawingBounds();
    m_transform = ViewTransform::fitting(bounds.isNull() ? QRectF(0, 0, 100, 100) : bounds, size(), kFitMargin);
    m_fitted = true;
    update();
    emit transformChanged();
}

void DrawingView::remember()
{
    m_previous.append(m_transform);
    if (m_previous.size() > kViewsRemembered)
        m_previous.removeFirst();
}

bool DrawingView::zoomPrevious()
{
    if (m_previous.isEmpty())
        return false;
    setTransform(m_previous.takeLast());
    return true;
}

void DrawingView::zoomBy(double factor)
{
    remember();
    ViewTransform zoomed = m_transform;
    zoomed.zoomAt(QRectF(rect()).center(), factor);
    setTransform(zoomed);
}

void DrawingView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fitted)
        zoomToBounds();
}

void DrawingView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    paintGrid(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(m_transform.matrix());
    QPen pen(palette().text().color(), 1.5);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(m_drawing);
}

void DrawingView::paintGrid(QPainter &painter) const
{
    const double step = ViewTransform::gridStep(m_transform.scale(), kMinGridPixels);
    const QRectF visible = m_transform.toDrawing(QRectF(rect()));
    QColor minor = palette().text().color();
    minor.setAlphaF(0.08);
    QColor major = minor;
    major.setAlphaF(0.18);
    QColor axis = palette().highlight().color();
    axis.setAlphaF(0.6);

    auto penFor = [&](double value) {
        const long long index = std::llround(value / step);
        if (index == 0)
            return QPen(axis, 1);
        return QPen(index % kMajorEvery == 0 ? major : minor, 1);
    };
    for (double x = std::floor(visible.left() / step) * step; x <= visible.right(); x += step) {
        painter.setPen(penFor(x));
        const double px = std::round(m_transform.toView(QPointF(x, 0)).x()) + 0.5;
        painter.drawLine(QPointF(px, 0), QPointF(px, height()));
    }
    for (double y = std::floor(visible.top() / step) * step; y <= visible.bottom(); y += step) {
        painter.setPen(penFor(y));
        const double py = std::round(m_transform.toView(QPointF(0, y)).y()) + 0.5;
        painter.drawLine(QPointF(0, py), QPointF(width(), py));
    }
}

void DrawingView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::MiddleButton) {
        event->ignore();
        return;
    }
    remember();
    m_panning = true;
    m_lastPanPoint = event->pos();
    setCursor(Qt::ClosedHandCursor);
}

void DrawingView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_panning) {
        event->ignore();
        return;
    }
    ViewTransform panned = m_transform;
    panned.panBy(event->pos() - m_lastPanPoint);
    m_lastPanPoint = event->pos();
    setTransform(panned);
}

void DrawingView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::MiddleButton || !m_panning) {
        event->ignore();
        return;
    }
    m_panning = false;
    unsetCursor();
}

void DrawingView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A middle double-click fits the drawing, as CAD users expect.
    if (event->button() == Qt::MiddleButton)
        zoomToBounds();
    else
        event->ignore();
}

void DrawingView::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0) {
        event->ignore();
        return;
    }
    remember();
    ViewTransform zoomed = m_transform;
    zoomed.zoomAt(event->position(), std::pow(kWheelStep, notches));
    setTransform(zoomed);
}

} // namespace standin
