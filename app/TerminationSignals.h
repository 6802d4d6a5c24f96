// Strokewheel - mouse gestures for CAD drawing views.
// SIGTERM, SIGINT and SIGHUP (a logout, ^C, a closed terminal) end the host the way its
// window does: through the event loop, so the shutdown saves what is still pending.
#pragma once

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

private:
    static void handle(int signal);
    void quit();

    QSocketNotifier *m_notifier = nullptr;
    static int s_pipe[2];
};
