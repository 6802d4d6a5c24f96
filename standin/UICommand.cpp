// Strokewheel - mouse gestures for CAD drawing views.
// One command of the stand-in host's user interface.
#include "standin/UICommand.h"

#include "standin/CommandProcessor.h"

#include "standin/StandIn.h"

#include <QFileInfo>
#include <QPixmap>

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
    return CommandLine::parse(m_macro).name;
}

void UICommand::setIconFiles(const QString &light, const QString &dark)
{
    m_lightIconFile = light;
    m_darkIconFile = dark;
    m_fixedIcon = QIcon();
    m_renderedIcons.clear();
}

void UICommand::setIcon(const QIcon &icon)
{
    m_lightIconFile.clear();
    m_darkIconFile.clear();
    m_fixedIcon = icon;
    m_renderedIcons.clear();
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
    const bool dark = colorScheme() >= 2;
    const qint64 cacheKey = qint64(size) * 2 + (dark ? 1 : 0);
    const auto cached = m_renderedIcons.constFind(cacheKey);
    if (cached != m_renderedIcons.constEnd())
        return cached.value();
    // A missing file leaves the icon null, so the command shows its caption.
    const QString file = iconFile(dark);
    QIcon icon;
    if (QFileInfo::exists(file))
        icon = size > 0 ? QIcon(QIcon(file).pixmap(size, size)) : QIcon(file);
    m_renderedIcons.insert(cacheKey, icon);
    return icon;
}

} // namespace standin
