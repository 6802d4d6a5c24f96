// Strokewheel - mouse gestures for CAD drawing views.
// What every benchmark shares: private settings folders, the sizes to measure, and one way
// of printing a figure.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <QWidget>

#include <algorithm>
#include <cstdio>

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

// One figure: "name value unit", the value being the median, then min/median/max of the
// repeats and how many there were.
inline void report(const char *name, const char *unit, QVector<double> values)
{
    if (values.isEmpty())
        return;
    std::sort(values.begin(), values.end());
    const double median = values.at(values.size() / 2);
    std::printf("%-44s %10.3f %-3s  min/median/max %.3f/%.3f/%.3f (n=%d)\n", name, median, unit, values.first(), median,
                values.last(), int(values.size()));
    std::fflush(stdout);
}

inline void report(const QString &name, const char *unit, const QVector<double> &values)
{
    report(qPrintable(name), unit, values);
}

// The offscreen platform's notes on every shown window (and on the missing runtime folder)
// would bury the figures.
inline void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Waits for widget's next paint; returns false after two seconds without one.
inline bool waitForPaint(QWidget *widget)
{
    struct PaintSpy : QObject
    {
        bool painted = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } spy;
    widget->installEventFilter(&spy);
    QElapsedTimer timer;
    timer.start();
    while (!spy.painted && timer.elapsed() < 2000)
        QCoreApplication::processEvents();
    widget->removeEventFilter(&spy);
    return spy.painted;
}

} // namespace bench
