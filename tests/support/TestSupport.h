// Strokewheel - mouse gestures for CAD drawing views.
// Small values every test area needs: the settings section, its keys, a plain icon.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace testsupport {

// The module's section of the host settings store.
inline QString section()
{
    return QStringLiteral("Strokewheel");
}

// The fourteen keys, in the order a factory reset writes them.
inline QStringList allKeys()
{
    return {QStringLiteral("EnableMouseGesture"), QStringLiteral("ActiveScheme"), QStringLiteral("41"),
            QStringLiteral("42"), QStringLiteral("43"), QStringLiteral("44"), QStringLiteral("81"),
            QStringLiteral("82"), QStringLiteral("83"), QStringLiteral("84"), QStringLiteral("85"),
            QStringLiteral("86"), QStringLiteral("87"), QStringLiteral("88")};
}

// An icon whose only size is side x side, filled with one colour.
inline QIcon solidIcon(const QColor &colour, int side = 32)
{
    QPixmap pixmap(side, side);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

} // namespace testsupport
