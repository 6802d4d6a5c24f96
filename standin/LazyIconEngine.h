// Strokewheel - mouse gestures for CAD drawing views.
// A command icon that knows its file and reads it only when first drawn.
#pragma once

#include <QIconEngine>
#include <QPixmap>
#include <QString>
#include <QVector>

namespace standin {

// The catalogue hands out thousands of icons of which a gesture draws eight: each renders
// its SVG or PNG file once per size asked (a view asks one or two) and keeps the pixmap.
class LazyIconEngine : public QIconEngine
{
public:
    // No size beyond side x side is offered, as for an icon rendered at that size.
    LazyIconEngine(const QString &file, int side);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override;
    QIconEngine *clone() const override;
    QString key() const override;
    // Null when the file is missing (asked once): the command then shows its caption.
    void virtual_hook(int id, void *data) override;

private:
    QPixmap render(const QSize &side) const;

    QString m_file;
    int m_side;
    QVector<QPixmap> m_rendered;
    int m_fileExists = -1;
};

} // namespace standin
