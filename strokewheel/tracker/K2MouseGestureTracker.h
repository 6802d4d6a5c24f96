// Strokewheel - mouse gestures for CAD drawing views.
// Turns a drag in a drawing view into a gesture and runs the picked command.
#pragma once

#include "host/CFxString.h"
#include "host/CFxInputPointManager.h"
#include "host/CFxTracker.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>

class K2DonutDialogTLStyleImpl;

class K2MouseGestureTracker : public QObject, public CFxTracker
{
    Q_OBJECT

public:
    // A drag longer than this (Manhattan length, view pixels) is a gesture.
    static constexpr int kGestureThreshold = 20;

    K2MouseGestureTracker();
    ~K2MouseGestureTracker() override;

    void OnInputEvent(int code, CFxInputPointManager *manager) override;
    void OnTrackerAttached(CFxInputPointManager *manager) override;
    void OnTrackerDetached(CFxInputPointManager *manager) override;
    bool HasPendingCommand() const override;
    bool ExecutePendingCommand() override;

    // True when the host is in a state in which no gesture may start or go on.
    static bool isBlocked(const CFxInputPointManager &manager)
    {
        return manager.IsCommandInProgress() || manager.IsInModalState() || manager.IsGripEditing()
            || manager.IsWindowSelecting() || manager.IsPanning() || manager.IsTransparentCommandActive()
            || manager.IsDragging();
    }
    static bool isGestureDrag(const QPoint &delta);
    // Top-left of a window of size whose centre is centre (halves truncated).
    static QPoint centredTopLeft(const QPoint &centre, const QSize &size);
    // The text up to the first space; the whole text when it has none.
    static CFxString firstWord(const CFxString &text);

    // Null until the first gesture; also null again once its parent window is gone.
    QPointer<K2DonutDialogTLStyleImpl> m_overlay;
    QPoint m_startPoint;
    bool m_tracking = false;
    bool m_executing = false;
    CFxString m_pendingCommand;

private:
    // Everything after a press has been seen: the drag, the ring, the outcome.
    void followDrag(CFxInputPointManager *manager);
    void createOverlay();
    void placeAndArmOverlay(CFxInputPointManager *manager);
    void collectOutcome(CFxInputPointManager *manager);
    // A block-editor-only command runs as its bare name while a block is being edited.
    static bool runsAsBareName(const CFxString &command);
};
