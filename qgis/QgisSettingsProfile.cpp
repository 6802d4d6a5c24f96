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
#include <QTimer>

namespace qgishost {

const QString QgisSettingsProfile::kSection = QStringLiteral("Strokewheel");
const QString QgisSettingsProfile::kEnableKey = QStringLiteral("EnableMouseGesture");

namespace {
// Separators would open sub-groups, or on Windows mean one: a key stays one entry.
QString entry(const QString &section, QString key)
{
    key.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return section + QLatin1Char('/') + key;
}

QString entry(const OdString &section, const OdString &key)
{
    return entry(CFxString(section).toQString(), CFxString(key).toQString());
}
}

QgisSettingsProfile::QgisSettingsProfile(std::function<void(const QString &)> reportFailure)
    : m_settings(std::make_unique<QgsSettings>()), m_reportFailure(std::move(reportFailure))
{
}

QgisSettingsProfile::~QgisSettingsProfile()
{
    flush();
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

bool QgisSettingsProfile::stored(const QString &name, QString *text) const
{
    const auto unsaved = m_unsaved.constFind(name);
    if (unsaved != m_unsaved.constEnd()) {
        *text = unsaved.value();
        return true;
    }
    if (!m_settings->contains(name))
        return false;
    *text = m_settings->value(name).toString();
    return true;
}

QString QgisSettingsProfile::text(const QString &section, const QString &key) const
{
    QString value;
    stored(entry(section, key), &value);
    return value;
}

bool QgisSettingsProfile::gesturesEnabled() const
{
    return text(kSection, kEnableKey) != QLatin1String("0");
}

bool QgisSettingsProfile::IsValueExist(const OdString &section, const OdString &key) const
{
    QString text;
    return stored(entry(section, key), &text);
}

OdResBufPtr QgisSettingsProfile::GetValue(const OdString &section, const OdString &key, int) const
{
    QString text;
    if (!stored(entry(section, key), &text))
        return OdResBufPtr();
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
    // An unchanged value is not written: the file keeps its time and its other contents.
    QString old;
    if (stored(name, &old) && old == text)
        return;
    m_unsaved.insert(name, text);
    if (m_writeQueued)
        return;
    m_writeQueued = true;
    QTimer::singleShot(0, &m_writeQueue, [this] { flush(); });
}

void QgisSettingsProfile::flush()
{
    m_writeQueued = false;
    if (m_unsaved.isEmpty())
        return;
    // QgsSettings reports no write errors; the profile's own file, through QSettings, does.
    // Both share Qt's one copy of that file.
    QSettings settings(m_settings->fileName(), QSettings::IniFormat);
    for (auto value = m_unsaved.constBegin(); value != m_unsaved.constEnd(); ++value)
        settings.setValue(value.key(), value.value());
    settings.sync();
    if (settings.status() == QSettings::NoError) {
        m_unsaved.clear();
        return;
    }
    // Kept for this session, as the rest of QGIS's settings are.
    if (!m_failureReported && m_reportFailure) {
        m_failureReported = true;
        m_reportFailure(QCoreApplication::translate("qgishost", "The settings cannot be saved; changes last until QGIS closes."));
    }
}

} // namespace qgishost
