// Strokewheel - mouse gestures for CAD drawing views.
// The profile manager: the current profile is the settings store.
#pragma once

#include "host/CFxProfileManager.h"

namespace standin {

class ProfileManager : public CFxProfileManager
{
public:
    CFxProfile *GetCurrentProfile() const override;
};

} // namespace standin
