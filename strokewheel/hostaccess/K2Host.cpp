// Strokewheel - mouse gestures for CAD drawing views.
// The few host look-ups that several parts of the module make.
#include "hostaccess/K2Host.h"

#include "host/CFxApplication.h"
#include "host/CFxMainFrame.h"
#include "host/CFxString.h"
#include "host/CFxSystemServices.h"

#include <QApplication>
#include <QDesktopWidget>

namespace K2Host {

namespace {
CFxMainFrame *mainFrame()
{
    CFxSystemServices *services = GetFxSystemServices();
    return services ? services->GetMainFrame() : nullptr;
}
} // namespace

QWidget *windowParent()
{
    const CFxMainFrame *frame = mainFrame();
    if (QWidget *window = frame ? frame->GetWidget() : nullptr)
        return window;
    return QApplication::desktop();
}

void setStatusText(const QString &text)
{
    const CFxMainFrame *frame = mainFrame();
    if (CFxStatusLine *statusLine = frame ? frame->GetStatusLine() : nullptr)
        statusLine->SetStatusText(CFxString(text), true);
}

QString appTitle()
{
    const OdString title = GetFxSystemServices()->GetApplication()->GetAppTitle();
    return QString::fromLatin1(OdAnsiString(title).c_str());
}

} // namespace K2Host
