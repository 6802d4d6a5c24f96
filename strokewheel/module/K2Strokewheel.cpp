// Strokewheel - mouse gestures for CAD drawing views.
// The module object.
#include "module/K2Strokewheel.h"

#include "host/CFxBorealQtGate.h"
#include "host/CFxInputPointManager.h"
#include "host/CFxMainFrame.h"
#include "host/CFxSystemServices.h"
#include "host/OdEdCommand.h"
#include "overlay/K2DonutDialogTLStyleImpl.h"

#include <QGuiApplication>
#include <QTimer>

namespace {
bool moduleDisabled()
{
    CFxBorealQtGate *gate = GetFxBOREALQTGate();
    return gate && gate->IsModuleDisabled();
}

CFxDocumentManager *documentManager()
{
    CFxSystemServices *services = GetFxSystemServices();
    return services ? services->GetDocumentManager() : nullptr;
}
}

K2Strokewheel::K2Strokewheel() = default;
K2Strokewheel::~K2Strokewheel() = default;

void K2Strokewheel::addCommand()
{
    if (OdEdCommandStack *commands = odedRegCmds())
        commands->AddCommand(&m_gestureCommand);
}

void K2Strokewheel::initApp()
{
    if (moduleDisabled())
        return;

    CFxSystemServices *services = GetFxSystemServices();
    // Without a main frame the command waits for appStarted.
    if (services && services->GetMainFrame())
        addCommand();

    if (CFxDocumentManager *manager = documentManager()) {
        manager->AddReactor(this);
        for (CFxDocumentIteratorPtr it = manager->NewIterator(); !it->Done(); it->Next())
            DocumentReady(it->GetDocument());
    }

    if (OdEditor *editor = odedEditor())
        editor->AddEditorReactor(this);

    // Once the host is idle after start-up; the tracker's life bounds the wait.
    if (qGuiApp)
        QTimer::singleShot(0, &m_tracker, &K2DonutDialogTLStyleImpl::preloadPictures);
}

void K2Strokewheel::uninitApp()
{
    if (moduleDisabled())
        return;
    // The rest was taken down by appClosing.
    if (OdEditor *editor = odedEditor())
        editor->RemoveEditorReactor(this);
}

void K2Strokewheel::appStarted()
{
    addCommand();
}

void K2Strokewheel::appClosing()
{
    if (OdEdCommandStack *commands = odedRegCmds())
        commands->RemoveCommand(&m_gestureCommand);

    if (CFxDocumentManager *manager = documentManager()) {
        manager->RemoveReactor(this);
        for (CFxDocumentIteratorPtr it = manager->NewIterator(); !it->Done(); it->Next())
            DocumentToBeReleased(it->GetDocument());
    }

    if (OdEditor *editor = odedEditor())
        editor->RemoveEditorReactor(this);
}

void K2Strokewheel::DocumentReady(CFxDocument *document)
{
    if (CFxInputPointManager *input = document ? document->GetInputPointManager() : nullptr)
        input->AddTracker(&m_tracker, false);
}

void K2Strokewheel::DocumentToBeReleased(CFxDocument *document)
{
    if (CFxInputPointManager *input = document ? document->GetInputPointManager() : nullptr)
        input->RemoveTracker(&m_tracker);
}
