// Strokewheel - mouse gestures for CAD drawing views.
// The gesture overlay the module shows: a translucent ring that follows the pointer and
// commits the region the pointer leaves the inner circle through.
#include "overlay/K2DonutDialogTLStyleImpl.h"

#include "config/K2GestureConfig.h"
#include "host/CFxApplication.h"
#include "host/CFxDocument.h"
#include "host/CFxInputPointManager.h"
#include "host/CFxProfileManager.h"
#include "host/CFxSystemServices.h"
#include "hostaccess/K2Host.h"
#include "overlay/K2DonutLayout.h"
#include "overlay/K2ScreenBackdrop.h"

#include <QBackingStore>
#include <QBitmap>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QGuiApplication>
#include <QIcon>
#include <QFontMetrics>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QX11Info>

#include <cmath>

namespace {

// Manhattan distance from the press point within which moves change nothing.
constexpr int kDeadZone = 20;
// Distance from the centre beyond which the region under the pointer is chosen.
constexpr double kCommitRadius = 69.0;
constexpr qint64 kCommitHoldMs = 250;
// Tells the host that an overlay owns the pointer.
constexpr short kOverlayCursorMode = 32;

// Decoding the pictures took most of a paint; paints follow the pointer, so keep them decoded.
QPixmap resourcePixmap(const QString &path)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap) && pixmap.load(path))
        QPixmapCache::insert(path, pixmap);
    return pixmap;
}

// The pixels a picture covers at all, soft shadows included.
QRegion pictureOutline(const QString &path)
{
    static QHash<QString, QRegion> outlines;
    auto found = outlines.constFind(path);
    if (found != outlines.constEnd())
        return *found;
    const QImage picture = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QImage covered(picture.size(), QImage::Format_MonoLSB);
    // A bitmap's region is its black (color1) pixels.
    covered.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    covered.fill(0);
    for (int y = 0; y < picture.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(line[x]) > 0)
                covered.setPixel(x, y, 1);
        }
    }
    return *outlines.insert(path, QRegion(QBitmap::fromImage(covered)));
}

// Without a compositor the X server cannot blend the window with what lies beneath it.
bool blendsItself()
{
    return QX11Info::isPlatformX11() && !QX11Info::isCompositingManagerRunning();
}

} // namespace

void K2DonutDialogTLStyleImpl::preloadPictures()
{
    // The first picture decoded also makes Qt look for its image plugins.
    const bool dark = isDarkStyle();
    resourcePixmap(K2DonutLayout::ringImage(dark));
    for (const int count : {4, 8}) {
        for (int index = 0; index < count; ++index)
            resourcePixmap(K2DonutLayout::highlightImage(count, index, dark));
    }
    // The first paint would otherwise load the label font's glyphs: labels at each angle,
    // painted into nothing. (The regions' contents are not known here: reading them writes
    // the settings.)
    QImage scratch(K2DonutLayout::kIconSide * 8, K2DonutLayout::kIconSide * 8, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    painter.setRenderHint(QPainter::Antialiasing);
    RegionContent sample;
    sample.isText = 1;
    sample.content = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    for (int index = 0; index < 8; ++index) {
        painter.save();
        painter.translate(scratch.rect().center());
        paintItem(painter, sample, K2DonutLayout::labelRotation(8, index), sample.content.toString().size());
        painter.restore();
    }
    // The first showing's shape, when there is no compositor.
    if (QX11Info::isPlatformX11() && !QX11Info::isCompositingManagerRunning())
        pictureOutline(K2DonutLayout::ringImage(dark));
    // The first translucent window costs the window system a visual and a colour map: paid
    // here, not by the first ring's grab.
    QWidget probe(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    probe.setAttribute(Qt::WA_TranslucentBackground);
    probe.winId();
}

K2DonutDialogTLStyleImpl::K2DonutDialogTLStyleImpl(QWidget *parent, Qt::WindowFlags flags)
    : K2DonutDialog(parent, flags)
{
    // A tool window stays above its parent and has no task-bar entry; the ring is its own frame.
    // Kept from the window manager: one reparents it into a frame of its own and unmaps that
    // only after the ring hid, and input a quick hand sends meanwhile lands on the frame.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    setAttribute(Qt::WA_TranslucentBackground);
    // It grabs the keyboard while shown; taking the activation too would leave the host's
    // window without it once the ring hides, and the keys typed next nowhere.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Moves with the button already up must reach a shown ring too, or it could never end.
    setMouseTracking(true);
    m_donutSize = QImageReader(K2DonutLayout::ringImage(isDarkStyle())).size();
    // While the overlay holds the keyboard, the application's shortcuts must not fire.
    installEventFilter(this);
    // A child, not QTimer::singleShot: that one's timer belongs to Qt's event dispatcher and
    // would call into this module file after the host has unloaded it.
    m_holdTimer = new QTimer(this);
    m_holdTimer->setSingleShot(true);
    connect(m_holdTimer, &QTimer::timeout, this, [this] {
        if (m_releaseHold)
            finishAndNotifyView(true, m_lastPointer, Qt::NoButton, Qt::NoModifier);
    });
}

K2DonutDialogTLStyleImpl::~K2DonutDialogTLStyleImpl()
{
    // Painting leaves the last region's help text on the status line.
    K2Host::setStatusText(QString());
}

void K2DonutDialogTLStyleImpl::arm(CFxView *view)
{
    if (!view || m_armed || m_shown)
        return;
    m_view = view;
    CFxApplication *application = GetFxSystemServices()->GetApplication();
    m_savedHostSetting = application->GetCursorMode();
    application->SetCursorMode(kOverlayCursorMode);
    QWidget *viewWidget = view->GetWidget();
    m_savedViewCursor = viewWidget->cursor();
    viewWidget->setCursor(Qt::ArrowCursor);
    m_armed = true;
}

void K2DonutDialogTLStyleImpl::showDonut()
{
    showDonut(QCursor::pos());
}

void K2DonutDialogTLStyleImpl::showDonut(const QPoint &globalPointer)
{
    if (!m_armed || m_shown)
        return;
    grabMouse();
    grabKeyboard();
    m_regionContents.clear();
    m_regionHelpTexts.clear();
    m_currentRegion = -1;
    m_lastPointer = globalPointer;
    const QPoint offset = pointerOffset(globalPointer);
    // Taken while the window is still off screen: the ring is painted over it as a
    // compositor would blend it.
    m_backdrop = blendsItself() ? K2ScreenBackdrop::grab(QRect(pos(), m_donutSize)) : QPixmap();

    const K2OverlayContent content = K2GestureConfig::instance()->overlayContent();
    m_regionCount = static_cast<quint16>(content.regionCount);
    // A region is left 20 degrees past its edge with 4 regions, 10 with 8.
    if (content.regionCount == 4)
        m_stickyWidth = 130.0;
    else if (content.regionCount == 8)
        m_stickyWidth = 65.0;
    for (int index = 0; index < content.regionCount; ++index) {
        m_regionContents.append(content.contents.value(index));
        m_regionHelpTexts.append(content.helpTexts.value(index));
    }

    // No dead zone here: the pointer is usually more than 20 pixels out already.
    updateRegion(offset.x(), -offset.y());
    updateShape();
    show();
    paintWithTheWindow();
    m_shown = true;
    m_armed = false;
}

void K2DonutDialogTLStyleImpl::paintWithTheWindow()
{
    // The first picture goes out with the window. Qt would paint once the X server reports
    // the window exposed: a round trip, plus whatever the host's loop does meanwhile (tens
    // of milliseconds in QGIS at times). The later exposure paints the same again.
    QBackingStore *store = backingStore();
    QWindow *window = windowHandle();
    if (!store || !window)
        return;
    const QRect all = rect();
    store->resize(size());
    store->beginPaint(all);
    render(store->paintDevice(), QPoint(), all, QWidget::DrawChildren);
    store->endPaint();
    store->flush(all, window);
}

void K2DonutDialogTLStyleImpl::endAfterRelease()
{
    if (!m_shown || m_releaseHold)
        return;
    if (!m_committed) {
        // Released before a pick: cancelled, as a release on the shown ring would be.
        hideDonut(false);
        return;
    }
    // A flick: the choice stays on screen for the hold, then its command runs at once,
    // while the user still connects it to the gesture.
    m_releaseHold = true;
    m_holdTimer->start(kCommitHoldMs);
}

void K2DonutDialogTLStyleImpl::hideDonut(bool accepted)
{
    m_shown = false;
    m_accepted = accepted;
    m_finished = true;
    m_committed = false;
    m_releaseHold = false;
    m_holdTimer->stop();
    GetFxSystemServices()->GetApplication()->SetCursorMode(static_cast<short>(m_savedHostSetting));
    m_view->GetWidget()->setCursor(m_savedViewCursor);
    releaseMouse();
    releaseKeyboard();
    hide();
}

void K2DonutDialogTLStyleImpl::updateRegion(double x, double y)
{
    computeRegion(x, y);
    if (std::sqrt(x * x + y * y) > kCommitRadius)
        commitSelection();
    else
        update();
}

void K2DonutDialogTLStyleImpl::commitSelection()
{
    m_committed = true;
    updateShape();
    repaint();
    // A busy wait, not an event loop: no input may reach the host while the choice is shown.
    QElapsedTimer hold;
    hold.start();
    while (hold.elapsed() < kCommitHoldMs) {
    }
}

QSize K2DonutDialogTLStyleImpl::donutSize() const
{
    return m_donutSize;
}

bool K2DonutDialogTLStyleImpl::isDarkStyle()
{
    CFxSystemServices *services = GetFxSystemServices();
    return services->GetProfileManager()->GetCurrentProfile() && services->GetUIColorScheme() >= 2;
}

bool K2DonutDialogTLStyleImpl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return K2DonutDialog::eventFilter(watched, event);
}

void K2DonutDialogTLStyleImpl::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_shown) {
        forwardToView(*event);
        return;
    }
    // The event's window-relative position belongs to whichever window Qt routed the grab
    // through; its global one is where the hand was.
    m_lastPointer = event->globalPos();
    const QPoint offset = pointerOffset(event->globalPos());
    if (offset.manhattanLength() <= kDeadZone)
        return;
    if (m_releaseHold) {
        // The held choice is what the user saw; it runs as it is.
        finishAndNotifyView(true, event->globalPos(), event->buttons(), event->modifiers());
        return;
    }
    updateRegion(offset.x(), -offset.y());
    if (m_committed)
        finishAndNotifyView(true, event->globalPos(), event->buttons(), event->modifiers());
}

void K2DonutDialogTLStyleImpl::mousePressEvent(QMouseEvent *event)
{
    if (m_shown && !m_releaseHold)
        return;
    // The user starts anew while a flick's choice is still held: its outcome goes first
    // (the press collects it), then the press starts the next gesture in the view.
    if (m_shown)
        hideDonut(true);
    forwardToView(*event);
}

void K2DonutDialogTLStyleImpl::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_shown) {
        forwardToView(*event);
        return;
    }
    finishAndNotifyView(m_committed, event->globalPos(), event->buttons(), event->modifiers());
}

void K2DonutDialogTLStyleImpl::finishAndNotifyView(bool accepted, const QPoint &globalPos, Qt::MouseButtons buttons,
                                                   Qt::KeyboardModifiers modifiers)
{
    hideDonut(accepted);
    // The tracker collects the outcome on the view's next mouse event: this one, now, so
    // that a chosen command runs before whatever input is queued behind it.
    sendToView(QEvent::MouseMove, globalPos, Qt::NoButton, buttons, modifiers);
}

void K2DonutDialogTLStyleImpl::forwardToView(const QMouseEvent &event)
{
    if (m_view)
        sendToView(event.type(), event.globalPos(), event.button(), event.buttons(), event.modifiers());
}

void K2DonutDialogTLStyleImpl::sendToView(QEvent::Type type, const QPoint &globalPos, Qt::MouseButton button,
                                          Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QWidget *viewWidget = m_view->GetWidget();
    QMouseEvent event(type, QPointF(viewWidget->mapFromGlobal(globalPos)), QPointF(globalPos), button, buttons, modifiers);
    QCoreApplication::sendEvent(viewWidget, &event);
}

void K2DonutDialogTLStyleImpl::updateShape()
{
    // Without a compositor the X server shows a translucent window's clear pixels black:
    // there the window is cut to what the ring, or the chosen sector, covers.
    if (!blendsItself()) {
        clearMask();
        return;
    }
    const bool dark = isDarkStyle();
    setMask(pictureOutline(m_committed ? K2DonutLayout::highlightImage(m_regionCount, m_currentRegion, dark)
                                       : K2DonutLayout::ringImage(dark)));
}

void K2DonutDialogTLStyleImpl::keyPressEvent(QKeyEvent *event)
{
    // Only the pointer ends a gesture; QDialog would reject on Escape.
    event->accept();
}

QPoint K2DonutDialogTLStyleImpl::pointerOffset(const QPoint &globalPos) const
{
    return ACTIVE_DOCUMENT()->GetViewWidget()->mapFromGlobal(globalPos) - m_pressPoint;
}

void K2DonutDialogTLStyleImpl::drawDonut(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(event->rect());
    if (!m_backdrop.isNull())
        painter.drawPixmap(0, 0, m_backdrop);

    if (m_committed) {
        drawSelection(painter);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::NoBrush);
        const bool dark = isDarkStyle();

        painter.save();
        painter.setOpacity(qMin(K2DonutLayout::ringOpacity(dark), 1.0));
        painter.drawPixmap(0, 0, resourcePixmap(K2DonutLayout::ringImage(dark)));
        painter.restore();
        if (m_currentRegion == -1)
            return;

        painter.save();
        centreCoordinates(painter);
        for (int index = 0; index < m_regionContents.size(); ++index) {
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            const qreal rotation = placeRegionItem(painter, m_regionCount, index);
            if (index != m_currentRegion)
                drawRegionItem(painter, index, rotation, K2DonutLayout::kKeptCharacters);
            painter.restore();
        }
        painter.restore();

        // The highlight covers the ring; the current item goes on top of it.
        drawCurrentRegion(painter, dark);
    }

    if (m_currentRegion < 0)
        return;
    K2Host::setStatusText(m_regionHelpTexts.value(m_currentRegion));
}

void K2DonutDialogTLStyleImpl::drawSelection(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    // Only the chosen sector: the ring and the other items are gone.
    drawCurrentRegion(painter, isDarkStyle());
}

void K2DonutDialogTLStyleImpl::drawCurrentRegion(QPainter &painter, bool dark)
{
    painter.drawPixmap(0, 0, resourcePixmap(K2DonutLayout::highlightImage(m_regionCount, m_currentRegion, dark)));
    painter.save();
    centreCoordinates(painter);
    const qreal rotation = placeRegionItem(painter, m_regionCount, m_currentRegion);
    drawRegionItem(painter, m_currentRegion, rotation, K2DonutLayout::kKeptCharactersCurrent);
    painter.restore();
}

qreal K2DonutDialogTLStyleImpl::placeRegionItem(QPainter &painter, int count, int index)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    painter.translate(K2DonutLayout::itemCentre(width(), count, index, ratio));
    return K2DonutLayout::labelRotation(count, index);
}

void K2DonutDialogTLStyleImpl::centreCoordinates(QPainter &painter) const
{
    painter.setViewport(0, 0, width(), height());
    painter.setWindow(-width() / 2, -height() / 2, width(), height());
}

void K2DonutDialogTLStyleImpl::drawRegionItem(QPainter &painter, int index, qreal rotation, int keptCharacters) const
{
    if (index < 0 || index >= m_regionContents.size())
        return;
    paintItem(painter, m_regionContents.at(index), rotation, keptCharacters);
}

void K2DonutDialogTLStyleImpl::paintItem(QPainter &painter, const RegionContent &item, qreal rotation, int keptCharacters)
{
    if (item.isText == 0) {
        // Icons stay upright, at the size the icon actually has up to 20 x 20.
        const QPixmap pixmap = item.content.value<QIcon>().pixmap(QSize(K2DonutLayout::kIconSide, K2DonutLayout::kIconSide),
                                                                  QIcon::Normal, QIcon::Off);
        painter.drawPixmap(-pixmap.width() / 2, -pixmap.height() / 2, pixmap);
        return;
    }
    painter.setPen(Qt::SolidLine);
    painter.setFont(K2DonutLayout::labelFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const QString text = K2DonutLayout::elidedLabel(item.content.toString(), metrics, keptCharacters);
    const int textWidth = metrics.horizontalAdvance(text);
    painter.rotate(rotation);
    painter.drawText(-textWidth / 2, 3, text);
}
