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
#include "sdk/QtGate.h"

#include <QMainWindow>
#include <QMessageBox>

namespace standin {

namespace {
QMessageBox::StandardButtons buttonsFor(unsigned flags)
{
    switch (flags & 0xF) {
    case CFxSystemServices::kOkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case CFxSystemServices::kYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case CFxSystemServices::kYesNo: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconFor(unsigned flags)
{
    switch (flags & 0xF0) {
    case CFxSystemServices::kIconStop: return QMessageBox::Critical;
    case CFxSystemServices::kIconQuestion: return QMessageBox::Question;
    case CFxSystemServices::kIconExclamation: return QMessageBox::Warning;
    case CFxSystemServices::kIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int answerCode(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return CFxSystemServices::kAnswerCancel;
    case QMessageBox::Yes: return CFxSystemServices::kAnswerYes;
    case QMessageBox::No: return CFxSystemServices::kAnswerNo;
    default: return CFxSystemServices::kAnswerOk;
    }
}

// The platform's message box answers Cancel (or No) when closed with Escape.
int escapeAnswer(unsigned flags)
{
    switch (flags & 0xF) {
    case CFxSystemServices::kOkCancel:
    case CFxSystemServices::kYesNoCancel: return CFxSystemServices::kAnswerCancel;
    case CFxSystemServices::kYesNo: return CFxSystemServices::kAnswerNo;
    default: return CFxSystemServices::kAnswerOk;
    }
}
}

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
        QMessageBox box(iconFor(flags), title.toQString(), text.toQString(), buttonsFor(flags),
                        state.mainFrame->window());
        box.exec();
        answer = box.clickedButton() ? answerCode(box.standardButton(box.clickedButton())) : escapeAnswer(flags);
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
