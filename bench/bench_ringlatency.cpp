// Strokewheel - mouse gestures for CAD drawing views.
// The ring as a user sees it, in both hosts under their own X server: from the pointer move
// that takes a right drag past 20 pixels (XTest, as a mouse does) to the ring's pixels on
// the screen (XGetImage), for the first gesture after a fresh start and for later ones. The
// ring shows on the event after the one that crossed the threshold; the hand goes on as a
// 1000 Hz mouse reports it, a pixel a millisecond, so that event comes 1 ms later.
// usage: bench_ringlatency [standin|qgis]...  (default: both, QGIS when it was built)
#include "BenchUtil.h"

#include <QDir>
#include <QProcess>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <functional>

namespace {

constexpr int kRepeats = 10;
constexpr int kTimeoutMs = 3000;

struct Host
{
    QString name;
    QString program;
    QStringList arguments;
    QString title;   // of the main window, a regular expression
    QPoint drag;     // where the right drag starts, in the drawing view
    int settleMs;    // after the window is placed: the view draws itself
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The host's main window filling the screen; false when it showed none within a minute.
bool placeWindow(const Host &host)
{
    QElapsedTimer timer;
    timer.start();
    QString window;
    while (window.isEmpty() && timer.elapsed() < 60000) {
        QThread::msleep(100);
        window = run(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", host.title}).section('\n', 0, 0);
    }
    if (window.isEmpty())
        return false;
    run(QStringLiteral("xdotool"), {"windowmove", window, "0", "0", "windowsize", window, "1280", "1024"});
    QThread::msleep(host.settleMs);
    return true;
}

// A strip left of the press point, across where the ring is drawn.
class RingStrip
{
public:
    RingStrip(Display *display, const QPoint &centre) : m_display(display), m_centre(centre) {}

    QByteArray pixels() const
    {
        XImage *image = XGetImage(m_display, DefaultRootWindow(m_display), m_centre.x() - 90, m_centre.y(), 70, 1,
                                  AllPlanes, ZPixmap);
        if (!image)
            return QByteArray();
        const QByteArray data(image->data, image->bytes_per_line * image->height);
        XDestroyImage(image);
        return data;
    }

    // Milliseconds until the strip differs from (or equals, with changed false) reference;
    // -1 after the time-out. Meanwhile each millisecond calls step, while it returns true.
    double waitFor(const QByteArray &reference, bool changed, const QElapsedTimer &since,
                   const std::function<bool()> &step = {}) const
    {
        bool stepping = bool(step);
        qint64 stepped = since.nsecsElapsed();
        while (since.elapsed() < kTimeoutMs) {
            if ((pixels() != reference) == changed)
                return since.nsecsElapsed() / 1e6;
            if (stepping && since.nsecsElapsed() - stepped >= 1000000) {
                stepped = since.nsecsElapsed();
                stepping = step();
            }
        }
        return -1;
    }

private:
    Display *m_display;
    QPoint m_centre;
};

void move(Display *display, const QPoint &to)
{
    XTestFakeMotionEvent(display, -1, to.x(), to.y(), CurrentTime);
    XSync(display, False);
}

// One right drag up: 20 px in 5 px steps as a hand moves, then the move past the threshold,
// timed until the ring is on the screen; released inside the ring, which picks nothing.
double gesture(Display *display, const QPoint &at)
{
    const RingStrip strip(display, at);
    move(display, at);
    QThread::msleep(50);
    const QByteArray before = strip.pixels();
    XTestFakeButtonEvent(display, 3, True, CurrentTime);
    XSync(display, False);
    for (int dy = 5; dy <= 20; dy += 5) {
        QThread::msleep(16);
        move(display, at - QPoint(0, dy));
    }
    QThread::msleep(16);
    QElapsedTimer timer;
    timer.start();
    move(display, at - QPoint(0, 21));
    // On up to 60 px, short of where a region is picked.
    int dy = 21;
    const double latency = strip.waitFor(before, true, timer, [&] {
        move(display, at - QPoint(0, ++dy));
        return dy < 60;
    });
    move(display, at - QPoint(0, 10));
    XTestFakeButtonEvent(display, 3, False, CurrentTime);
    XSync(display, False);
    QElapsedTimer hiding;
    hiding.start();
    strip.waitFor(before, false, hiding);
    QThread::msleep(300);
    return latency;
}

class HostProcess
{
public:
    explicit HostProcess(const Host &host)
    {
        // The hosts' chatter would bury the figures.
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(host.program, host.arguments);
    }
    ~HostProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

void measure(Display *display, const Host &host)
{
    QVector<double> first;
    QVector<double> later;
    for (int start = 0; start < kRepeats; ++start) {
        HostProcess process(host);
        if (!placeWindow(host)) {
            std::fprintf(stderr, "%s showed no window titled '%s'\n", qPrintable(host.name), qPrintable(host.title));
            return;
        }
        first << gesture(display, host.drag);
        // Later gestures in the first process only: the fresh starts are for the first.
        for (int repeat = 0; start == 0 && repeat < kRepeats; ++repeat)
            later << gesture(display, host.drag);
    }
    for (const auto &figures : {std::make_pair("first", first), std::make_pair("later", later)}) {
        if (figures.second.contains(-1))
            std::fprintf(stderr, "%s: no ring within %d ms on some %s gestures\n", qPrintable(host.name), kTimeoutMs,
                         figures.first);
        const QString name = QStringLiteral("ring_on_screen_%1_%2").arg(host.name, QLatin1String(figures.first));
        bench::report(name + QStringLiteral("_median"), "ms", figures.second);
        std::printf("%-44s %10.3f ms\n", qPrintable(name + QStringLiteral("_worst")),
                    *std::max_element(figures.second.begin(), figures.second.end()));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir work;
    const QString build = QStringLiteral(SW_BUILD_DIR);
    const QString source = QStringLiteral(SW_SOURCE_DIR);
    QList<Host> hosts{{QStringLiteral("standin"), build + QStringLiteral("/strokewheel-host"),
                       {QStringLiteral("--profile"), work.filePath(QStringLiteral("standin"))},
                       QStringLiteral("^Strokewheel Host$"), QPoint(640, 560), 500}};
    if (QFile::exists(build + QStringLiteral("/qgis-plugin/libstrokewheelplugin.so")))
        hosts << Host{QStringLiteral("qgis"), source + QStringLiteral("/scripts/qgis-sandbox.sh"), {build},
                      QStringLiteral("^sample — QGIS$"), QPoint(800, 560), 3000};
    const QStringList chosen = application.arguments().mid(1);

    // A private X server: -displayfd writes the display it chose.
    QProcess server;
    server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
    if (!server.waitForReadyRead(10000)) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    qputenv("DISPLAY", ":" + server.readLine().trimmed());
    qunsetenv("QT_QPA_PLATFORM");
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    for (const Host &host : hosts) {
        if (chosen.isEmpty() || chosen.contains(host.name))
            measure(display, host);
    }
    XCloseDisplay(display);
    server.terminate();
    server.waitForFinished();
    return 0;
}
