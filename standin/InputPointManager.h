// Strokewheel - mouse gestures for CAD drawing views.
// A document's input-point manager: feeds the view's mouse input to trackers.
#pragma once

#include "sdk/InputPointManagerBase.h"
#include "standin/StandIn.h"

#include <QList>
#include <QObject>
#include <QPoint>

class QMouseEvent;

namespace standin {

class DrawingView;

// The gesture button is the right mouse button. Its release opens the view's context
// menu unless a tracker claimed the press for a gesture.
class InputPointManager : public QObject, public fxsdk::InputPointManagerBase
{
    Q_OBJECT

public:
    // ownerTitle names the document in the registration log.
    InputPointManager(DrawingView *view, const QString &ownerTitle);
    ~InputPointManager() override;

    bool IsCommandInProgress() const override;
    bool IsInModalState() const override;
    bool IsGripEditing() const override;
    bool IsWindowSelecting() const override;
    bool IsPanning() const override;
    bool IsTransparentCommandActive() const override;
    bool IsDragging() const override;

    CFxView *GetView() const override;

    void setBlockingState(BlockingState state, bool on);
    void setViewPresent(bool present);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pressed(const QMouseEvent &event);
    void released(const QMouseEvent &event);

    DrawingView *m_view;
    bool m_blocking[kBlockingStateCount] = {};
    bool m_viewPresent = true;
};

} // namespace standin
