// Strokewheel - mouse gestures for CAD drawing views.
// What every host's input-point manager does alike: keeps the trackers, answers their
// queries about the event being delivered, and runs the commands they hold afterwards.
// A host adds where the events come from, its blocking states and its view.
#pragma once

#include "sdk/SdkExport.h"

#include "host/CFxInputPointManager.h"

#include <QList>
#include <QPoint>
#include <QString>

namespace fxsdk {

class FXSDK_API InputPointManagerBase : public CFxInputPointManager
{
public:
    // ownerTitle names the document in the host's record of registrations.
    explicit InputPointManagerBase(const QString &ownerTitle);
    ~InputPointManagerBase() override;

    void AddTracker(CFxTracker *tracker, bool exclusive) override;
    void RemoveTracker(CFxTracker *tracker) override;
    bool IsGesturePress() const override;
    QPoint GetDevicePoint() const override;
    bool IsTrackingMove() const override;
    bool IsGestureButtonDown() const override;
    void ClaimGesture() override;
    void ReleaseGestureButton() override;

    QList<CFxTracker *> trackers() const;
    // Any of the seven blocking states, asked in the order the trackers ask them.
    bool inBlockingState() const;

protected:
    // A press of the gesture button starts a possible gesture; its release ends it.
    void gestureButtonPressed();
    void gestureButtonReleased();
    bool gestureClaimed() const;
    // Answers the queries from this event while the trackers see it (code: CFxTracker's
    // InputEventCode), then runs what they hold.
    void deliver(int code, const QPoint &devicePoint, bool gesturePress);

private:
    QString m_ownerTitle;
    QList<CFxTracker *> m_trackers;
    // The event being delivered.
    bool m_gesturePress = false;
    bool m_trackingMove = false;
    QPoint m_devicePoint;
    // From the gesture button's press to its release.
    bool m_gestureButtonDown = false;
    bool m_claimed = false;
};

} // namespace fxsdk
