// Strokewheel - mouse gestures for CAD drawing views.
// Control API of the stand-in host.
#include "standin/StandIn.h"

#include "standin/Application.h"
#include "sdk/CommandContext.h"
#include "standin/CommandProcessor.h"
#include "sdk/CommandStack.h"
#include "sdk/Database.h"
#include "standin/Document.h"
#include "standin/DocumentManager.h"
#include "standin/DrawingView.h"
#include "sdk/Editor.h"
#include "standin/HostSignals.h"
#include "standin/HostState.h"
#include "standin/InputPointManager.h"
#include "standin/InputPointManager.h"
#include "standin/MainFrame.h"
#include "sdk/QtGate.h"
#include "standin/SettingsStore.h"
#include "standin/Catalogue.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMainWindow>
#include <QTabWidget>

namespace standin {

void reset()
{
    HostState::rebuild();
    installHostFonts();
}

void setPresent(Link link, bool present)
{
    HostState::get().setPresent(link, present);
}

void setModuleDisabled(bool disabled)
{
    HostState::get().gate->moduleDisabled = disabled;
}

QMainWindow *mainWindow()
{
    return HostState::get().mainFrame->window();
}

QStringList registrationLog()
{
    return HostState::get().registrationLog;
}

void clearRegistrationLog()
{
    HostState::get().registrationLog.clear();
}

QStringList statusTexts()
{
    return HostState::get().mainFrame->statusLine().texts;
}

QString currentStatusText()
{
    const QStringList &texts = HostState::get().mainFrame->statusLine().texts;
    return texts.isEmpty() ? QString() : texts.last();
}

Document *openDocument(const QString &title, bool withInputPointManager)
{
    HostState &state = HostState::get();
    Document *document = state.documentManager->open(title, withInputPointManager);
    QTabWidget *tabs = state.mainFrame->drawingTabs();
    tabs->addTab(document->view(), title);
    tabs->setCurrentWidget(document->view());
    return document;
}

void closeDocument(Document *document)
{
    HostState::get().documentManager->close(document);
}

void activateDocument(Document *document)
{
    HostState &state = HostState::get();
    state.documentManager->activate(document);
    if (document)
        state.mainFrame->drawingTabs()->setCurrentWidget(document->view());
}

Document *activeDocument()
{
    return HostState::get().documentManager->active();
}

QList<Document *> documents()
{
    return HostState::get().documentManager->documents();
}

QList<CFxTracker *> trackersOf(Document *document)
{
    InputPointManager *input = document->inputPointManager();
    return input ? input->trackers() : QList<CFxTracker *>();
}

void setIteratorYieldsNull(bool yieldsNull)
{
    HostState::get().documentManager->setIteratorYieldsNull(yieldsNull);
}

void sendAppStarted()
{
    HostState::get().editor->sendAppStarted();
}

void sendAppClosing()
{
    HostState::get().editor->sendAppClosing();
}

int editorReactorCount()
{
    return HostState::get().editor->reactorCount();
}

int documentReactorCount()
{
    return HostState::get().documentManager->reactorCount();
}

OdEdCommand *lookupCommand(const QString &name)
{
    return HostState::get().commandStack->LookupCommand(CFxString(name).toOdString());
}

int registeredCommandCount()
{
    return HostState::get().commandStack->count();
}

void setAppTitle(const QString &title)
{
    HostState::get().application->title = title;
}

void setEditedBlockName(const QString &name)
{
    HostState::get().application->editedBlockName = name;
}

short cursorMode()
{
    return HostState::get().application->cursorMode;
}

void setCursorMode(short mode)
{
    HostState::get().application->cursorMode = mode;
}

void setColorScheme(int scheme)
{
    HostState::get().colorScheme = scheme;
    emit hostSignals()->colorSchemeChanged(scheme);
}

int colorScheme()
{
    return HostState::get().colorScheme;
}

void setToolbarIconSize(int size)
{
    HostState::get().toolbarIconSize = size;
}

void queueMessageAnswer(int code)
{
    HostState::get().messageAnswers.append(code);
}

QList<ShownMessage> shownMessages()
{
    return HostState::get().shownMessages;
}

void setRestriction(const QString &command, int mode)
{
    const QString word = fxsdk::CommandLine::nameOf(command);
    HostState &state = HostState::get();
    state.explicitRestrictions.insert(word, mode);
    state.restrictionTable.insert(word, mode);
}

int setRestrictedCommandsCalls()
{
    return HostState::get().setRestrictedCommandsCalls;
}

void setCustomBlockCommand(bool answer)
{
    HostState::get().customBlockCommand = answer;
}

void addSheetLayout(Document *document, const QString &name)
{
    document->database()->addSheetLayout(name);
}

void setCurrentLayout(Document *document, const QString &name)
{
    document->database()->setCurrentLayout(name);
}

QString currentLayout(Document *document)
{
    return document->database()->currentLayout();
}

QStringList layouts(Document *document)
{
    return document->database()->layouts();
}

void setCurrentLayoutNotALayout(Document *document, bool notALayout)
{
    document->database()->setCurrentLayoutNotALayout(notALayout);
}

void setDatabasePresent(Document *document, bool present)
{
    document->setDatabasePresent(present);
}

OdSmartPtr<CFxCommandContext> makeCommandContext(Document *document)
{
    return OdRxObjectImpl<fxsdk::CommandContext>::createObject(document);
}

SettingsStore *settingsStore()
{
    HostState &state = HostState::get();
    return state.isPresent(Link::CurrentProfile) ? state.settings.get() : nullptr;
}

Catalogue *catalogue()
{
    return HostState::get().catalogue.get();
}

void setBlockingState(Document *document, BlockingState state, bool on)
{
    if (InputPointManager *input = document->inputPointManager())
        input->setBlockingState(state, on);
}

void setViewPresent(Document *document, bool present)
{
    if (InputPointManager *input = document->inputPointManager())
        input->setViewPresent(present);
}

QWidget *viewWidget(Document *document)
{
    return document->view();
}

int contextMenuCount()
{
    return HostState::get().contextMenuCount;
}

QList<ExecutedCommand> executedCommands()
{
    return HostState::get().commandProcessor->executed;
}

QStringList executedCommandTexts()
{
    QStringList texts;
    for (const ExecutedCommand &command : HostState::get().commandProcessor->executed)
        texts.append(command.text);
    return texts;
}

void setCommandAction(const QString &commandWord, std::function<void(const QString &input)> action)
{
    HostState::get().commandProcessor->setAction(commandWord, std::move(action));
}

void installHostFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (QFontInfo(QFont(QStringLiteral("Tahoma"))).family().compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
        return;
    // Wine's Tahoma (Debian's fonts-wine) has Tahoma's metrics. Its bold face is left out:
    // its thin outlines on bold advances print letter-spaced; Qt emboldens the regular one.
    const QString file = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFileInfo::exists(file))
        QFontDatabase::addApplicationFont(file);
}

} // namespace standin
