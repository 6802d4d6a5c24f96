// Strokewheel - mouse gestures for CAD drawing views.
// What a module throws stops at the SDK's edge: one failed allocation in a module must not
// end the host.
#pragma once

#include "sdk/HostBackend.h"

#include <QString>

namespace fxsdk {

// Inside a catch handler: what was thrown, in words ("out of memory", an OdError's
// description, a std::exception's what()).
FXSDK_API QString describeCurrentException();

// Runs call (module code); true when it returned. When it throws, false, and failure says
// what was thrown. Inline so that the call costs nothing while nothing is thrown.
template <class Call>
bool contain(Call &&call, QString *failure)
{
    try {
        call();
        return true;
    } catch (...) {
        *failure = describeCurrentException();
        return false;
    }
}

// Runs call; what it throws is reported through the host as "<where> failed: <what>".
template <class Call>
bool containAndReport(const char *where, Call &&call)
{
    QString failure;
    if (contain(call, &failure))
        return true;
    report(QStringLiteral("%1 failed: %2").arg(QLatin1String(where), failure));
    return false;
}

} // namespace fxsdk
