// Strokewheel - mouse gestures for CAD drawing views.
// Small values every test area needs: the settings section, its keys and factory values,
// a plain icon.
#pragma once

#include "standin/SettingsStore.h"
#include "standin/StandIn.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMap>
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

// ---- the module's section of the host settings store ----------------------------
inline bool stored(const QString &key)
{
    return standin::settingsStore()->contains(section(), key);
}

inline QString storedText(const QString &key)
{
    return standin::settingsStore()->text(section(), key);
}

inline void store(const QString &key, const QString &value)
{
    standin::settingsStore()->setText(section(), key, value);
}

// The two flags as the dialog's OK stores them.
inline void storeFlags(bool enabled, int scheme)
{
    store(QStringLiteral("EnableMouseGesture"), enabled ? QStringLiteral("1") : QStringLiteral("0"));
    store(QStringLiteral("ActiveScheme"), QString::number(scheme));
}

// The fourteen settings after a factory reset.
inline QMap<QString, QString> factorySettings()
{
    const QStringList four = {"ID_ZOOM_BOUNDS", "ID_OPEN", "ID_SAVE", "ID_LINE"};
    const QStringList eight = {"ID_ZOOM_BOUNDS", "ID_OFFSET", "ID_OPEN", "ID_COPY",
                               "ID_SAVE",        "ID_DTEXT",  "ID_LINE", "ID_TRIM"};
    QMap<QString, QString> settings{{QStringLiteral("EnableMouseGesture"), QStringLiteral("1")},
                                    {QStringLiteral("ActiveScheme"), QStringLiteral("8")}};
    for (int n = 1; n <= 8; ++n) {
        if (n <= 4)
            settings.insert(QStringLiteral("4%1").arg(n), four.at(n - 1));
        settings.insert(QStringLiteral("8%1").arg(n), eight.at(n - 1));
    }
    return settings;
}

// ---- files ----------------------------------------------------------------------
// The whole file, or "<unreadable>".
inline QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Writes data as the whole file, making its folder first.
inline bool writeFile(const QString &file, const QByteArray &data)
{
    QFile f(file);
    return QDir().mkpath(QFileInfo(file).absolutePath()) && f.open(QIODevice::WriteOnly) &&
           f.write(data) == data.size();
}

// An icon whose only size is side x side, filled with one colour.
inline QIcon solidIcon(const QColor &colour, int side = 32)
{
    QPixmap pixmap(side, side);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

} // namespace testsupport
