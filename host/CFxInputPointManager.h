// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: a document's input-point manager, which feeds view input to trackers.
#pragma once

#include "HostExport.h"

#include <QPoint>

class CFxTracker;
class QWidget;

class FX_HOST_API CFxView
{
public:
    virtual ~CFxView();
    virtual QWidget *GetWidget() const = 0;
};

class FX_HOST_API CFxInputPointManager
{
public:
    virtual ~CFxInputPointManager();

    virtual void AddTracker(CFxTracker *tracker, bool exclusive) = 0;
    virtual void RemoveTracker(CFxTracker *tracker) = 0;

    // Host states during which a gesture must not start or continue.
    virtual bool IsCommandInProgress() const = 0;
    virtual bool IsInModalState() const = 0;
    virtual bool IsGripEditing() const = 0;
    virtual bool IsWindowSelecting() const = 0;
    virtual bool IsPanning() const = 0;
    virtual bool IsTransparentCommandActive() const = 0;
    virtual bool IsDragging() const = 0;

    // Queries about the input event being delivered.
    virtual bool IsGesturePress() const = 0;
    virtual QPoint GetDevicePoint() const = 0;   // in the view widget's coordinates
    virtual bool IsTrackingMove() const = 0;
    virtual bool IsGestureButtonDown() const = 0;

    // The press belongs to a gesture: the host gives up its own use of it.
    virtual void ClaimGesture() = 0;
    // Forget that the gesture button is held (its release went elsewhere).
    virtual void ReleaseGestureButton() = 0;

    // The view of the input, or null.
    virtual CFxView *GetView() const = 0;
};
