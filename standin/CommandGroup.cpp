// Strokewheel - mouse gestures for CAD drawing views.
// A named group of user-interface commands.
#include "standin/CommandGroup.h"

#include "sdk/ListIterator.h"
#include "standin/UICommand.h"

namespace standin {

namespace {

class CommandIterator : public fxsdk::ListIterator<CFxUICommandIterator, UICommand>
{
public:
    using ListIterator::ListIterator;
    CFxUICommand *GetCommand() const override { return current(); }
};

} // namespace

CommandGroup::CommandGroup(const QString &name)
    : m_name(name)
{
}

CommandGroup::~CommandGroup() = default;

CFxString CommandGroup::GetName() const
{
    return m_name;
}

CFxUICommandIteratorPtr CommandGroup::NewCommandIterator() const
{
    return OdRxObjectImpl<CommandIterator>::createObject(m_commands);
}

void CommandGroup::add(UICommand *command)
{
    m_commands.append(command);
}

} // namespace standin
