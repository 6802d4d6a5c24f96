// Strokewheel - mouse gestures for CAD drawing views.
// The SDK's entry points, answered by the installed host backend.
#include "sdk/HostBackend.h"

#include <QLocale>

#include "host/CFxBorealQtGate.h"
#include "host/CFxDocument.h"
#include "host/CFxSystemServices.h"
#include "host/OdEdCommand.h"
#include "host/OdEditorReactor.h"

namespace fxsdk {

namespace {
HostBackend *g_backend = nullptr;
}

HostBackend::~HostBackend()
{
    if (g_backend == this)
        g_backend = nullptr;
}

int HostBackend::toolbarIconSize() const
{
    return 16;
}

void HostBackend::refreshRestrictedCommands() {}

bool HostBackend::isRestrictedCommand(const QString &, CommandMode &) const
{
    return false;
}

bool HostBackend::isCustomBlockCommand(CFxDocument *, const QString &, int) const
{
    return false;
}

void HostBackend::record(const QString &) {}

void HostBackend::report(const QString &text)
{
    qWarning("%s", qPrintable(text));
}

QString HostBackend::helpPage(int) const
{
    return QString();
}

QString HostBackend::uiLanguage() const
{
    return QLocale().name().section(QLatin1Char('_'), 0, 0);
}

void setHostBackend(HostBackend *backend)
{
    g_backend = backend;
}

HostBackend *hostBackend()
{
    return g_backend;
}

void record(const QString &entry)
{
    if (g_backend)
        g_backend->record(entry);
}

void report(const QString &text)
{
    if (g_backend)
        g_backend->report(text);
    else
        qWarning("%s", qPrintable(text));
}

} // namespace fxsdk

CFxSystemServices *GetFxSystemServices()
{
    return fxsdk::g_backend ? fxsdk::g_backend->systemServices() : nullptr;
}

CFxDocument *ACTIVE_DOCUMENT()
{
    return fxsdk::g_backend ? fxsdk::g_backend->activeDocument() : nullptr;
}

OdEdCommandStack *odedRegCmds()
{
    return fxsdk::g_backend ? fxsdk::g_backend->commandStack() : nullptr;
}

OdEditor *odedEditor()
{
    return fxsdk::g_backend ? fxsdk::g_backend->editor() : nullptr;
}

CFxBorealQtGate *GetFxBOREALQTGate()
{
    return fxsdk::g_backend ? fxsdk::g_backend->qtGate() : nullptr;
}
