// Strokewheel - mouse gestures for CAD drawing views.
// The host's application object.
#pragma once

#include "host/CFxApplication.h"

#include <QString>

namespace standin {

class Application : public CFxApplication
{
public:
    OdString GetAppTitle() const override;
    OdString GetEditedBlockName() const override;
    short GetCursorMode() const override;
    void SetCursorMode(short mode) override;

    QString title = QStringLiteral("Strokewheel Host");
    QString editedBlockName;
    short cursorMode = 0;
};

} // namespace standin
