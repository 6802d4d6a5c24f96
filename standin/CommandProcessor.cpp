// Strokewheel - mouse gestures for CAD drawing views.
// The command processor.
#include "standin/CommandProcessor.h"

#include "standin/Catalogue.h"
#include "sdk/CommandContext.h"
#include "sdk/CommandStack.h"
#include "standin/Document.h"
#include "standin/DocumentManager.h"
#include "standin/HostSignals.h"
#include "standin/HostState.h"
#include "standin/UICommand.h"

#include "host/CFxString.h"

#include <algorithm>

namespace standin {

namespace {
int nameStart(const QString &text)
{
    int start = 0;
    while (start < text.size() && QStringLiteral("_.'").contains(text.at(start)))
        ++start;
    return start;
}

int nameEnd(const QString &text, int start)
{
    int end = start;
    while (end < text.size() && !text.at(end).isSpace() && text.at(end) != QLatin1Char(';'))
        ++end;
    return end;
}
}

CommandLine CommandLine::parse(const QString &text)
{
    CommandLine line;
    QString rest = text;
    while (rest.startsWith(QLatin1String("^C"))) {
        rest.remove(0, 2);
        ++line.cancels;
    }
    line.echo = rest.trimmed();
    const int start = nameStart(line.echo);
    const int end = nameEnd(line.echo, start);
    line.name = line.echo.mid(start, end - start).toUpper();
    line.input = line.echo.mid(end + 1);
    return line;
}

QString CommandLine::nameOf(const QString &text)
{
    const QString trimmed = text.trimmed();
    const int start = nameStart(trimmed);
    return trimmed.mid(start, nameEnd(trimmed, start) - start).toUpper();
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
    OdSmartPtr<CFxCommandContext> context = OdRxObjectImpl<fxsdk::CommandContext>::createObject(state.documentManager->active());
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
