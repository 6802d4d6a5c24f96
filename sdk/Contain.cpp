// Strokewheel - mouse gestures for CAD drawing views.
// What a module throws, in words.
#include "sdk/Contain.h"

#include "host/CFxString.h"
#include "host/OdRxObject.h"

#include <exception>
#include <new>

namespace fxsdk {

QString describeCurrentException()
{
    try {
        throw;
    } catch (const std::bad_alloc &) {
        return QStringLiteral("out of memory");
    } catch (const OdError &error) {
        return CFxString(error.description()).toQString();
    } catch (const std::exception &error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QStringLiteral("an exception of unknown type");
    }
}

} // namespace fxsdk
