// Strokewheel - mouse gestures for CAD drawing views.
// The module's settings in QGIS's own settings (QgsSettings) of the active user profile:
// a section is a group ("Strokewheel/81"), so they move with the profile. The dialog's OK
// sets many values at once; they reach the file together, once per event-loop turn.
#pragma once

#include "host/CFxProfileManager.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QgsSettings;

namespace qgishost {

class QgisSettingsProfile : public CFxProfileManager, public CFxProfile
{
public:
    // The module's section and its switch, read by the plugin as well.
    static const QString kSection;
    static const QString kEnableKey;

    // reportFailure is told once when the settings cannot be written.
    explicit QgisSettingsProfile(std::function<void(const QString &)> reportFailure = {});
    ~QgisSettingsProfile() override;

    CFxProfile *GetCurrentProfile() const override;
    OdString GetName() const override;
    bool IsValueExist(const OdString &section, const OdString &key) const override;
    OdResBufPtr GetValue(const OdString &section, const OdString &key, int flags) const override;
    void SetValue(const OdString &section, const OdString &key, const OdResBuf *value) override;

    // The text stored under section/key; empty when there is none.
    QString text(const QString &section, const QString &key) const;
    // Gestures are on unless the user turned them off.
    bool gesturesEnabled() const;
    // Writes what was set since the last write.
    void flush();

private:
    bool stored(const QString &entry, QString *text) const;

    // One for all reads: a showing reads some 30 values, and each new QgsSettings opens
    // the files again.
    std::unique_ptr<QgsSettings> m_settings;
    std::function<void(const QString &)> m_reportFailure;
    bool m_failureReported = false;
    // Entry -> value not in the file yet: waiting for the end of this turn, or unsavable.
    QHash<QString, QString> m_unsaved;
    // Cancels a queued write when the profile goes first.
    QObject m_writeQueue;
    bool m_writeQueued = false;
};

} // namespace qgishost
