// Strokewheel - mouse gestures for CAD drawing views.
// The host's utility functions.
#include "host/CFxUtils.h"

#include "sdk/HostBackend.h"

#include <QFileInfo>

namespace {

class CustBlockUtils : public CFxCustBlockUtils
{
public:
    bool IsCustomBlockCommand(CFxDocument *document, const CFxString &command, int flags) const override
    {
        const fxsdk::HostBackend *backend = fxsdk::hostBackend();
        return backend && backend->isCustomBlockCommand(document, command.toQString(), flags);
    }
};
}

bool CFxUtils::IsRestrictedCommand(const CFxString &command, CommandMode &mode)
{
    const fxsdk::HostBackend *backend = fxsdk::hostBackend();
    return backend && backend->isRestrictedCommand(command.toQString(), mode);
}

void CFxUtils::SetRestrictedCommands()
{
    if (fxsdk::HostBackend *backend = fxsdk::hostBackend())
        backend->refreshRestrictedCommands();
}

bool CFxUtils::IsDarkStyleDialogUsed()
{
    const fxsdk::HostBackend *backend = fxsdk::hostBackend();
    return backend && backend->isDarkStyle();
}

int CFxUtils::GetToolbarsIconSize()
{
    const fxsdk::HostBackend *backend = fxsdk::hostBackend();
    return backend ? backend->toolbarIconSize() : 16;
}

QIcon CFxUtils::loadIcon(const QString &name, const QString &variant, const QString &directory, int)
{
    const QString base = name + variant;
    const QString scheme = IsDarkStyleDialogUsed() ? QStringLiteral("dark") : QStringLiteral("light");
    const QString svg = directory + QStringLiteral("/svg_icons/") + scheme + QLatin1Char('/') + base + QStringLiteral(".svg");
    if (QFileInfo::exists(svg))
        return QIcon(svg);
    const QString png = directory + QLatin1Char('/') + base + QStringLiteral(".png");
    if (QFileInfo::exists(png))
        return QIcon(png);
    return QIcon();
}

QColor CFxUtils::GetLumenColor(int role)
{
    const bool dark = IsDarkStyleDialogUsed();
    switch (role) {
    case 0: return dark ? QColor(45, 47, 51) : QColor(240, 240, 240);
    case 1: return dark ? QColor(220, 222, 226) : QColor(20, 20, 20);
    default: return dark ? QColor(37, 39, 43) : QColor(232, 233, 236);
    }
}

CFxCustBlockUtils &CFxCustBlockUtils::Get()
{
    static CustBlockUtils utils;
    return utils;
}
