// Strokewheel - mouse gestures for CAD drawing views.
// Benchmark of what a user meets first: the first event on a drawing view, the first
// gesture's ring and the first opening of the dialog, each in a fresh process. Run without
// arguments, it starts itself once per run and figure ("--child <what> <commands> <profile>")
// and prints each figure over the runs.
#include "BenchUtil.h"
#include "config/K2Regions.h"
#include "dialog/K2DonutDialogManager.h"
#include "host/OdRxModule.h"
#include "hostaccess/K2Host.h"
#include "standin/SettingsStore.h"
#include "standin/StandIn.h"
#include "BenchCatalogue.h"
#include "tests/support/TestSupport.h"
#include "tests/tracker/GestureTestHost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

extern "C" rz_OdRxModule *odrxCreateModuleObject(HMODULE &handle);

namespace {

double millisecondsSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void processEventsFor(int milliseconds)
{
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The host as a user starts it: a catalogue of commandCount commands with SVG icons, a
// profile on disk (holding the fourteen settings unless fresh), the main window with one
// drawing, the module loaded, then half a second of idleness before the user acts.
QWidget *startHost(int commandCount, bool freshProfile, const QTemporaryDir &folder)
{
    standin::reset();
    bench::buildLargeCatalogue(commandCount);
    const QString profile = folder.filePath(QStringLiteral("profile/settings.ini"));
    standin::SettingsStore *store = standin::settingsStore();
    if (!freshProfile) {
        store->setFile(profile);
        for (const QString &key : testsupport::allKeys()) {
            const QString value = key == K2Keys::kEnableMouseGesture ? QStringLiteral("1")
                : key == K2Keys::kActiveScheme                       ? QStringLiteral("8")
                                                                    : factoryCommand(key);
            store->setText(testsupport::section(), key, value);
        }
    }
    // Values are read from the file on first use, as after a restart.
    store->setFile(profile);
    standin::mainWindow()->show();
    standin::Document *document = standin::openDocument(QStringLiteral("Drawing1"));
    HMODULE handle = nullptr;
    odrxCreateModuleObject(handle)->initApp();
    processEventsFor(500);
    return standin::viewWidget(document);
}

// One run of a figure group; prints "name value" lines.
int runChild(const QString &what, int commandCount, bool freshProfile)
{
    QTemporaryDir folder;
    bench::isolateSettings(folder);
    QWidget *view = startHost(commandCount, freshProfile, folder);
    if (what == QLatin1String("gesture")) {
        gesturetest::ViewMouse mouse(view);
        QElapsedTimer timer;
        timer.start();
        mouse.moveTo(QPoint(200, 150));
        std::printf("first_event %f\n", millisecondsSince(timer));
        const QPoint press(220, 160);
        mouse.press(press);
        mouse.moveTo(press + QPoint(15, 0));
        timer.start();
        mouse.moveTo(press + QPoint(25, 0));
        mouse.moveTo(press + QPoint(30, 0));
        const double shown = millisecondsSince(timer);
        const QList<QWidget *> overlays = gesturetest::overlays();
        if (overlays.isEmpty() || !overlays.first()->isVisible() || !bench::waitForPaint(overlays.first()))
            qFatal("the ring did not show");
        std::printf("first_ring_shown %f\nfirst_ring_painted %f\n", shown, millisecondsSince(timer));
    } else {
        QElapsedTimer timer;
        timer.start();
        K2DonutDialogManager dialog(K2Host::windowParent(), false, false);
        dialog.show();
        if (!bench::waitForPaint(&dialog))
            qFatal("the dialog did not paint");
        std::printf("first_dialog_open %f\n", millisecondsSince(timer));
    }
    std::fflush(stdout);
    // The figures are out; tearing the host down is not what is measured.
    std::_Exit(0);
}

// Starts the child runs runs times and collects its figures by name.
QMap<QString, QVector<double>> runChildren(const QString &what, int commandCount, bool freshProfile, int runs)
{
    QMap<QString, QVector<double>> figures;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), what, QString::number(commandCount),
                     freshProfile ? QStringLiteral("fresh") : QStringLiteral("returning")});
        if (!child.waitForFinished(120000) || child.exitCode() != 0)
            qFatal("a child run failed");
        for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 2)
                figures[QString::fromLatin1(parts.at(0))] << parts.at(1).toDouble();
        }
    }
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QStringList arguments = [argc, argv] {
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (arguments.value(1) == QLatin1String("--child")) {
        qInstallMessageHandler(bench::quietOffscreenNotes);
        QApplication application(argc, argv);
        return runChild(arguments.value(2), arguments.value(3).toInt(), arguments.value(4) == QLatin1String("fresh"));
    }

    QCoreApplication application(argc, argv);
    const int runs = qEnvironmentVariableIntValue("BENCH_RUNS") > 0 ? qEnvironmentVariableIntValue("BENCH_RUNS") : 7;
    std::printf("Cold figures: each run is a fresh process (a host started with a profile that holds the\n"
                "settings, idle for 0.5 s), milliseconds over %d runs.\n", runs);
    for (int count : bench::commandCounts(arguments, {150, 1000, 5000})) {
        QMap<QString, QVector<double>> figures = runChildren(QStringLiteral("gesture"), count, false, runs);
        figures.insert(QStringLiteral("first_dialog_open"),
                       runChildren(QStringLiteral("dialog"), count, false, runs).value(QStringLiteral("first_dialog_open")));
        const QVector<double> fresh = runChildren(QStringLiteral("gesture"), count, true, runs).value(QStringLiteral("first_event"));
        for (auto it = figures.cbegin(); it != figures.cend(); ++it)
            bench::report(QStringLiteral("cold.%1.%2").arg(it.key()).arg(count), "ms", it.value());
        bench::report(QStringLiteral("cold.first_event_fresh_profile.%1").arg(count), "ms", fresh);
    }
    std::printf("first_event: a hover on the view (the configuration is built on it); first_ring_shown: from the\n"
                "move that crosses 20 px until the next move has shown the ring; first_ring_painted: until its\n"
                "first paint; first_dialog_open: the dialog built, shown and painted as the first use of the\n"
                "configuration; first_event_fresh_profile: as first_event, on a profile without settings.\n");
    return 0;
}
