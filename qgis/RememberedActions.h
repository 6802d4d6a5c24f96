// Strokewheel - mouse gestures for CAD drawing views.
// The actions the user has on regions, remembered with their captions and menus. An action
// comes and goes with its plugin (switched off for a while, or loaded after the plugin
// looked); the catalogue keeps offering a remembered one while it is gone, so the module
// keeps its region, until the user assigns something else there.
#pragma once

#include <QHash>
#include <QString>

class CFxProfile;

namespace qgishost {

class RememberedActions
{
public:
    struct Action
    {
        QString objectName;
        QString caption;
        QString category;
        bool operator==(const Action &other) const
        {
            return objectName == other.objectName && caption == other.caption && category == other.category;
        }
    };
    using Actions = QHash<QString, Action>; // by the id the module knows

    // profile: where the module's assignments are and the memory is kept; may be null.
    explicit RememberedActions(CFxProfile *profile);

    // Given the actions the menus hold now, remembers the assigned ones among them, forgets
    // those no longer assigned, and returns the assigned ones the menus lack.
    Actions missing(const Actions &present);
    // The caption of a remembered action that is gone from the menus; empty when none.
    QString captionOfMissing(const QString &objectName) const;

private:
    Actions load() const;

    CFxProfile *m_profile;
    Actions m_missing;
};

} // namespace qgishost
