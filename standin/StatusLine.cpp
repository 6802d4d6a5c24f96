// Strokewheel - mouse gestures for CAD drawing views.
// The main frame's status line.
#include "standin/StatusLine.h"

namespace standin {

void StatusLine::SetStatusText(const CFxString &text, bool)
{
    texts.append(text.toQString());
    emit textChanged(text.toQString());
}

} // namespace standin
