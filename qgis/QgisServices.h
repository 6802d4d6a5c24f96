// Strokewheel - mouse gestures for CAD drawing views.
// The host's services inside QGIS.
#pragma once

#include "host/CFxSystemServices.h"

namespace qgishost {

class QgisHost;

class QgisServices : public CFxSystemServices
{
public:
    explicit QgisServices(QgisHost &host);

    CFxMainFrame *GetMainFrame() const override;
    int ShowMessage(const CFxString &text, const CFxString &title, unsigned flags) override;
    CFxDocumentManager *GetDocumentManager() const override;
    CFxApplication *GetApplication() const override;
    OdRxObjectPtr ExecuteCommand(const CFxString &text, CFxExpressionParserData &data) override;
    CFxProfileManager *GetProfileManager() const override;
    CFxUICustomization *GetUICustomization() const override;
    int GetUIColorScheme() const override;

private:
    QgisHost &m_host;
};

} // namespace qgishost
