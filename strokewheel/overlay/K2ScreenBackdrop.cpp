// Strokewheel - mouse gestures for CAD drawing views.
// What the screen shows in a rectangle.
#include "overlay/K2ScreenBackdrop.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QX11Info>

#include <xcb/xcb.h>

#include <cstdlib>

namespace K2ScreenBackdrop {

namespace {

// One request and its reply: QScreen::grabWindow makes five round trips and a server-side
// copy, which cost the gesture a few milliseconds before its ring could show.
QImage readRoot(const QRect &area)
{
    xcb_connection_t *connection = QX11Info::connection();
    const xcb_setup_t *setup = connection ? xcb_get_setup(connection) : nullptr;
    if (!setup || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return QImage();
    const xcb_get_image_cookie_t cookie =
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, QX11Info::appRootWindow(), qint16(area.x()),
                      qint16(area.y()), quint16(area.width()), quint16(area.height()), ~0u);
    xcb_get_image_reply_t *reply = xcb_get_image_reply(connection, cookie, nullptr);
    if (!reply)
        return QImage();
    const int bytesPerLine = area.width() * 4;
    // 24 bits of colour in 32-bit pixels: what every current X server's TrueColor root has.
    if ((reply->depth != 24 && reply->depth != 32)
        || xcb_get_image_data_length(reply) != bytesPerLine * area.height()) {
        std::free(reply);
        return QImage();
    }
    return QImage(xcb_get_image_data(reply), area.width(), area.height(), bytesPerLine, QImage::Format_RGB32,
                  std::free, reply);
}

} // namespace

QPixmap grab(const QRect &rect)
{
    if (!QX11Info::isPlatformX11() || rect.isEmpty())
        return QPixmap();
    QScreen *screen = QGuiApplication::screenAt(rect.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPixmap();
    const QRect onScreen = rect & screen->virtualGeometry();
    if (onScreen.isEmpty())
        return QPixmap();
    // Scaled screens map to the server's pixels in ways Qt keeps to itself.
    QImage read = screen->devicePixelRatio() == 1.0 ? readRoot(onScreen) : QImage();
    if (read.isNull())
        return screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height());
    if (onScreen == rect)
        return QPixmap::fromImage(std::move(read));
    QImage whole(rect.size(), QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::transparent);
    QPainter(&whole).drawImage(onScreen.topLeft() - rect.topLeft(), read);
    return QPixmap::fromImage(std::move(whole));
}

} // namespace K2ScreenBackdrop
