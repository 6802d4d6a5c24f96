// Strokewheel - mouse gestures for CAD drawing views.
// The host's services object.
#include "standin/SystemServices.h"

#include "standin/Application.h"
#include "standin/Catalogue.h"
#include "standin/CommandProcessor.h"
#include "sdk/CommandStack.h"
#include "standin/Document.h"
#include "standin/DocumentManager.h"
#include "sdk/Editor.h"
#include "standin/HostState.h"
#include "standin/MainFrame.h"
#include "standin/ProfileManager.h"
#include "sdk/MessageBox.h"
#include "sdk/QtGate.h"

#include <QMainWindow>

namespace standin {

CFxMainFrame *SystemServices::GetMainFrame() const
{
    HostState &state = HostState::get();
    return state.isPresent(Link::MainFrame) ? state.mainFrame.get() : nullptr;
}

int SystemServices::ShowMessage(const CFxString &text, const CFxString &title, unsigned flags)
{
    HostState &state = HostState::get();
    int answer;
    if (!state.messageAnswers.isEmpty()) {
        answer = state.messageAnswers.takeFirst();
    } else {
        answer = fxsdk::showMessageBox(state.mainFrame->window(), text.toQString(), title.toQString(), flags);
    }
    state.shownMessages.append({text.toQString(), title.toQString(), flags, answer});
    return answer;
}

CFxDocumentManager *SystemServices::GetDocumentManager() const
{
    HostState &state = HostState::get();
    return state.isPresent(Link::DocumentManager) ? state.documentManager.get() : nullptr;
}

CFxApplication *SystemServices::GetApplication() const
{
    return HostState::get().application.get();
}

OdRxObjectPtr SystemServices::ExecuteCommand(const CFxString &text, CFxExpressionParserData &data)
{
    return HostState::get().commandProcessor->execute(text, data);
}

CFxProfileManager *SystemServices::GetProfileManager() const
{
    return HostState::get().profileManager.get();
}

CFxUICustomization *SystemServices::GetUICustomization() const
{
    return HostState::get().catalogue.get();
}

int SystemServices::GetUIColorScheme() const
{
    return HostState::get().colorScheme;
}

} // namespace standin
