// Strokewheel - mouse gestures for CAD drawing views.
// The actions the user has on regions, remembered.
#include "qgis/RememberedActions.h"

#include "host/CFxProfileManager.h"
#include "host/CFxString.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace qgishost {

namespace {

const QString kModuleSection = QStringLiteral("Strokewheel");
// The plugin's own entry, beside the module's section.
const QString kPluginSection = QStringLiteral("StrokewheelPlugin");
const QString kMemoryKey = QStringLiteral("AssignedActions");

QString read(const CFxProfile &profile, const QString &section, const QString &key)
{
    const OdResBufPtr value =
        profile.GetValue(CFxString(section).toOdString(), CFxString(key).toOdString(), 0);
    return value ? CFxString(value->getString()).toQString() : QString();
}

// The ids on the regions of both schemes.
QStringList assignedIds(const CFxProfile &profile)
{
    QStringList ids;
    for (const int regions : {4, 8}) {
        // Keys "41".."44", "81".."88".
        for (int number = 1; number <= regions; ++number) {
            const QString id = read(profile, kModuleSection, QString::number(regions * 10 + number));
            if (!id.isEmpty())
                ids << id;
        }
    }
    return ids;
}

}

RememberedActions::RememberedActions(CFxProfile *profile) : m_profile(profile) {}

RememberedActions::Actions RememberedActions::load() const
{
    Actions actions;
    const QJsonObject stored = QJsonDocument::fromJson(read(*m_profile, kPluginSection, kMemoryKey).toUtf8()).object();
    for (auto entry = stored.begin(); entry != stored.end(); ++entry) {
        const QJsonArray fields = entry.value().toArray();
        actions.insert(entry.key(), Action{fields.at(0).toString(), fields.at(1).toString(), fields.at(2).toString()});
    }
    return actions;
}

RememberedActions::Actions RememberedActions::missing(const Actions &present)
{
    m_missing.clear();
    if (!m_profile)
        return m_missing;
    const Actions remembered = load();
    Actions kept;
    for (const QString &id : assignedIds(*m_profile)) {
        if (present.contains(id)) {
            kept.insert(id, present.value(id));
        } else if (remembered.contains(id)) {
            kept.insert(id, remembered.value(id));
            m_missing.insert(id, remembered.value(id));
        }
    }
    if (kept == remembered)
        return m_missing;
    QJsonObject stored;
    for (auto action = kept.cbegin(); action != kept.cend(); ++action)
        stored.insert(action.key(), QJsonArray{action->objectName, action->caption, action->category});
    OdResBufPtr value = OdResBuf::newRb(OdResBufType::kRtString);
    value->setString(CFxString(QString::fromUtf8(QJsonDocument(stored).toJson(QJsonDocument::Compact))).toOdString());
    m_profile->SetValue(CFxString(kPluginSection).toOdString(), CFxString(kMemoryKey).toOdString(), value.get());
    return m_missing;
}

QString RememberedActions::captionOfMissing(const QString &objectName) const
{
    for (const Action &action : m_missing) {
        if (action.objectName == objectName)
            return action.caption;
    }
    return QString();
}

} // namespace qgishost
