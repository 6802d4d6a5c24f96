// Strokewheel - mouse gestures for CAD drawing views.
// Control API of the stand-in host: how the application and the tests set up the
// host the module runs in, and read back what the module asked of it.
#pragma once

#include "StandInExport.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class CFxCommandContext;
class CFxTracker;
class OdEdCommand;
template <class T> class OdSmartPtr;
class QMainWindow;
class QWidget;

namespace standin {

class Document;

// ---- Whole host --------------------------------------------------------------
// Throws away every document, registration, record and switch, and builds a fresh
// host: services, a main frame with a real main window and status line, a document
// manager without documents, an editor, a command stack, an enabled Qt gate, a
// current profile whose settings live in memory, an empty catalogue, colour
// scheme 0, toolbar icons 16 px. Needs a QApplication.
STANDIN_API void reset();

// Host links the module tests for null; each can be made absent.
enum class Link {
    SystemServices,   // GetFxSystemServices()
    MainFrame,        // services -> GetMainFrame()
    MainWindow,       // main frame -> GetWidget()
    StatusLine,       // main frame -> GetStatusLine()
    DocumentManager,  // services -> GetDocumentManager()
    Editor,           // odedEditor()
    CommandStack,     // odedRegCmds()
    QtGate,           // GetFxBOREALQTGate()
    CurrentProfile,   // profile manager -> GetCurrentProfile(): the settings store
};
STANDIN_API void setPresent(Link link, bool present);

STANDIN_API void setModuleDisabled(bool disabled);
STANDIN_API QMainWindow *mainWindow();

// ---- What the module asked of the host --------------------------------------
// Registrations in order, e.g. "AddCommand _GESTURE", "RemoveCommand _GESTURE",
// "AddReactor", "RemoveReactor", "AddTracker <document title>",
// "RemoveTracker <document title>", "AddEditorReactor", "RemoveEditorReactor".
STANDIN_API QStringList registrationLog();
STANDIN_API void clearRegistrationLog();
// Every text given to the status line, in order.
STANDIN_API QStringList statusTexts();
STANDIN_API QString currentStatusText();

// ---- Documents ---------------------------------------------------------------
// Opens a document with a real view widget (shown inside the main window) and
// tells document reactors DocumentCreated, DocumentReady, DocumentActivated.
STANDIN_API Document *openDocument(const QString &title, bool withInputPointManager = true);
// Tells reactors DocumentToBeReleased, DocumentToBeDestroyed, then deletes it.
STANDIN_API void closeDocument(Document *document);
STANDIN_API void activateDocument(Document *document);
STANDIN_API Document *activeDocument();
STANDIN_API QList<Document *> documents();
// Makes the document iterator yield a null document before the real ones.
STANDIN_API void setIteratorYieldsNull(bool yieldsNull);
// The trackers attached to the document's input-point manager.
STANDIN_API QList<CFxTracker *> trackersOf(Document *document);

// ---- Editor and command stack ------------------------------------------------
STANDIN_API void sendAppStarted();
STANDIN_API void sendAppClosing();
STANDIN_API int editorReactorCount();
STANDIN_API int documentReactorCount();
STANDIN_API OdEdCommand *lookupCommand(const QString &name);
STANDIN_API int registeredCommandCount();

// ---- Application -------------------------------------------------------------
STANDIN_API void setAppTitle(const QString &title);
STANDIN_API void setEditedBlockName(const QString &name);
STANDIN_API short cursorMode();
STANDIN_API void setCursorMode(short mode);
STANDIN_API void setColorScheme(int scheme);
STANDIN_API int colorScheme();
STANDIN_API void setToolbarIconSize(int size);

// ---- Message boxes -----------------------------------------------------------
// The next ShowMessage returns code without showing anything.
STANDIN_API void queueMessageAnswer(int code);
struct ShownMessage
{
    QString text;
    QString title;
    unsigned flags = 0;
    int answer = 0;
};
STANDIN_API QList<ShownMessage> shownMessages();

// ---- Restrictions and the block editor ---------------------------------------
// Commands are named as typed, without "^C^C" (e.g. "_BEDIT" or "BEDIT").
STANDIN_API void setRestriction(const QString &command, int mode);
STANDIN_API int setRestrictedCommandsCalls();
STANDIN_API void setCustomBlockCommand(bool answer);

// ---- Drawing database of a document -----------------------------------------
// Every document's database has model space shown by the layout "Model" (current
// at opening) and one sheet layout "Sheet1".
STANDIN_API void addSheetLayout(Document *document, const QString &name);
STANDIN_API void setCurrentLayout(Document *document, const QString &name);
STANDIN_API QString currentLayout(Document *document);
STANDIN_API QStringList layouts(Document *document);
// The current layout id then names an object that is not a layout.
STANDIN_API void setCurrentLayoutNotALayout(Document *document, bool notALayout);
STANDIN_API void setDatabasePresent(Document *document, bool present);
// A command context for running a command in document (null: no document).
STANDIN_API OdSmartPtr<CFxCommandContext> makeCommandContext(Document *document);

// ---- Settings store and catalogue ---------------------------------------------
class SettingsStore;
class Catalogue;
// The current profile's settings store (standin/SettingsStore.h); null while the
// CurrentProfile link is absent. Bind it to a file with SettingsStore::setFile.
STANDIN_API SettingsStore *settingsStore();
// The user-interface customisation the host offers (standin/Catalogue.h); build one in
// code through it, or load a file.
STANDIN_API Catalogue *catalogue();
// Replaces the current catalogue by a file's; on failure the catalogue is empty and
// error reads "<file>:<line>: <reason>".
STANDIN_API bool loadCatalogue(const QString &path, QString *error = nullptr);
// The bundled catalogue: "catalogue/" beside the stand-in library, in the build folder as
// in an installed tree.
STANDIN_API QString defaultCataloguePath();

// ---- Drawing-view input and the command processor ------------------------------
// Host states in which a document's input-point manager tells trackers to keep out.
enum class BlockingState {
    CommandInProgress,    // IsCommandInProgress()
    ModalState,           // IsInModalState()
    GripEditing,          // IsGripEditing()
    WindowSelecting,      // IsWindowSelecting()
    Panning,              // IsPanning()
    TransparentCommand,   // IsTransparentCommandActive()
    Dragging,             // IsDragging()
};
constexpr int kBlockingStateCount = 7;
STANDIN_API void setBlockingState(Document *document, BlockingState state, bool on);
// While absent, the document's input-point manager answers GetView() with null.
STANDIN_API void setViewPresent(Document *document, bool present);
// The widget of the document's drawing view; mouse input to it reaches the trackers.
STANDIN_API QWidget *viewWidget(Document *document);
// How often a drawing view's context menu has opened (a right click that was no gesture).
STANDIN_API int contextMenuCount();

// One text handed to the command processor (ExecuteCommand or the view's context menu).
struct ExecutedCommand
{
    QString text;             // exactly as given
    bool menuMacro = false;   // the parser data's flags
    bool addToHistory = true;
    bool transparent = false;
};
STANDIN_API QList<ExecutedCommand> executedCommands();
STANDIN_API QStringList executedCommandTexts();
// What a catalogue command does besides echoing itself on the command history; input is
// the text after the command word. commandWord is upper case without "_" (e.g. "ZOOM").
STANDIN_API void setCommandAction(const QString &commandWord, std::function<void(const QString &input)> action);

// ---- Fonts ---------------------------------------------------------------------
// Makes "Tahoma" available to Qt (a metric-compatible face from the system's font
// packages) when fontconfig does not know it; reset() calls it.
STANDIN_API void installHostFonts();

} // namespace standin
