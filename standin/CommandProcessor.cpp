// Strokewheel - mouse gestures for CAD drawing views.
// The command processor.
#include "standin/CommandProcessor.h"

#include "standin/Catalogue.h"
#include "standin/CommandContext.h"
#include "standin/CommandStack.h"
#include "standin/Document.h"
#include "standin/DocumentManager.h"
#include "standin/HostSignals.h"
#include "standin/HostState.h"
#include "standin/UICommand.h"

#include "host/CFxString.h"

#include <algorithm>

namespace standin {

CommandLine CommandLine::parse(const QString &text)
{
    CommandLine line;
    QString rest = text;
    while (rest.startsWith(QLatin1String("^C"))) {
        rest.remove(0, 2);
        ++line.cancels;
    }
    line.echo = rest.trimmed();
    int start = 0;
    while (start < line.echo.size() && QStringLiteral("_.'").contains(line.echo.at(start)))
        ++start;
    int end = start;
    while (end < line.echo.size() && !line.echo.at(end).isSpace() && line.echo.at(end) != QLatin1Char(';'))
        ++end;
    line.name = line.echo.mid(start, end - start).toUpper();
    line.input = line.echo.mid(end + 1);
    return line;
}

OdRxObjectPtr CommandProcessor::execute(const CFxString &text, const CFxSystemServices::CFxExpressionParserData &data)
{
    const QString command = text.toQString();
    executed.append({command, data.m_bMenuMacro, data.m_bAddToHistory, data.m_bTransparent});
    emit hostSignals()->commandExecuted(command);
    run(CommandLine::parse(command));
    return OdRxObjectPtr();
}

void CommandProcessor::setAction(const QString &commandWord, Action action)
{
    if (action)
        m_actions.insert(commandWord.toUpper(), std::move(action));
    else
        m_actions.remove(commandWord.toUpper());
}

void CommandProcessor::run(const CommandLine &line)
{
    // "^C" cancels whatever runs; a text of cancels alone ends there.
    if (line.name.isEmpty())
        return;
    emit hostSignals()->historyLine(QStringLiteral("Command: %1").arg(line.echo));
    if (runRegistered(line) || runCatalogued(line))
        return;
    emit hostSignals()->historyLine(QStringLiteral("Unknown command \"%1\".").arg(line.name));
}

bool CommandProcessor::runRegistered(const CommandLine &line)
{
    HostState &state = HostState::get();
    OdEdCommand *command = state.commandStack->LookupCommand(CFxString(line.name).toOdString());
    if (!command)
        return false;
    OdSmartPtr<CFxCommandContext> context = OdRxObjectImpl<CommandContext>::createObject(state.documentManager->active());
    try {
        command->execute(context.get());
    } catch (const OdError &error) {
        emit hostSignals()->historyLine(
            QStringLiteral("%1 failed: %2").arg(line.name, CFxString(error.description()).toQString()));
    }
    return true;
}

bool CommandProcessor::runCatalogued(const CommandLine &line)
{
    // Copied: the action may replace itself.
    if (const Action action = m_actions.value(line.name)) {
        action(line.input);
        return true;
    }
    // Without an action a catalogue command does no more than its echo.
    const QVector<UICommand *> commands = HostState::get().catalogue->commands();
    return std::any_of(commands.cbegin(), commands.cend(),
                       [&line](const UICommand *command) { return command->commandWord() == line.name; });
}

} // namespace standin
