// Strokewheel - mouse gestures for CAD drawing views.
// The command stack.
#include "sdk/CommandStack.h"

#include "sdk/HostBackend.h"

#include "sdk/CommandContext.h"
#include "sdk/Contain.h"

#include "host/CFxString.h"

namespace fxsdk {

namespace {
QString nameOf(const OdString &name)
{
    return CFxString(name).toQString();
}
}

void CommandStack::AddCommand(OdEdCommand *command)
{
    if (!command)
        return;
    record(QStringLiteral("AddCommand ") + nameOf(command->globalName()));
    if (!m_commands.contains(command))
        m_commands.append(command);
}

void CommandStack::RemoveCommand(OdEdCommand *command)
{
    if (!command)
        return;
    record(QStringLiteral("RemoveCommand ") + nameOf(command->globalName()));
    m_commands.removeAll(command);
}

OdEdCommand *CommandStack::LookupCommand(const OdString &name) const
{
    const QString wanted = nameOf(name);
    for (OdEdCommand *command : m_commands) {
        if (nameOf(command->globalName()).compare(wanted, Qt::CaseInsensitive) == 0
            || nameOf(command->localName()).compare(wanted, Qt::CaseInsensitive) == 0)
            return command;
    }
    return nullptr;
}

bool CommandStack::run(const QString &name, CFxDocument *document, QString *failure)
{
    OdEdCommand *command = LookupCommand(CFxString(name).toOdString());
    if (!command)
        return false;
    OdSmartPtr<CFxCommandContext> context = OdRxObjectImpl<CommandContext>::createObject(document);
    contain([&] { command->execute(context.get()); }, failure);
    return true;
}

int CommandStack::count() const
{
    return m_commands.size();
}

} // namespace fxsdk
