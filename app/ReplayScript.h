// Strokewheel - mouse gestures for CAD drawing views.
// Reads the text of a replay script into steps; knows nothing of windows.
#pragma once

#include "app/ReplayStep.h"

#include <QString>
#include <QStringList>
#include <QVector>

class LineReader;

class ReplayScript
{
public:
    // The names the `state` step accepts, in the order of standin::BlockingState.
    static const QStringList &stateNames();

    // Parses text; on failure steps is empty, and errorLine (1-based) and error say why.
    bool parse(const QString &text);
    bool load(const QString &path);

    QVector<ReplayStep> steps() const { return m_steps; }
    int errorLine() const { return m_errorLine; }
    QString error() const { return m_error; }

private:
    bool parseLine(const QString &line, int number);
    // Reads the verb's arguments into step; false when they do not fit, with a reason
    // when there is more to say than the verb's usage.
    static bool readArguments(LineReader &reader, ReplayStep &step, QString *reason);
    bool fail(int line, const QString &message);

    QVector<ReplayStep> m_steps;
    int m_errorLine = 0;
    QString m_error;
};
