// Strokewheel - mouse gestures for CAD drawing views.
// The host's help: one page per topic, in the user's language where there is one.
#pragma once

#include "sdk/SdkExport.h"

#include <QTextBrowser>

namespace fxsdk {

class FXSDK_API HelpWindow : public QTextBrowser
{
    Q_OBJECT

public:
    // A window over (and owned by) the dialog that asks, so that its modality leaves the
    // help usable.
    explicit HelpWindow(QWidget *owner);
    // Shows the page the host maps topic to (HostBackend::helpPage); false for a topic the
    // host has no page for, the window then says so.
    bool showTopic(int topic);

    // Shows the topic in owner's help window, opening one beside owner when there is none.
    static HelpWindow *open(int topic, QWidget *owner);
    // Where a window of size goes beside owner: right of it, else left of it, else at the
    // screen's right edge; always inside screen.
    static QPoint placeBeside(const QRect &owner, const QSize &size, const QRect &screen);

protected:
    // Escape and the platform's close shortcut close it, as they would a dialog.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace fxsdk
