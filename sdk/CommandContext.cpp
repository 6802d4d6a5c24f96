// Strokewheel - mouse gestures for CAD drawing views.
// The context a command runs in.
#include "sdk/CommandContext.h"

namespace fxsdk {

CommandContext::CommandContext(CFxDocument *document) : m_document(document) {}

CFxDocument *CommandContext::GetDocument() const
{
    return m_document;
}

} // namespace fxsdk
