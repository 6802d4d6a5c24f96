// Strokewheel - mouse gestures for CAD drawing views.
// Loading and unloading the module file again and again: the resident set size it leaves
// behind per cycle, over repeats of 100 cycles (after a warm-up cycle).
#include "BenchModule.h"
#include "BenchUtil.h"
#include "sdk/ModuleLoader.h"
#include "standin/StandIn.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    bench::isolateSettings(folder);
    standin::reset();
    standin::openDocument(QStringLiteral("Drawing1"));
    const auto cycle = [] {
        fxsdk::ModuleLoader loader;
        QString error;
        if (!loader.load(QStringLiteral(SW_MODULE), &error)) {
            std::fprintf(stderr, "bench_moduleload: %s\n", qPrintable(error));
            std::exit(1);
        }
        standin::sendAppStarted();
    };
    cycle();
    QList<double> perCycle;
    for (int repeat = 0; repeat < 5; ++repeat) {
        const double before = bench::residentMegabytes();
        for (int i = 0; i < 100; ++i)
            cycle();
        perCycle << (bench::residentMegabytes() - before) * 1024.0 / 100.0;
    }
    bench::printFigures("moduleload_rss_growth_per_cycle", perCycle, "KB");
    return 0;
}
