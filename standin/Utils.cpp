// Strokewheel - mouse gestures for CAD drawing views.
// The host's utility functions.
#include "host/CFxUtils.h"

#include "standin/Catalogue.h"
#include "standin/CommandProcessor.h"
#include "standin/HostState.h"

#include <QFileInfo>

namespace {

class CustBlockUtils : public CFxCustBlockUtils
{
public:
    bool IsCustomBlockCommand(CFxDocument *, const CFxString &, int) const override
    {
        return standin::HostState::get().customBlockCommand;
    }
};
}

bool CFxUtils::IsRestrictedCommand(const CFxString &command, CommandMode &mode)
{
    const auto &table = standin::HostState::get().restrictionTable;
    // "_BEDIT x" and "bedit" both name BEDIT. The table knows command names only: a
    // menu macro's "^C^C" is the caller's to remove.
    const auto found = table.constFind(standin::CommandLine::nameOf(command.toQString()));
    if (found == table.constEnd() || found.value() == kCommandAnywhere)
        return false;
    mode = CommandMode(found.value());
    return true;
}

void CFxUtils::SetRestrictedCommands()
{
    standin::HostState &state = standin::HostState::get();
    ++state.setRestrictedCommandsCalls;
    state.restrictionTable = state.catalogue->restrictions();
    for (auto it = state.explicitRestrictions.cbegin(); it != state.explicitRestrictions.cend(); ++it)
        state.restrictionTable.insert(it.key(), it.value());
}

bool CFxUtils::IsDarkStyleDialogUsed()
{
    return standin::HostState::get().colorScheme >= 2;
}

int CFxUtils::GetToolbarsIconSize()
{
    return standin::HostState::get().toolbarIconSize;
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
