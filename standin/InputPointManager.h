// Strokewheel - mouse gestures for CAD drawing views.
// A document's input-point manager: feeds the view's mouse input to trackers.
#pragma once

#include "host/CFxInputPointManager.h"
#include "standin/StandIn.h"

#include <QList>
#include <QObject>
#include <QPoint>

class QMouseEvent;

namespace standin {

class DrawingView;

// The gesture button is the right mouse button. Its release opens the view's context
// menu unless a tracker claimed the press for a gesture.
class InputPointManager : public QObject, public CFxInputPointManager
{
    Q_OBJECT

public:
    // ownerTitle names the document in the registration log.
    InputPointManager(DrawingView *view, const QString &ownerTitle);
    ~InputPointManager() override;

    void AddTracker(CFxTracker *tracker, bool exclusive) override;
    void RemoveTracker(CFxTracker *tracker) override;

    bool IsCommandInProgress() const override;
    bool IsInModalState() const override;
    bool IsGripEditing() const override;
    bool IsWindowSelecting() const override;
    bool IsPanning() const override;
    bool IsTransparentCommandActive() const override;
    bool IsDragging() const override;

    bool IsGesturePress() const override;
    QPoint GetDevicePoint() const override;
    bool IsTrackingMove() const override;
    bool IsGestureButtonDown() const override;
    void ClaimGesture() override;
    void ReleaseGestureButton() override;
    CFxView *GetView() const override;

    QList<CFxTracker *> trackers() const;
    void setBlockingState(BlockingState state, bool on);
    bool blockingState(BlockingState state) const;
    void setViewPresent(bool present);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pressed(const QMouseEvent &event);
    void released(const QMouseEvent &event);
    // Answers the queries from event while the trackers see it, then runs what they hold.
    void deliver(int code, const QMouseEvent &event, bool gesturePress);

    DrawingView *m_view;
    QString m_ownerTitle;
    QList<CFxTracker *> m_trackers;
    bool m_blocking[kBlockingStateCount] = {};
    bool m_viewPresent = true;

    // The event being delivered.
    bool m_gesturePress = false;
    bool m_trackingMove = false;
    QPoint m_devicePoint;
    // From the right button's press to its release.
    bool m_gestureButtonDown = false;
    bool m_claimed = false;
};

} // namespace standin
