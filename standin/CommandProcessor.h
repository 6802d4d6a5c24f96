// Strokewheel - mouse gestures for CAD drawing views.
// The command processor: runs a text the way the host's command line does.
#pragma once

#include "host/CFxSystemServices.h"
#include "sdk/CommandLine.h"
#include "standin/StandIn.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

namespace standin {

class CommandProcessor
{
public:
    using Action = std::function<void(const QString &input)>;

    // Records text exactly as given, then runs it.
    OdRxObjectPtr execute(const CFxString &text, const CFxSystemServices::CFxExpressionParserData &data);
    void setAction(const QString &commandWord, Action action);

    QList<ExecutedCommand> executed;

private:
    void run(const fxsdk::CommandLine &line);
    bool runRegistered(const fxsdk::CommandLine &line);
    bool runCatalogued(const fxsdk::CommandLine &line);
    // Registered, given an action, or in the catalogue.
    bool knows(const fxsdk::CommandLine &line) const;

    QHash<QString, Action> m_actions;
};

} // namespace standin
