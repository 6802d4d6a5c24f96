// Strokewheel - mouse gestures for CAD drawing views.
// The command processor.
#include "standin/CommandProcessor.h"

#include "standin/CommandContext.h"
#include "standin/CommandStack.h"
#include "standin/Document.h"
#include "standin/DocumentManager.h"
#include "standin/HostSignals.h"
#include "standin/HostState.h"

#include "host/CFxString.h"

namespace standin {

OdRxObjectPtr CommandProcessor::execute(const CFxString &text, const CFxSystemServices::CFxExpressionParserData &data)
{
    const QString command = text.toQString();
    executed.append({command, data.m_bMenuMacro, data.m_bAddToHistory});
    emit hostSignals()->commandExecuted(command);
    run(command);
    return OdRxObjectPtr();
}

void CommandProcessor::run(const QString &text)
{
    QString rest = text;
    // "^C" cancels whatever runs; nothing runs here between commands.
    while (rest.startsWith(QLatin1String("^C")))
        rest.remove(0, 2);
    rest = rest.trimmed();
    if (rest.isEmpty())
        return;
    QString name = rest.section(QLatin1Char(' '), 0, 0);
    while (name.startsWith(QLatin1Char('_')) || name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    HostState &state = HostState::get();
    if (OdEdCommand *command = state.commandStack->LookupCommand(CFxString(name).toOdString())) {
        OdSmartPtr<CFxCommandContext> context =
            OdRxObjectImpl<CommandContext>::createObject(state.documentManager->active());
        try {
            command->execute(context.get());
        } catch (const OdError &error) {
            emit hostSignals()->historyLine(QStringLiteral("%1 failed: %2").arg(name.toUpper(),
                                                                               CFxString(error.description()).toQString()));
        }
        return;
    }
    emit hostSignals()->historyLine(QStringLiteral("Unknown command \"%1\".").arg(name.toUpper()));
}

} // namespace standin
