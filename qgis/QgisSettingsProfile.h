// Strokewheel - mouse gestures for CAD drawing views.
// The module's settings in QGIS's own settings (QgsSettings) of the active user profile:
// a section is a group ("Strokewheel/81"), so they move with the profile.
#pragma once

#include "host/CFxProfileManager.h"

#include <QHash>
#include <QString>

#include <functional>

namespace qgishost {

class QgisSettingsProfile : public CFxProfileManager, public CFxProfile
{
public:
    // reportFailure is told once when the settings cannot be written.
    explicit QgisSettingsProfile(std::function<void(const QString &)> reportFailure = {});

    CFxProfile *GetCurrentProfile() const override;
    OdString GetName() const override;
    bool IsValueExist(const OdString &section, const OdString &key) const override;
    OdResBufPtr GetValue(const OdString &section, const OdString &key, int flags) const override;
    void SetValue(const OdString &section, const OdString &key, const OdResBuf *value) override;

private:
    std::function<void(const QString &)> m_reportFailure;
    bool m_failureReported = false;
    // Entry -> value of what could not be saved.
    QHash<QString, QString> m_unsaved;
};

} // namespace qgishost
