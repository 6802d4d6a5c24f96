// Strokewheel - mouse gestures for CAD drawing views.
// Benchmark: opening the "Mouse Gestures" dialog (construct and show) for catalogues of
// growing size, and the re-filter that one keystroke in its search box costs.
#include "dialog/K2DonutDialogManager.h"

#include "tests/dialog/DialogTestHost.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Median milliseconds of runs of work.
double medianMilliseconds(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void type(QLineEdit *edit, const QString &text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(edit, &release);
    }
}

void erase(QLineEdit *edit)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(edit, &press);
}

// The offscreen platform's notes on every shown window would bury the figures.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qInstallMessageHandler(quietOffscreenNotes);
    QStandardPaths::setTestModeEnabled(true);
    standin::reset();

    std::printf("%-10s %22s %22s\n", "commands", "construct+show (ms)", "construct only (ms)");
    for (const int commands : {150, 1000, 5000}) {
        dialogtest::buildCatalogue(commands - dialogtest::testCommands().size());
        dialogtest::storeSettings(true, 8);
        const int runs = commands >= 5000 ? 5 : 11;
        const double shown = medianMilliseconds(runs, [] {
            K2DonutDialogManager dialog(nullptr, false, false);
            dialog.show();
            QApplication::processEvents();   // layout and first paint
        });
        const double built = medianMilliseconds(runs, [] { K2DonutDialogManager dialog(nullptr, false, false); });
        std::printf("%-10d %22.2f %22.2f\n", commands, shown, built);
    }

    // 5,000 commands: one search keystroke re-filters the table ("Command 1" narrows
    // to about a fifth of the rows, the next keystroke widens it again).
    K2DonutDialogManager dialog(nullptr, false, false);
    dialog.show();
    QApplication::processEvents();
    auto *search = dialog.findChild<QLineEdit *>(QStringLiteral("search_lineEdit"));
    auto *view = dialog.findChild<QAbstractItemView *>(QStringLiteral("command_tableView"));
    type(search, QStringLiteral("Command "));
    QApplication::processEvents();
    const int before = view->model()->rowCount();
    const double narrow = medianMilliseconds(21, [&] {
        type(search, QStringLiteral("1"));
        erase(search);
    }) / 2;
    type(search, QStringLiteral("1"));
    const int after = view->model()->rowCount();
    erase(search);
    const double narrowAndPaint = medianMilliseconds(21, [&] {
        type(search, QStringLiteral("1"));
        QApplication::processEvents();
        erase(search);
        QApplication::processEvents();
    }) / 2;
    std::printf("\nsearch keystroke at 5000 commands (%d -> %d rows shown):\n", before, after);
    std::printf("  re-filter:               %8.2f ms\n", narrow);
    std::printf("  re-filter and repaint:   %8.2f ms\n", narrowAndPaint);
    return 0;
}
