// Strokewheel - mouse gestures for CAD drawing views.
// Runs the steps of a replay script against the host's real window, one per timer shot,
// so that it goes on inside modal dialogs.
#pragma once

#include "app/ReplayInput.h"
#include "app/ReplayStep.h"

#include <QDir>
#include <QElapsedTimer>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QVector>

class HostWindow;
class QWidget;

class ReplayRunner : public QObject
{
    Q_OBJECT

public:
    // Between two steps, so that queued events and repaints are handled.
    static constexpr int kStepDelay = 30;

    // Relative file names of screenshots and prints are taken in outputFolder.
    ReplayRunner(const QVector<ReplayStep> &steps, const QString &scriptName, HostWindow *window,
                 const QString &outputFolder, QObject *parent = nullptr);

    void start();

    // The steps' runners (see replayVerbs()); false when the step failed, said on stderr.
    bool mouse(const ReplayStep &step);
    bool quick(const ReplayStep &step);
    bool pressKey(const ReplayStep &step);
    bool typeKeys(const ReplayStep &step);
    bool typeCommand(const ReplayStep &step);
    bool answer(const ReplayStep &step);
    bool click(const ReplayStep &step);
    bool check(const ReplayStep &step);
    bool setText(const ReplayStep &step);
    bool choose(const ReplayStep &step);
    bool selectRow(const ReplayStep &step);
    bool chooseRegion(const ReplayStep &step);
    bool print(const ReplayStep &step);
    bool layout(const ReplayStep &step);
    bool document(const ReplayStep &step);
    bool theme(const ReplayStep &step);
    bool block(const ReplayStep &step);
    bool setState(const ReplayStep &step);
    bool wait(const ReplayStep &step);
    bool await(const ReplayStep &step);
    bool screenshot(const ReplayStep &step);
    bool expectExecuted(const ReplayStep &step);
    bool expectNothingExecuted(const ReplayStep &step);
    bool expectRuns(const ReplayStep &step);
    bool expectSetting(const ReplayStep &step);
    bool expectStatus(const ReplayStep &step);
    bool expectRing(const ReplayStep &step);
    bool expectContextMenu(const ReplayStep &step);
    bool expectSeeThrough(const ReplayStep &step);
    bool expectTranslucent(const ReplayStep &step);

signals:
    // 0 when every expectation held, 1 at the first step that failed (said on stderr).
    void finished(int exitCode);

private:
    void runNext();
    // Runs step and the mouse steps and waits after it as one burst of input.
    bool runBurst(const ReplayStep &step);
    bool fail(const ReplayStep &step, const QString &message);
    void finish(int exitCode);
    // After a print step: the file it named holds the print.
    bool checkPrinted();

    // The active modal dialog, else the main window.
    QWidget *scope() const;
    QWidget *findWidget(const ReplayStep &step, const QString &name, QString *error) const;
    QString outputPath(const QString &file) const;
    // What the X server shows of the ring's window, and what the view paints there, both
    // centred on the last press (a window manager may leave Qt's idea of its place stale);
    // false when no ring shows over a drawing.
    bool grabRingArea(QImage *screen, QImage *drawing, QPoint *centre) const;

    QVector<ReplayStep> m_steps;
    QString m_scriptName;
    HostWindow *m_window;
    QDir m_output;
    ReplayInput m_input;
    // Executed since the last `expect executed` or `expect nothing-executed`.
    QStringList m_executed;
    // Global; the ring is centred there.
    QPoint m_lastPress;
    // The last print step and its file, until checked.
    QPair<ReplayStep, QString> m_printed;
    // Since when the current `await` waits.
    QElapsedTimer m_awaiting;
    int m_next = 0;
    bool m_finished = false;
};
