// Strokewheel - mouse gestures for CAD drawing views.
// The command processor.
#include "standin/CommandProcessor.h"

#include "standin/Catalogue.h"
#include "sdk/CommandStack.h"
#include "standin/Document.h"
#include "standin/DocumentManager.h"
#include "standin/HostSignals.h"
#include "standin/HostState.h"
#include "standin/UICommand.h"

#include "host/CFxString.h"

#include <algorithm>

namespace standin {

OdRxObjectPtr CommandProcessor::execute(const CFxString &text, const CFxSystemServices::CFxExpressionParserData &data)
{
    const QString command = text.toQString();
    executed.append({command, data.m_bMenuMacro, data.m_bAddToHistory, data.m_bTransparent});
    const fxsdk::CommandLine line = fxsdk::CommandLine::parse(command);
    // What ran is told before it runs (a command may run others); a word nobody knows ran nothing.
    if (line.name.isEmpty() || knows(line))
        emit hostSignals()->commandExecuted(command);
    run(line);
    return OdRxObjectPtr();
}

bool CommandProcessor::knows(const fxsdk::CommandLine &line) const
{
    const QVector<UICommand *> commands = HostState::get().catalogue->commands();
    return HostState::get().commandStack->LookupCommand(CFxString(line.name).toOdString()) || m_actions.contains(line.name)
        || std::any_of(commands.cbegin(), commands.cend(),
                       [&line](const UICommand *command) { return command->commandWord() == line.name; });
}

void CommandProcessor::setAction(const QString &commandWord, Action action)
{
    if (action)
        m_actions.insert(commandWord.toUpper(), std::move(action));
    else
        m_actions.remove(commandWord.toUpper());
}

void CommandProcessor::run(const fxsdk::CommandLine &line)
{
    // "^C" cancels whatever runs; a text of cancels alone ends there.
    if (line.name.isEmpty())
        return;
    emit hostSignals()->historyLine(QStringLiteral("Command: %1").arg(line.echo));
    if (runRegistered(line) || runCatalogued(line))
        return;
    emit hostSignals()->historyLine(QStringLiteral("Unknown command \"%1\".").arg(line.name));
}

bool CommandProcessor::runRegistered(const fxsdk::CommandLine &line)
{
    HostState &state = HostState::get();
    QString failure;
    if (!state.commandStack->run(line.name, state.documentManager->active(), &failure))
        return false;
    if (!failure.isEmpty())
        emit hostSignals()->historyLine(QStringLiteral("%1 failed: %2").arg(line.name, failure));
    return true;
}

bool CommandProcessor::runCatalogued(const fxsdk::CommandLine &line)
{
    // Copied: the action may replace itself.
    if (const Action action = m_actions.value(line.name)) {
        action(line.input);
        return true;
    }
    // Without an action a catalogue command does no more than its echo.
    return knows(line);
}

} // namespace standin
