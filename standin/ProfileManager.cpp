// Strokewheel - mouse gestures for CAD drawing views.
// The profile manager.
#include "standin/ProfileManager.h"

#include "standin/HostState.h"
#include "standin/SettingsStore.h"

namespace standin {

CFxProfile *ProfileManager::GetCurrentProfile() const
{
    HostState &state = HostState::get();
    return state.isPresent(Link::CurrentProfile) ? state.settings.get() : nullptr;
}

} // namespace standin
