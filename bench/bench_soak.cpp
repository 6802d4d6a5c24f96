// Strokewheel - mouse gestures for CAD drawing views.
// 10,000 gestures in one process through the module file, as a user makes them: the
// resident set size at 0, 1,000, 5,000 and 10,000. Every gesture shows the ring (a
// configuration reload and a settings write); one in a hundred picks a command, the rest
// are released before a pick (a pick holds the ring for 250 ms).
#include "BenchModule.h"
#include "BenchUtil.h"
#include "sdk/ModuleLoader.h"
#include "standin/SettingsStore.h"
#include "standin/StandIn.h"
#include "tests/tracker/DrawingViewFixture.h"
#include "tests/tracker/GestureTestHost.h"

#include "standin/Catalogue.h"
#include "standin/CommandGroup.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cmath>

namespace {

// Gives the regions of both schemes commands and stores the assignment with gestures on.
void assignGestureMacros()
{
    const QStringList eight = {QStringLiteral("^C^C_LINE"), QStringLiteral("^C^C_CIRCLE"), QStringLiteral("^C^C_ZOOM _E"),
                               QStringLiteral("_UNDO"),     QStringLiteral("^C^C_MOVE"),   QStringLiteral("^C^C_COPY"),
                               QStringLiteral("^C^C_ERASE"), QStringLiteral("'_PAN")};
    standin::Catalogue *catalogue = standin::catalogue();
    standin::CommandGroup *group = catalogue->addCommandGroup(QStringLiteral("Gestures"));
    for (int slot = 0; slot < 8; ++slot) {
        const QString key = QStringLiteral("8") + QString::number(slot + 1);
        const QString id = QStringLiteral("ID_GESTURE_") + key;
        group->add(catalogue->addCommand(id, eight.at(slot), QStringLiteral("Command ") + key));
        testsupport::store(key, id);
    }
    testsupport::storeFlags(true, 8);
}

// A view offset (y down) through the middle of one of eight regions.
QPoint outThrough(int region, int radius)
{
    const double radians = (90.0 + region * 45.0) * 3.14159265358979 / 180.0;
    return QPoint(qRound(radius * std::cos(radians)), -qRound(radius * std::sin(radians)));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The offscreen platform warns on every grab.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QTemporaryDir folder;
    bench::isolateSettings(folder);
    const int gestures = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;

    standin::reset();
    standin::settingsStore()->setFile(folder.filePath(QStringLiteral("profile/settings.ini")));
    assignGestureMacros();
    standin::Document *document = nullptr;
    QWidget *view = nullptr;
    fxsdk::ModuleLoader loader;
    QString error;
    if (!gesturetest::openDrawingView(document, view) || !loader.load(QStringLiteral(SW_MODULE), &error)) {
        std::fprintf(stderr, "bench_soak: %s\n", qPrintable(error));
        return 1;
    }
    gesturetest::ViewMouse mouse(view);
    const QPoint press(300, 200);
    QList<double> milliseconds;
    QElapsedTimer timer;
    int ringsShown = 0;
    for (int gesture = 0; gesture <= gestures; ++gesture) {
        if (gesture == 0 || gesture == 1000 || gesture == 5000 || gesture == 10000) {
            const QByteArray name = "soak_rss_after_" + QByteArray::number(gesture) + "_gestures";
            bench::printFigure(name.constData(), bench::residentMegabytes(), "MB");
        }
        if (gesture == gestures)
            break;
        timer.start();
        const int region = gesture % 8;
        mouse.press(press);
        mouse.moveTo(press + outThrough(region, 25));
        mouse.moveTo(press + outThrough(region, 30));
        mouse.moveTo(press + outThrough(region, 40));
        const QList<QWidget *> rings = gesturetest::overlays();
        ringsShown += std::any_of(rings.cbegin(), rings.cend(), [](QWidget *ring) { return ring->isVisible(); });
        if (gesture % 100 == 99) {
            mouse.moveTo(press + outThrough(region, 75));
            mouse.moveTo(press + outThrough(region, 90));
        }
        mouse.release();
        mouse.moveTo(press);
        QCoreApplication::processEvents();
        milliseconds << double(timer.nsecsElapsed()) / 1e6;
    }
    bench::printFigures("soak_gesture_time", milliseconds, "ms");
    bench::printFigure("soak_rings_shown", ringsShown, "gestures");
    bench::printFigure("soak_commands_run", standin::executedCommands().size(), "commands");
    gesturetest::closeContextMenus();
    return 0;
}
