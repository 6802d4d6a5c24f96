// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: the application object.
#pragma once

#include "HostExport.h"
#include "OdString.h"

class FX_HOST_API CFxApplication
{
public:
    virtual ~CFxApplication();
    // The product name, also the caption of the host's message boxes.
    virtual OdString GetAppTitle() const = 0;
    // The block open in the block editor, empty when none is.
    virtual OdString GetEditedBlockName() const = 0;
    // The pointer mode of the drawing views; 32 tells the host that an overlay owns
    // the pointer, so the views draw no crosshair or pick box.
    virtual short GetCursorMode() const = 0;
    virtual void SetCursorMode(short mode) = 0;
};
