// Strokewheel - mouse gestures for CAD drawing views.
// The module's settings in QGIS's own settings.
#include "qgis/QgisSettingsProfile.h"

#include "host/CFxString.h"
#include "host/OdResBuf.h"

#include <qgsapplication.h>
#include <qgssettings.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

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
    const QString name = entry(section, key);
    return m_unsaved.contains(name) || QgsSettings().contains(name);
}

OdResBufPtr QgisSettingsProfile::GetValue(const OdString &section, const OdString &key, int) const
{
    const QString name = entry(section, key);
    QString text = m_unsaved.value(name);
    if (!m_unsaved.contains(name)) {
        const QgsSettings settings;
        if (!settings.contains(name))
            return OdResBufPtr();
        text = settings.value(name).toString();
    }
    OdResBufPtr value = OdResBuf::newRb(OdResBufType::kRtString);
    value->setString(CFxString(text).toOdString());
    return value;
}

void QgisSettingsProfile::SetValue(const OdString &section, const OdString &key, const OdResBuf *value)
{
    if (!value)
        return;
    const QString name = entry(section, key);
    const QString text = CFxString(value->getString()).toQString();
    // QgsSettings reports no write errors; the profile's own file, through QSettings, does.
    // Both share Qt's one copy of that file.
    QSettings settings(QgsSettings().fileName(), QSettings::IniFormat);
    // An unchanged value is not written: the file keeps its time and its other contents.
    if (!m_unsaved.contains(name) && settings.contains(name) && settings.value(name).toString() == text)
        return;
    settings.setValue(name, text);
    settings.sync();
    m_unsaved.remove(name);
    if (settings.status() == QSettings::NoError)
        return;
    // Kept for this session, as the rest of QGIS's settings are.
    m_unsaved.insert(name, text);
    if (!m_failureReported && m_reportFailure) {
        m_failureReported = true;
        m_reportFailure(QCoreApplication::translate("qgishost", "Mouse gestures: the settings cannot be saved; changes last until QGIS closes."));
    }
}

} // namespace qgishost
