// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: the main frame and its status line.
#pragma once

#include "CFxString.h"

class QWidget;

class FX_HOST_API CFxStatusLine
{
public:
    virtual ~CFxStatusLine();
    virtual void SetStatusText(const CFxString &text, bool immediate) = 0;
};

class FX_HOST_API CFxMainFrame
{
public:
    virtual ~CFxMainFrame();
    // The host's main window, or null.
    virtual QWidget *GetWidget() const = 0;
    // The status line, or null.
    virtual CFxStatusLine *GetStatusLine() const = 0;
};
