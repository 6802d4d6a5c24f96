// Strokewheel - mouse gestures for CAD drawing views.
// The host's help: one page per topic, in the user's language where there is one.
#pragma once

#include <QTextBrowser>

namespace fxsdk {

class HelpWindow : public QTextBrowser
{
    Q_OBJECT

public:
    static const int kGesturesTopic = 9000;

    // A window over (and owned by) the dialog that asks, so that its modality leaves the
    // help usable.
    explicit HelpWindow(QWidget *owner);
    // False for a topic the host has no page for; the window then says so.
    bool showTopic(int topic);

    // Shows the topic in owner's help window, opening one when there is none.
    static HelpWindow *open(int topic, QWidget *owner);
};

} // namespace fxsdk
