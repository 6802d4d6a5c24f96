// Strokewheel - mouse gestures for CAD drawing views.
// The whole state of the stand-in host.
#include "standin/HostState.h"

#include "standin/Application.h"
#include "standin/Catalogue.h"
#include "standin/CommandProcessor.h"
#include "sdk/CommandStack.h"
#include "standin/DocumentManager.h"
#include "sdk/Editor.h"
#include "standin/HostSignals.h"
#include "standin/MainFrame.h"
#include "standin/ProfileManager.h"
#include "sdk/QtGate.h"
#include "standin/SettingsStore.h"
#include "standin/SystemServices.h"

#include <QCoreApplication>

namespace standin {

namespace {
std::unique_ptr<HostState> &current()
{
    static std::unique_ptr<HostState> state;
    return state;
}

void destroyWithApplication()
{
    HostState::destroy();
}
}

HostState &HostState::get()
{
    if (!current())
        rebuild();
    return *current();
}

void HostState::rebuild()
{
    static bool cleanupRegistered = false;
    if (!cleanupRegistered && QCoreApplication::instance()) {
        // Widgets must go while the application still exists.
        qAddPostRoutine(destroyWithApplication);
        cleanupRegistered = true;
    }
    destroy();
    current() = std::make_unique<HostState>();
}

void HostState::destroy()
{
    if (!current())
        return;
    // Objects torn down with the state (an overlay, say) still talk to the host: while
    // the state is being deleted get() answers it rather than building a new one.
    delete current().get();
    static_cast<void>(current().release());
}

HostState::HostState()
    : notifier(std::make_unique<HostSignals>()),
      application(std::make_unique<Application>()),
      settings(std::make_unique<SettingsStore>()),
      profileManager(std::make_unique<ProfileManager>()),
      catalogue(std::make_unique<Catalogue>()),
      commandStack(std::make_unique<fxsdk::CommandStack>()),
      commandProcessor(std::make_unique<CommandProcessor>()),
      editor(std::make_unique<fxsdk::Editor>()),
      gate(std::make_unique<fxsdk::QtGate>()),
      mainFrame(std::make_unique<MainFrame>()),
      documentManager(std::make_unique<DocumentManager>()),
      services(std::make_unique<SystemServices>())
{
}

HostState::~HostState()
{
    // Documents first: their views live inside the main window.
    documentManager.reset();
    mainFrame.reset();
}

bool HostState::isPresent(Link link) const
{
    return !m_absent.value(int(link), false);
}

void HostState::setPresent(Link link, bool present)
{
    m_absent[int(link)] = !present;
}

void HostState::log(const QString &entry)
{
    registrationLog.append(entry);
}

HostSignals *hostSignals()
{
    return HostState::get().notifier.get();
}

} // namespace standin
