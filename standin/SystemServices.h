// Strokewheel - mouse gestures for CAD drawing views.
// The host's services object.
#pragma once

#include "host/CFxSystemServices.h"

namespace standin {

class SystemServices : public CFxSystemServices
{
public:
    CFxMainFrame *GetMainFrame() const override;
    int ShowMessage(const CFxString &text, const CFxString &title, unsigned flags) override;
    CFxDocumentManager *GetDocumentManager() const override;
    CFxApplication *GetApplication() const override;
    OdRxObjectPtr ExecuteCommand(const CFxString &text, CFxExpressionParserData &data) override;
    CFxProfileManager *GetProfileManager() const override;
    CFxUICustomization *GetUICustomization() const override;
    int GetUIColorScheme() const override;
};

} // namespace standin
