// Strokewheel - mouse gestures for CAD drawing views.
// Benchmark: opening the "Mouse Gestures" dialog (construct and show) for catalogues of
// growing size, and the re-filter that one keystroke in its search box costs.
#include "dialog/K2DonutDialogManager.h"

#include "BenchUtil.h"
#include "tests/dialog/DialogTestHost.h"
#include "BenchCatalogue.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardPaths>

#include <cstdio>
#include <functional>

namespace {

// Milliseconds of each of runs runs of work.
QVector<double> milliseconds(int runs, const std::function<void()> &work)
{
    QVector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times << double(timer.nsecsElapsed()) / 1e6;
    }
    return times;
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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(bench::quietOffscreenNotes);
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    standin::reset();

    std::printf("Warm figures: the dialog opened again and again (the configuration already loaded).\n");
    for (const int commands : {150, 1000, 5000}) {
        bench::buildLargeCatalogue(commands);
        dialogtest::storeSettings(true, 8);
        const int runs = commands >= 5000 ? 5 : 11;
        bench::report(QStringLiteral("warm.dialog_construct_show.%1").arg(commands), "ms", milliseconds(runs, [] {
            K2DonutDialogManager dialog(nullptr, false, false);
            dialog.show();
            QApplication::processEvents();   // layout and first paint
        }));
        bench::report(QStringLiteral("warm.dialog_construct.%1").arg(commands), "ms",
                      milliseconds(runs, [] { K2DonutDialogManager dialog(nullptr, false, false); }));
    }

    // 5,000 commands: one search keystroke re-filters the table ("Command 01" narrows
    // to about a fifth of the rows, the next keystroke widens it again).
    K2DonutDialogManager dialog(nullptr, false, false);
    dialog.show();
    QApplication::processEvents();
    auto *search = dialog.findChild<QLineEdit *>(QStringLiteral("search_lineEdit"));
    auto *view = dialog.findChild<QAbstractItemView *>(QStringLiteral("command_tableView"));
    type(search, QStringLiteral("Command 0"));
    QApplication::processEvents();
    const int before = view->model()->rowCount();
    QVector<double> narrow = milliseconds(21, [&] {
        type(search, QStringLiteral("1"));
        erase(search);
    });
    type(search, QStringLiteral("1"));
    const int after = view->model()->rowCount();
    erase(search);
    QVector<double> narrowAndPaint = milliseconds(21, [&] {
        type(search, QStringLiteral("1"));
        QApplication::processEvents();
        erase(search);
        QApplication::processEvents();
    });
    // Each run is two keystrokes.
    for (double &time : narrow)
        time /= 2;
    for (double &time : narrowAndPaint)
        time /= 2;
    bench::report("warm.dialog_search_keystroke_refilter.5000", "ms", narrow);
    bench::report("warm.dialog_search_keystroke_refilter_repaint.5000", "ms", narrowAndPaint);
    std::printf("search keystroke: %d -> %d rows shown\n", before, after);
    return 0;
}
