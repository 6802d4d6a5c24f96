// Strokewheel - mouse gestures for CAD drawing views.
// The context a command runs in.
#include "standin/CommandContext.h"

namespace standin {

CommandContext::CommandContext(CFxDocument *document) : m_document(document) {}

CFxDocument *CommandContext::GetDocument() const
{
    return m_document;
}

} // namespace standin
