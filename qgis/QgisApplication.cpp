// Strokewheel - mouse gestures for CAD drawing views.
// QGIS as the application.
#include "qgis/QgisApplication.h"

#include "host/CFxString.h"

#include <QCoreApplication>

namespace qgishost {

OdString QgisApplication::GetAppTitle() const
{
    return CFxString(QCoreApplication::applicationName()).toOdString();
}

OdString QgisApplication::GetEditedBlockName() const
{
    return OdString();
}

short QgisApplication::GetCursorMode() const
{
    return m_cursorMode;
}

void QgisApplication::SetCursorMode(short mode)
{
    m_cursorMode = mode;
}

} // namespace qgishost
