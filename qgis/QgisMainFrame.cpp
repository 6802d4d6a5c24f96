// Strokewheel - mouse gestures for CAD drawing views.
// QGIS's main window as the host's main frame.
#include "qgis/QgisMainFrame.h"

#include "host/CFxString.h"

#include <qgisinterface.h>
#include <qgsstatusbar.h>

namespace qgishost {

QgisMainFrame::QgisMainFrame(QgisInterface *iface) : m_iface(iface) {}

QWidget *QgisMainFrame::GetWidget() const
{
    return m_iface->mainWindow();
}

CFxStatusLine *QgisMainFrame::GetStatusLine() const
{
    return m_iface->statusBarIface() ? const_cast<QgisMainFrame *>(this) : nullptr;
}

void QgisMainFrame::SetStatusText(const CFxString &text, bool)
{
    QgsStatusBar *bar = m_iface->statusBarIface();
    if (!bar)
        return;
    if (text.isEmpty())
        bar->clearMessage();
    else
        bar->showMessage(text.toQString());
}

} // namespace qgishost
