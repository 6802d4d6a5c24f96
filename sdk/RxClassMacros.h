// Strokewheel - mouse gestures for CAD drawing views.
// Defines the run-time class members that ODRX_DECLARE_MEMBERS declares.
#pragma once

#include "host/OdRxObject.h"

#define FXSDK_DEFINE_RX_MEMBERS(ClassName, ParentName)                                 \
    OdRxClass *ClassName::desc()                                                         \
    {                                                                                    \
        static OdRxClass rxClass(#ClassName, ParentName::desc());                        \
        return &rxClass;                                                                 \
    }                                                                                    \
    OdRxClass *ClassName::isA() const { return ClassName::desc(); }                      \
    OdRxObject *ClassName::queryX(const OdRxClass *protocolClass) const                  \
    {                                                                                    \
        return ParentName::queryX(protocolClass);                                        \
    }
