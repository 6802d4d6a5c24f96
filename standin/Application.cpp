// Strokewheel - mouse gestures for CAD drawing views.
// The host's application object.
#include "standin/Application.h"

#include "host/CFxString.h"

namespace standin {

OdString Application::GetAppTitle() const
{
    return CFxString(title).toOdString();
}

OdString Application::GetEditedBlockName() const
{
    return CFxString(editedBlockName).toOdString();
}

short Application::GetCursorMode() const
{
    return cursorMode;
}

void Application::SetCursorMode(short mode)
{
    cursorMode = mode;
}

} // namespace standin
