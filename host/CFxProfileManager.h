// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: user profiles and the settings store of the current one.
#pragma once

#include "OdResBuf.h"

// A profile's settings store: named sections of typed values.
class FX_HOST_API CFxProfile
{
public:
    virtual ~CFxProfile();
    virtual OdString GetName() const = 0;
    virtual bool IsValueExist(const OdString &section, const OdString &key) const = 0;
    // The stored value, or null when there is none.
    virtual OdResBufPtr GetValue(const OdString &section, const OdString &key, int flags) const = 0;
    virtual void SetValue(const OdString &section, const OdString &key, const OdResBuf *value) = 0;
};

class FX_HOST_API CFxProfileManager
{
public:
    virtual ~CFxProfileManager();
    // The current profile, or null when the host runs without one.
    virtual CFxProfile *GetCurrentProfile() const = 0;
};
