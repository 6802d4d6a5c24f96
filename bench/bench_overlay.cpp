// Strokewheel - mouse gestures for CAD drawing views.
// Benchmark of the gesture overlay: one full paint, one pointer move inside and outside the
// dead zone, and how many paints the moves cause.
#include "BenchUtil.h"
#include "host/CFxDocument.h"
#include "host/CFxInputPointManager.h"
#include "overlay/K2DonutDialogTLStyleImpl.h"
#include "standin/StandIn.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QStyle>

#include <cstdio>

namespace {

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QObject *watched) { watched->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

QVector<RegionContent> mixedContents(int count)
{
    QStyle *style = QApplication::style();
    QVector<RegionContent> contents;
    for (int index = 0; index < count; ++index) {
        if (index % 2)
            contents.append({0, QVariant::fromValue(style->standardIcon(QStyle::SP_DialogSaveButton))});
        else
            contents.append({1, QStringLiteral("Single Line Text")});
    }
    return contents;
}

double paintMicroseconds(K2DonutDialogTLStyleImpl &overlay, int count, int rounds)
{
    overlay.m_regionCount = quint16(count);
    overlay.m_regionContents = mixedContents(count);
    overlay.m_regionHelpTexts = QVector<QString>(count, QStringLiteral("Creates a line"));
    overlay.m_currentRegion = 1;
    QImage image(overlay.size(), QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < rounds; ++round) {
        image.fill(Qt::transparent);
        overlay.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    return clock.nsecsElapsed() / 1000.0 / rounds;
}

struct MoveFigures
{
    double nanoseconds = 0;
    int paints = 0;
    int region = -1;
};

MoveFigures moves(K2DonutDialogTLStyleImpl &overlay, QWidget *viewWidget, const QPoint &offset, int rounds)
{
    QCoreApplication::processEvents();
    PaintCounter counter(&overlay);
    const QPoint global = viewWidget->mapToGlobal(overlay.m_pressPoint + offset);
    QCursor::setPos(global);
    QMouseEvent move(QEvent::MouseMove, overlay.mapFromGlobal(global), global, Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < rounds; ++round)
        QApplication::sendEvent(&overlay, &move);
    const double nanoseconds = double(clock.nsecsElapsed()) / rounds;
    QCoreApplication::processEvents();
    return {nanoseconds, counter.paints, overlay.m_currentRegion};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(bench::quietOffscreenNotes);
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    standin::reset();
    standin::openDocument(QStringLiteral("Drawing1"));
    QWidget *viewWidget = ACTIVE_DOCUMENT()->GetViewWidget();
    CFxView *view = ACTIVE_DOCUMENT()->GetInputPointManager()->GetView();

    auto *overlay = new K2DonutDialogTLStyleImpl(standin::mainWindow());
    overlay->resize(overlay->donutSize());
    const int paintRounds = 300;
    for (const int count : {4, 8}) {
        QVector<double> paints;
        for (int repeat = 0; repeat < 5; ++repeat)
            paints << paintMicroseconds(*overlay, count, paintRounds);
        bench::report(QStringLiteral("warm.overlay_full_paint.%1_regions").arg(count), "us", paints);
    }

    const QPoint press(300, 250);
    overlay->m_pressPoint = press;
    overlay->move(viewWidget->mapToGlobal(press - QPoint(125, 125)));
    overlay->arm(view);
    QCursor::setPos(viewWidget->mapToGlobal(press));
    QElapsedTimer showClock;
    showClock.start();
    overlay->showDonut();
    bench::report("overlay_show_donut_bundled_catalogue", "us", {showClock.nsecsElapsed() / 1000.0});

    const int moveRounds = 100000;
    QVector<double> insideTimes, outsideTimes;
    MoveFigures inside, outside;
    for (int repeat = 0; repeat < 3; ++repeat) {
        inside = moves(*overlay, viewWidget, QPoint(12, -8), moveRounds);
        insideTimes << inside.nanoseconds;
        outside = moves(*overlay, viewWidget, QPoint(40, -10), moveRounds);
        outsideTimes << outside.nanoseconds;
    }
    bench::report("warm.overlay_move_inside_dead_zone", "ns", insideTimes);
    bench::report("warm.overlay_move_outside_dead_zone", "ns", outsideTimes);
    std::printf("paints after the last %d moves inside the dead zone: %d (region %d); outside: %d (region %d)\n",
                moveRounds, inside.paints, inside.region, outside.paints, outside.region);

    QMouseEvent release(QEvent::MouseButtonRelease, QPoint(), QCursor::pos(), Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(overlay, &release);
    QCoreApplication::processEvents();
    delete overlay;
    return inside.paints == 0 ? 0 : 1;
}
