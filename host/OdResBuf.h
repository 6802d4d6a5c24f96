// Strokewheel - mouse gestures for CAD drawing views.
// Drawing SDK: result buffer, the typed value the host's settings store exchanges.
#pragma once

#include "OdRxObject.h"

class OdResBuf;
using OdResBufPtr = OdSmartPtr<OdResBuf>;

namespace OdResBufType {
constexpr int kRtString = 5005;
}

class FX_HOST_API OdResBuf : public OdRxObject
{
    ODRX_DECLARE_MEMBERS(OdResBuf);

public:
    static OdResBufPtr newRb(int restype = OdResBufType::kRtString);

    int restype() const;
    void setRestype(int restype);
    OdString getString() const;
    void setString(const OdString &value);

protected:
    OdResBuf();

private:
    int m_restype = OdResBufType::kRtString;
    OdString m_string;
};
