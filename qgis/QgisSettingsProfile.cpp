// Strokewheel - mouse gestures for CAD drawing views.
// The module's settings in QGIS's own settings.
#include "qgis/QgisSettingsProfile.h"

#include "host/CFxString.h"
#include "host/OdResBuf.h"

#include <qgsapplication.h>
#include <qgssettings.h>

#include <QDir>

namespace qgishost {

namespace {
// Separators would open sub-groups, or on Windows mean one: a key stays one entry.
QString entry(const OdString &section, const OdString &key)
{
    QString name = CFxString(key).toQString();
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return CFxString(section).toQString() + QLatin1Char('/') + name;
}
}

QgisSettingsProfile::QgisSettingsProfile(std::function<void(const QString &)> reportFailure)
    : m_reportFailure(std::move(reportFailure))
{
}

CFxProfile *QgisSettingsProfile::GetCurrentProfile() const
{
    return const_cast<QgisSettingsProfile *>(this);
}

OdString QgisSettingsProfile::GetName() const
{
    // The profile's folder is named after it.
    return CFxString(QDir(QgsApplication::qgisSettingsDirPath()).dirName()).toOdString();
}

bool QgisSettingsProfile::IsValueExist(const OdString &section, const OdString &key) const
{
    return QgsSettings().contains(entry(section, key));
}

OdResBufPtr QgisSettingsProfile::GetValue(const OdString &section, const OdString &key, int) const
{
    const QgsSettings settings;
    const QString name = entry(section, key);
    if (!settings.contains(name))
        return OdResBufPtr();
    OdResBufPtr value = OdResBuf::newRb(OdResBufType::kRtString);
    value->setString(CFxString(settings.value(name).toString()).toOdString());
    return value;
}

void QgisSettingsProfile::SetValue(const OdString &section, const OdString &key, const OdResBuf *value)
{
    if (!value)
        return;
    QgsSettings settings;
    const QString name = entry(section, key);
    const QString text = CFxString(value->getString()).toQString();
    // An unchanged value is not written: the file keeps its time and its other contents.
    if (settings.contains(name) && settings.value(name).toString() == text)
        return;
    settings.setValue(name, text);
    settings.sync();
    // QgsSettings reports no write errors: read the file back.
    const bool saved = QSettings(settings.fileName(), QSettings::IniFormat).value(name).toString() == text;
    if (!saved && !m_failureReported && m_reportFailure) {
        m_failureReported = true;
        m_reportFailure(QStringLiteral("Mouse gestures: the settings cannot be saved; changes last until QGIS closes."));
    }
}

} // namespace qgishost
