// Strokewheel - mouse gestures for CAD drawing views.
// One command of the stand-in host's user interface.
#include "standin/UICommand.h"

#include "host/CFxUtils.h"

#include "standin/CommandProcessor.h"
#include "standin/LazyIconEngine.h"
#include "standin/StandIn.h"


namespace standin {

UICommand::UICommand(const QString &id, const QString &macro, const QString &caption, const QString &helpText)
    : m_id(id)
    , m_macro(macro)
    , m_caption(caption)
    , m_helpText(helpText)
{
}

UICommand::~UICommand() = default;

CFxString UICommand::GetMacro() const
{
    return m_macro;
}

CFxString UICommand::GetId() const
{
    return m_id;
}

CFxString UICommand::GetCaption() const
{
    return m_caption;
}

CFxString UICommand::GetHelpText() const
{
    return m_helpText;
}

bool UICommand::IsExcluded() const
{
    return m_excluded;
}

QString UICommand::commandWord() const
{
    return fxsdk::CommandLine::parse(m_macro).name;
}

void UICommand::setIconFiles(const QString &light, const QString &dark)
{
    m_lightIconFile = light;
    m_darkIconFile = dark;
    m_fixedIcon = QIcon();
    // Made with the catalogue, at the host's start, for the size the module asks (twice the
    // toolbar's); nothing is read until one is drawn.
    makeFileIcons(2 * CFxUtils::GetToolbarsIconSize());
}

void UICommand::setIcon(const QIcon &icon)
{
    m_lightIconFile.clear();
    m_darkIconFile.clear();
    m_fixedIcon = icon;
    m_fileIcons[0] = m_fileIcons[1] = QIcon();
    m_fileIconSide = -1;
}

bool UICommand::hasIcon() const
{
    return !m_fixedIcon.isNull() || !m_lightIconFile.isEmpty();
}

QString UICommand::iconFile(bool dark) const
{
    return dark && !m_darkIconFile.isEmpty() ? m_darkIconFile : m_lightIconFile;
}

QIcon UICommand::GetIcon(int size) const
{
    if (!m_fixedIcon.isNull() || m_lightIconFile.isEmpty())
        return m_fixedIcon;
    if (size != m_fileIconSide)
        makeFileIcons(size);
    return m_fileIcons[colorScheme() >= 2 ? 1 : 0];
}

void UICommand::makeFileIcons(int side) const
{
    m_fileIconSide = side;
    m_fileIcons[0] = QIcon(new LazyIconEngine(iconFile(false), side));
    m_fileIcons[1] = QIcon(new LazyIconEngine(iconFile(true), side));
}

} // namespace standin
