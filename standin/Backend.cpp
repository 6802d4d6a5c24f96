// Strokewheel - mouse gestures for CAD drawing views.
// The stand-in behind the SDK library's entry points.
#include "standin/Backend.h"

#include "standin/Catalogue.h"
#include "standin/CommandProcessor.h"
#include "standin/Document.h"
#include "standin/DocumentManager.h"
#include "standin/HostSignals.h"
#include "standin/HostState.h"
#include "standin/SystemServices.h"

#include "sdk/CommandStack.h"
#include "sdk/Editor.h"
#include "sdk/QtGate.h"

namespace standin {

namespace {
// Loading the stand-in library makes it the host: the app and the tests never run
// without it, and a module may call in before anything else of the stand-in has.
struct Installer
{
    Backend backend;
    Installer() { fxsdk::setHostBackend(&backend); }
} installer;

template <class T>
T *ifPresent(Link link, const std::unique_ptr<T> &object)
{
    return HostState::get().isPresent(link) ? object.get() : nullptr;
}
}

CFxSystemServices *Backend::systemServices()
{
    return ifPresent(Link::SystemServices, HostState::get().services);
}

CFxDocument *Backend::activeDocument()
{
    return HostState::get().documentManager->active();
}

OdEdCommandStack *Backend::commandStack()
{
    return ifPresent(Link::CommandStack, HostState::get().commandStack);
}

OdEditor *Backend::editor()
{
    return ifPresent(Link::Editor, HostState::get().editor);
}

CFxBorealQtGate *Backend::qtGate()
{
    return ifPresent(Link::QtGate, HostState::get().gate);
}

bool Backend::isDarkStyle() const
{
    return HostState::get().colorScheme >= 2;
}

int Backend::toolbarIconSize() const
{
    return HostState::get().toolbarIconSize;
}

void Backend::refreshRestrictedCommands()
{
    HostState &state = HostState::get();
    ++state.setRestrictedCommandsCalls;
    state.restrictionTable = state.catalogue->restrictions();
    for (auto it = state.explicitRestrictions.cbegin(); it != state.explicitRestrictions.cend(); ++it)
        state.restrictionTable.insert(it.key(), it.value());
}

bool Backend::isRestrictedCommand(const QString &command, CommandMode &mode) const
{
    const auto &table = HostState::get().restrictionTable;
    // "_BEDIT x" and "bedit" both name BEDIT. The table knows command names only: a
    // menu macro's "^C^C" is the caller's to remove.
    const auto found = table.constFind(fxsdk::CommandLine::nameOf(command));
    if (found == table.constEnd() || found.value() == kCommandAnywhere)
        return false;
    mode = CommandMode(found.value());
    return true;
}

bool Backend::isCustomBlockCommand(CFxDocument *, const QString &, int) const
{
    return HostState::get().customBlockCommand;
}

void Backend::record(const QString &entry)
{
    HostState::get().log(entry);
}

QString Backend::helpPage(int topic) const
{
    // The Mouse Gestures dialog's topic; the page takes the dialog's part from the module.
    return topic == 9000 ? QStringLiteral(":/host/help/gestures") : QString();
}

void Backend::report(const QString &text)
{
    fxsdk::HostBackend::report(text);
    emit hostSignals()->historyLine(text);
}

} // namespace standin
