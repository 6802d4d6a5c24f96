// Strokewheel - mouse gestures for CAD drawing views.
// A command icon that knows its file and reads it only when first drawn.
#include "standin/LazyIconEngine.h"

#include <QApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <algorithm>

namespace standin {

LazyIconEngine::LazyIconEngine(const QString &file, int side)
    : m_file(file), m_side(side)
{
}

QSize LazyIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    return size.boundedTo(QSize(m_side, m_side));
}

QPixmap LazyIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QSize side = actualSize(size, mode, state);
    if (side.isEmpty())
        return QPixmap();
    auto found = std::find_if(m_rendered.cbegin(), m_rendered.cend(),
                              [side](const QPixmap &pixmap) { return pixmap.size() == side; });
    if (found == m_rendered.cend()) {
        m_rendered.append(render(side));
        found = m_rendered.cend() - 1;
    }
    if (mode != QIcon::Disabled)
        return *found;
    QStyleOption option;
    return QApplication::style()->generatedIconPixmap(mode, *found, &option);
}

QPixmap LazyIconEngine::render(const QSize &side) const
{
    if (!m_file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QImageReader reader(m_file);
        reader.setScaledSize(side);
        return QPixmap::fromImage(reader.read());
    }
    QImage image(side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(m_file).render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

void LazyIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
}

QList<QSize> LazyIconEngine::availableSizes(QIcon::Mode, QIcon::State) const
{
    return {QSize(m_side, m_side)};
}

QIconEngine *LazyIconEngine::clone() const
{
    return new LazyIconEngine(*this);
}

void LazyIconEngine::virtual_hook(int id, void *data)
{
    if (id != QIconEngine::IsNullHook) {
        QIconEngine::virtual_hook(id, data);
        return;
    }
    if (m_fileExists < 0)
        m_fileExists = QFileInfo::exists(m_file) ? 1 : 0;
    *static_cast<bool *>(data) = m_fileExists == 0;
}

QString LazyIconEngine::key() const
{
    return QStringLiteral("standin-lazy");
}

} // namespace standin
