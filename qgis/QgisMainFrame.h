// Strokewheel - mouse gestures for CAD drawing views.
// QGIS's main window as the host's main frame, its status bar as the status line.
#pragma once

#include "host/CFxMainFrame.h"

class QgisInterface;

namespace qgishost {

class QgisMainFrame : public CFxMainFrame, public CFxStatusLine
{
public:
    explicit QgisMainFrame(QgisInterface *iface);

    QWidget *GetWidget() const override;
    CFxStatusLine *GetStatusLine() const override;
    void SetStatusText(const CFxString &text, bool immediate) override;

    // A message that stays a few seconds, for what the host itself reports.

private:
    QgisInterface *m_iface;
};

} // namespace qgishost
