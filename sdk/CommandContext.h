// Strokewheel - mouse gestures for CAD drawing views.
// The context a command runs in: the document it was started in.
#pragma once

#include "host/CFxCommand.h"

namespace fxsdk {

class CommandContext : public CFxCommandContext
{
public:
    explicit CommandContext(CFxDocument *document);
    CFxDocument *GetDocument() const override;

private:
    CFxDocument *m_document;
};

} // namespace fxsdk
