// Strokewheel - mouse gestures for CAD drawing views.
// The host's services inside QGIS.
#include "qgis/QgisServices.h"

#include "qgis/ActionCommandProcessor.h"
#include "qgis/MenuCatalogue.h"
#include "qgis/QgisApplication.h"
#include "qgis/QgisDocumentManager.h"
#include "qgis/QgisHost.h"
#include "qgis/QgisMainFrame.h"
#include "qgis/QgisSettingsProfile.h"

#include "sdk/MessageBox.h"

#include <qgisinterface.h>

namespace qgishost {

QgisServices::QgisServices(QgisHost &host) : m_host(host) {}

CFxMainFrame *QgisServices::GetMainFrame() const
{
    return &m_host.mainFrame();
}

int QgisServices::ShowMessage(const CFxString &text, const CFxString &title, unsigned flags)
{
    return fxsdk::showMessageBox(m_host.iface()->mainWindow(), text.toQString(), title.toQString(), flags);
}

CFxDocumentManager *QgisServices::GetDocumentManager() const
{
    return &m_host.documents();
}

CFxApplication *QgisServices::GetApplication() const
{
    return &m_host.application();
}

OdRxObjectPtr QgisServices::ExecuteCommand(const CFxString &text, CFxExpressionParserData &)
{
    // QGIS has no command line: no history to add to, nothing to run transparently.
    m_host.processor().execute(text.toQString());
    return OdRxObjectPtr();
}

CFxProfileManager *QgisServices::GetProfileManager() const
{
    return &m_host.settings();
}

CFxUICustomization *QgisServices::GetUICustomization() const
{
    return &m_host.catalogue();
}

int QgisServices::GetUIColorScheme() const
{
    return m_host.isDarkStyle() ? 2 : 0;
}

} // namespace qgishost
