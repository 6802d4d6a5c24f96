// Strokewheel - mouse gestures for CAD drawing views.
// Gesture settings in the host settings store, with a read-only Qt fallback.
#include "config/K2GestureSettings.h"

#include "config/K2Regions.h"
#include "hostaccess/K2Host.h"
#include "host/CFxProfileManager.h"
#include "host/CFxString.h"
#include "host/CFxSystemServices.h"

#include <QSettings>

#include <memory>

namespace {

const OdString &section()
{
    static const OdString name("Strokewheel");
    return name;
}

OdString hostKey(const QString &key)
{
    return CFxString(key).toOdString();
}

// The fallback positioned in its group; "Settings/" + key names the entry of its sub-group
// "Settings". Written with a backslash, Qt on Windows means the same entry, but elsewhere a
// literal backslash in the key.
std::unique_ptr<QSettings> openFallback(const QString &application)
{
    auto settings = std::make_unique<QSettings>(QString::fromLatin1("Corvanta"), application);
    settings->beginGroup(QString::fromLatin1("Gesture"));
    return settings;
}

QString fallbackKey(const QString &key)
{
    return QString::fromLatin1("Settings/") + key;
}

} // namespace

K2GestureSettings *K2GestureSettings::instance()
{
    static K2GestureSettings settings;
    return &settings;
}

CFxProfile *K2GestureSettings::hostStore()
{
    return GetFxSystemServices()->GetProfileManager()->GetCurrentProfile();
}

QString K2GestureSettings::fallbackApplication()
{
    return K2Host::appTitle();
}

bool K2GestureSettings::contains(const QString &key) const
{
    CFxProfile *store = hostStore();
    if (!store)
        return false;
    if (store->IsValueExist(section(), hostKey(key)))
        return true;
    return openFallback(fallbackApplication())->contains(fallbackKey(key));
}

bool K2GestureSettings::value(const QString &key, QString &out) const
{
    CFxProfile *store = hostStore();
    if (!store)
        return true;
    if (store->IsValueExist(section(), hostKey(key))) {
        const OdResBufPtr stored = store->GetValue(section(), hostKey(key), 4);
        out = QString::fromLatin1(OdAnsiString(stored->getString()).c_str());
        return true;
    }
    const std::unique_ptr<QSettings> fallback = openFallback(fallbackApplication());
    if (fallback->contains(fallbackKey(key))) {
        const QVariant entry = fallback->value(fallbackKey(key), QVariant());
        if (entry.isNull())
            return false;
        out = entry.toString();
    } else {
        out = defaultValue(key);
    }
    setValue(key, out);
    return true;
}

bool K2GestureSettings::setValue(const QString &key, const QString &value) const
{
    CFxProfile *store = hostStore();
    if (!store)
        return true;
    const OdResBufPtr buffer = OdResBuf::newRb(OdResBufType::kRtString);
    buffer->setString(CFxString(value).toOdString());
    store->SetValue(section(), hostKey(key), buffer.get());
    return true;
}

QString K2GestureSettings::defaultValue(const QString &key) const
{
    if (key == K2Keys::kEnableMouseGesture)
        return QString::fromLatin1("1");
    if (key == K2Keys::kActiveScheme)
        return QString::fromLatin1("8");
    return factoryCommand(key);
}

bool K2GestureSettings::noKeyStored(const QString *keys, int count) const
{
    for (int i = 0; i < count; ++i) {
        if (contains(keys[i]))
            return false;
    }
    return true;
}

bool K2GestureSettings::noFourGestureKeyStored() const
{
    return noKeyStored(K2Keys::kFourGestureRegions, 4);
}

bool K2GestureSettings::noEightGestureKeyStored() const
{
    return noKeyStored(K2Keys::kEightGestureRegions, 8);
}

void K2GestureSettings::restoreDefaults() const
{
    // Removing the empty key empties the whole group, the "Settings" sub-group included.
    openFallback(fallbackApplication())->remove(QString());
    for (const QString &key : K2Keys::all())
        setValue(key, defaultValue(key));
}
