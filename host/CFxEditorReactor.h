// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: application-wide editor notifications.
#pragma once

#include "OdEditorReactor.h"

class FX_HOST_API CFxEditorReactor : public OdEditorReactor, public OdEdCommandStackReactor, public OdEdLispEngineReactor
{
public:
    static OdRxClass *desc();
    OdRxClass *isA() const override;
    OdRxObject *queryX(const OdRxClass *protocolClass) const override;

    // The main frame exists.
    virtual void appStarted();
    // The host is closing; modules are deleted afterwards.
    virtual void appClosing();
    virtual void appActivated();
    virtual void appDeactivated();
    virtual void windowStateChanged(int state);
    virtual void selectionSetCreated();
    virtual void selectionSetDestroyed();
    virtual void gripEditCustomOp(int operation);
    virtual void beginSaveEx(OdDbDatabase *database, const OdString &intendedName, int format);
    virtual void cancelDwgOpen(const OdString &fileName);
    virtual void closeAborted(OdDbDatabase *database);
    virtual void beginModalState();
    virtual void endModalState();
};
