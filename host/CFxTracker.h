// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: a tracker receives a document's input events from its input-point manager.
#pragma once

#include "CFxString.h"

class CFxHitTestInfo;
class CFxInputPointManager;

class FX_HOST_API CFxTracker
{
public:
    enum InputEventCode { kMousePress = 1, kMouseMove = 2, kMouseRelease = 3, kMouseDoubleClick = 4 };

    virtual ~CFxTracker();
    virtual void OnInputEvent(int code, CFxInputPointManager *manager) = 0;
    virtual void OnTrackerAttached(CFxInputPointManager *manager);
    virtual void OnTrackerDetached(CFxInputPointManager *manager);
    virtual bool CheckRegenAbort(const CFxInputPointManager *manager);
    virtual CFxString GetName() const;
    virtual bool HasPendingCommand() const;
    virtual bool ExecutePendingCommand();
    virtual void OnMainSelectionSetChanged(const CFxHitTestInfo *info);
};
