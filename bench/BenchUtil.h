// Strokewheel - mouse gestures for CAD drawing views.
// What every benchmark sets up first: private settings folders and the sizes to measure.
#pragma once

#include <QList>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

namespace bench {

// Keeps the benchmark away from the user's settings: test-mode paths, and the Qt fallback
// settings inside folder.
inline void isolateSettings(const QTemporaryDir &folder)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString fallback = folder.filePath(QStringLiteral("fallback"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, fallback);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, fallback);
}

// Catalogue sizes given on the command line (arguments after the program name), else defaults.
inline QList<int> commandCounts(const QStringList &arguments, const QList<int> &defaults)
{
    QList<int> counts;
    for (const QString &argument : arguments.mid(1))
        counts << argument.toInt();
    return counts.isEmpty() ? defaults : counts;
}

} // namespace bench
