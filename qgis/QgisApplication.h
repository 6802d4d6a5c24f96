// Strokewheel - mouse gestures for CAD drawing views.
// QGIS as the application: its title, no block editor, and the pointer mode.
#pragma once

#include "host/CFxApplication.h"

namespace qgishost {

class QgisApplication : public CFxApplication
{
public:
    OdString GetAppTitle() const override;
    OdString GetEditedBlockName() const override;
    // QGIS's canvas draws no crosshair of its own, so the mode changes nothing there.
    short GetCursorMode() const override;
    void SetCursorMode(short mode) override;

private:
    short m_cursorMode = 0;
};

} // namespace qgishost
