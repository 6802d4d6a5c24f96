// Strokewheel - mouse gestures for CAD drawing views.
// The module object: owns the tracker and the GESTURE command and registers them
// with the host.
#pragma once

#include "module/CFxGestureCommand.h"
#include "tracker/K2MouseGestureTracker.h"

#include "host/CFxDocument.h"
#include "host/CFxEditorReactor.h"
#include "host/OdRxModule.h"

class K2Strokewheel : public rz_OdRxModule, public CFxDocumentManagerReactor, public CFxEditorReactor
{
public:
    K2Strokewheel();
    ~K2Strokewheel() override;

    void initApp() override;
    void uninitApp() override;

    void appStarted() override;
    void appClosing() override;
    void DocumentReady(CFxDocument *document) override;
    void DocumentToBeReleased(CFxDocument *document) override;

private:
    void addCommand();

    K2MouseGestureTracker m_tracker;
    OdStaticRxObject<CFxGestureCommand> m_gestureCommand;
};

using K2StrokewheelModule = OdRxWin32Module<K2Strokewheel, K2Strokewheel>;
