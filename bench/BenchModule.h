// Strokewheel - mouse gestures for CAD drawing views.
// What the module-file benchmarks share: the resident set size, and figures printed as
// "name value unit" lines.
#pragma once

#include <QFile>
#include <QList>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace bench {

inline double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

inline void printFigure(const char *name, double value, const char *unit)
{
    std::printf("%s %.2f %s\n", name, value, unit);
    std::fflush(stdout);
}

// One line, then min/median/max over the repeats.
inline void printFigures(const char *name, QList<double> values, const char *unit)
{
    std::sort(values.begin(), values.end());
    printFigure(name, values.at(values.size() / 2), unit);
    std::printf("  min %.2f median %.2f max %.2f over %d repeats\n", values.first(), values.at(values.size() / 2),
                values.last(), int(values.size()));
    std::fflush(stdout);
}

} // namespace bench
