// Strokewheel - mouse gestures for CAD drawing views.
// The command processor: runs a text the way the host's command line does.
#pragma once

#include "host/CFxSystemServices.h"
#include "standin/StandIn.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

namespace standin {

// A command-line text taken apart: "^C^C_ZOOM _E" cancels twice and runs ZOOM with "_E".
struct CommandLine
{
    static CommandLine parse(const QString &text);
    // The command a text names: upper case, without "_", "." and "'" modifiers, up to
    // the first blank or ";". Leading "^C" cancels are not removed.
    static QString nameOf(const QString &text);

    int cancels = 0;   // leading "^C"
    QString name;      // upper case, without the "_", "." and "'" modifiers
    QString echo;      // the text without the cancels, as the history shows it
    QString input;     // after the name's blank or ";"
};

class CommandProcessor
{
public:
    using Action = std::function<void(const QString &input)>;

    // Records text exactly as given, then runs it.
    OdRxObjectPtr execute(const CFxString &text, const CFxSystemServices::CFxExpressionParserData &data);
    void setAction(const QString &commandWord, Action action);

    QList<ExecutedCommand> executed;

private:
    void run(const CommandLine &line);
    bool runRegistered(const CommandLine &line);
    bool runCatalogued(const CommandLine &line);

    QHash<QString, Action> m_actions;
};

} // namespace standin
