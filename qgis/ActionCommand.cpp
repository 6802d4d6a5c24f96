// Strokewheel - mouse gestures for CAD drawing views.
// A QGIS action as a host command.
#include "qgis/ActionCommand.h"

#include <QAction>
#include <QHash>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace qgishost {

namespace {
// More than QGIS and its plugins show; a bound all the same.
constexpr int kRememberedTips = 4096;
}

ActionCommand::ActionCommand(QAction *action, const QString &id)
    : m_action(action), m_objectName(action->objectName()), m_id(id), m_macro(macroFor(m_objectName))
{
}

ActionCommand::ActionCommand(const QString &objectName, const QString &id, const QString &caption)
    : m_objectName(objectName), m_id(id), m_macro(macroFor(objectName)), m_caption(caption)
{
}

QString ActionCommand::macroFor(const QString &objectName)
{
    return QStringLiteral("^C^C") + objectName;
}

QString ActionCommand::withoutAccelerators(QString text)
{
    // "&&" stands for "&"; a single "&" marks the accelerator.
    return text.replace(QLatin1String("&&"), QStringLiteral("\x1f")).remove(QLatin1Char('&')).replace(QChar(0x1f), QLatin1Char('&'));
}

CFxString ActionCommand::GetMacro() const
{
    return m_macro;
}

CFxString ActionCommand::GetId() const
{
    return m_id;
}

CFxString ActionCommand::GetCaption() const
{
    return m_action ? withoutAccelerators(m_action->text()) : m_caption;
}

CFxString ActionCommand::GetHelpText() const
{
    if (!m_action)
        return QString();
    // Many QGIS tooltips are rich text ("<b>Zoom Full</b> (Ctrl+Shift+F)"); the status bar
    // and the dialog show plain text.
    const QString tip = m_action->toolTip();
    if (!Qt::mightBeRichText(tip))
        return tip;
    // Parsing them took most of the catalogue's walk, which every gesture makes; the
    // tooltips are few and rarely change.
    static QHash<QString, QString> plainTextOf;
    const auto found = plainTextOf.constFind(tip);
    if (found != plainTextOf.constEnd())
        return found.value();
    if (plainTextOf.size() >= kRememberedTips)
        plainTextOf.clear();
    return plainTextOf.insert(tip, QTextDocumentFragment::fromHtml(tip).toPlainText()).value();
}

QIcon ActionCommand::GetIcon(int) const
{
    // QGIS's theme icons render on demand, at the size they are drawn.
    return m_action ? m_action->icon() : QIcon();
}

bool ActionCommand::IsExcluded() const
{
    return false;
}

} // namespace qgishost
