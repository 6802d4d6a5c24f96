// Strokewheel - mouse gestures for CAD drawing views.
// Default behaviour of the host's and the drawing SDK's base classes: notifications
// that do nothing unless overridden, and the out-of-line members that anchor each
// class's virtual table in the host library.
#include "sdk/RxClassMacros.h"

#include "host/CFxApplication.h"
#include "host/CFxBorealQtGate.h"
#include "host/CFxCommand.h"
#include "host/CFxDocument.h"
#include "host/CFxEditorReactor.h"
#include "host/CFxInputPointManager.h"
#include "host/CFxMainFrame.h"
#include "host/CFxProfileManager.h"
#include "host/CFxSystemServices.h"
#include "host/CFxTracker.h"
#include "host/CFxUICustomization.h"
#include "host/CFxUtils.h"
#include "host/OdDbDatabase.h"
#include "host/OdEdCommand.h"
#include "host/OdEditorReactor.h"
#include "host/OdResBuf.h"
#include "host/OdRxModule.h"

#include <memory>

FXSDK_DEFINE_RX_MEMBERS(OdResBuf, OdRxObject)
FXSDK_DEFINE_RX_MEMBERS(rz_OdRxModule, OdRxObject)
FXSDK_DEFINE_RX_MEMBERS(OdEdCommandContext, OdRxObject)
FXSDK_DEFINE_RX_MEMBERS(OdEdCommand, OdRxObject)
FXSDK_DEFINE_RX_MEMBERS(CFxCommandContext, OdEdCommandContext)
FXSDK_DEFINE_RX_MEMBERS(OdRxEventReactor, OdRxObject)
FXSDK_DEFINE_RX_MEMBERS(OdEditorReactor, OdRxEventReactor)
FXSDK_DEFINE_RX_MEMBERS(OdEdCommandStackReactor, OdRxObject)
FXSDK_DEFINE_RX_MEMBERS(OdEdLispEngineReactor, OdRxObject)
FXSDK_DEFINE_RX_MEMBERS(OdDbObject, OdRxObject)
FXSDK_DEFINE_RX_MEMBERS(OdDbLayout, OdDbObject)
FXSDK_DEFINE_RX_MEMBERS(OdDbDatabase, OdRxObject)
FXSDK_DEFINE_RX_MEMBERS(CFxDocumentManagerReactor, OdRxObject)

// ---- commands ------------------------------------------------------------------

OdString OdEdCommand::groupName() const
{
    return OdString("ACAD_MAIN");
}

OdString OdEdCommand::localName() const
{
    return globalName();
}

rz_OdRxModule *OdEdCommand::module() const
{
    return nullptr;
}

void OdEdCommand::undefine() {}

int OdEdCommand::flags() const
{
    return kModal;
}

OdEdCommandStack::~OdEdCommandStack() = default;

OdString CFxCommand::groupName() const
{
    return OdString("FX_COMMANDS");
}

void CFxCommand::execute(OdEdCommandContext *context)
{
    OdRxObject *asHost = context ? context->queryX(CFxCommandContext::desc()) : nullptr;
    // queryX took a reference: given back even when Run throws.
    const std::unique_ptr<OdRxObject, void (*)(OdRxObject *)> held(asHost, [](OdRxObject *object) { object->release(); });
    Run(static_cast<CFxCommandContext *>(asHost));
}

void CFxCommand::Help() {}

int CFxCommand::GetHelpId() const
{
    return 0;
}

OdString CFxCommand::displayName() const
{
    return localName();
}

// ---- editor notifications --------------------------------------------------------

void OdRxEventReactor::dwgFileOpened(OdDbDatabase *, const OdString &) {}
void OdRxEventReactor::initialDwgFileOpenComplete(OdDbDatabase *) {}
void OdRxEventReactor::databaseConstructed(OdDbDatabase *) {}
void OdRxEventReactor::databaseToBeDestroyed(OdDbDatabase *) {}
void OdRxEventReactor::beginSave(OdDbDatabase *, const OdString &) {}
void OdRxEventReactor::saveComplete(OdDbDatabase *, const OdString &) {}
void OdRxEventReactor::abortSave(OdDbDatabase *) {}

void OdEditorReactor::commandWillStart(OdDbDatabase *, const OdString &) {}
void OdEditorReactor::commandEnded(OdDbDatabase *, const OdString &) {}
void OdEditorReactor::commandCancelled(OdDbDatabase *, const OdString &) {}
void OdEditorReactor::commandFailed(OdDbDatabase *, const OdString &) {}
void OdEditorReactor::lispWillStart(OdDbDatabase *, const OdString &) {}
void OdEditorReactor::lispEnded(OdDbDatabase *) {}
void OdEditorReactor::lispCancelled(OdDbDatabase *) {}
void OdEditorReactor::beginDwgOpen(const OdString &) {}
void OdEditorReactor::endDwgOpen(const OdString &, OdDbDatabase *) {}
void OdEditorReactor::beginClose(OdDbDatabase *) {}
void OdEditorReactor::pickfirstModified(OdDbDatabase *) {}
void OdEditorReactor::layoutSwitched(OdDbDatabase *, const OdString &) {}
void OdEditorReactor::sysVarChanged(OdDbDatabase *, const OdString &) {}
void OdEditorReactor::sysVarWillChange(OdDbDatabase *, const OdString &) {}

void OdEdCommandStackReactor::commandAdded(OdEdCommand *) {}
void OdEdCommandStackReactor::commandWillBeRemoved(OdEdCommand *) {}
void OdEdCommandStackReactor::commandStackWillStart(OdEdCommand *, OdEdCommandContext *) {}
void OdEdCommandStackReactor::commandStackEnded(OdEdCommand *, OdEdCommandContext *) {}

void OdEdLispEngineReactor::lispEngineLoaded() {}
void OdEdLispEngineReactor::lispEngineUnloaded() {}

OdEditor::~OdEditor() = default;

OdRxClass *CFxEditorReactor::desc()
{
    static OdRxClass rxClass("CFxEditorReactor", OdEditorReactor::desc());
    return &rxClass;
}

OdRxClass *CFxEditorReactor::isA() const
{
    return desc();
}

OdRxObject *CFxEditorReactor::queryX(const OdRxClass *protocolClass) const
{
    return OdEditorReactor::queryX(protocolClass);
}

void CFxEditorReactor::appStarted() {}
void CFxEditorReactor::appClosing() {}
void CFxEditorReactor::appActivated() {}
void CFxEditorReactor::appDeactivated() {}
void CFxEditorReactor::windowStateChanged(int) {}
void CFxEditorReactor::selectionSetCreated() {}
void CFxEditorReactor::selectionSetDestroyed() {}
void CFxEditorReactor::gripEditCustomOp(int) {}
void CFxEditorReactor::beginSaveEx(OdDbDatabase *, const OdString &, int) {}
void CFxEditorReactor::cancelDwgOpen(const OdString &) {}
void CFxEditorReactor::closeAborted(OdDbDatabase *) {}
void CFxEditorReactor::beginModalState() {}
void CFxEditorReactor::endModalState() {}

// ---- documents -------------------------------------------------------------------

void CFxDocumentManagerReactor::DocumentCreateStarted(CFxDocument *) {}
void CFxDocumentManagerReactor::DocumentCreated(CFxDocument *) {}
void CFxDocumentManagerReactor::DocumentToBeDestroyed(CFxDocument *) {}
void CFxDocumentManagerReactor::DocumentDestroyed(const OdString &) {}
void CFxDocumentManagerReactor::DocumentReady(CFxDocument *) {}
void CFxDocumentManagerReactor::DocumentToBeReleased(CFxDocument *) {}
void CFxDocumentManagerReactor::DocumentToBeActivated(CFxDocument *) {}
void CFxDocumentManagerReactor::DocumentToBeDeactivated(CFxDocument *) {}
void CFxDocumentManagerReactor::DocumentActivated(CFxDocument *) {}
void CFxDocumentManagerReactor::DocumentCreateCanceled(CFxDocument *) {}
void CFxDocumentManagerReactor::DocumentBecameCurrent(CFxDocument *) {}
void CFxDocumentManagerReactor::DocumentActivationModified(bool) {}
void CFxDocumentManagerReactor::DocumentPreOpen(const OdString &) {}

CFxDocument::~CFxDocument() = default;
CFxDocumentManager::~CFxDocumentManager() = default;
CFxView::~CFxView() = default;
CFxInputPointManager::~CFxInputPointManager() = default;

// ---- trackers --------------------------------------------------------------------

CFxTracker::~CFxTracker() = default;
void CFxTracker::OnTrackerAttached(CFxInputPointManager *) {}
void CFxTracker::OnTrackerDetached(CFxInputPointManager *) {}

bool CFxTracker::CheckRegenAbort(const CFxInputPointManager *)
{
    return false;
}

CFxString CFxTracker::GetName() const
{
    return CFxString("CFxTracker");
}

bool CFxTracker::HasPendingCommand() const
{
    return false;
}

bool CFxTracker::ExecutePendingCommand()
{
    return false;
}

void CFxTracker::OnMainSelectionSetChanged(const CFxHitTestInfo *) {}

// ---- services and the rest ---------------------------------------------------------

CFxSystemServices::~CFxSystemServices() = default;
CFxStatusLine::~CFxStatusLine() = default;
CFxMainFrame::~CFxMainFrame() = default;
CFxApplication::~CFxApplication() = default;
CFxProfile::~CFxProfile() = default;
CFxProfileManager::~CFxProfileManager() = default;
CFxBorealQtGate::~CFxBorealQtGate() = default;
CFxCustBlockUtils::~CFxCustBlockUtils() = default;
CFxUICommand::~CFxUICommand() = default;
CFxCommandGroup::~CFxCommandGroup() = default;
CFxMenuItem::~CFxMenuItem() = default;
CFxMenu::~CFxMenu() = default;
CFxMenuGroup::~CFxMenuGroup() = default;
CFxUICustomization::~CFxUICustomization() = default;

// ---- strings ---------------------------------------------------------------------

CFxString &CFxString::trimLeft(const CFxString &prefix)
{
    if (!prefix.isEmpty()) {
        while (m_text.startsWith(prefix.m_text))
            m_text.remove(0, prefix.m_text.size());
    }
    return *this;
}
