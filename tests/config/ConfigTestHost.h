// Strokewheel - mouse gestures for CAD drawing views.
// Helpers for the configuration tests: catalogue entries, both settings stores.
#pragma once

#include "config/K2GestureConfig.h"
#include "standin/Catalogue.h"
#include "standin/CommandGroup.h"
#include "standin/Menu.h"
#include "standin/MenuGroup.h"
#include "standin/MenuItem.h"
#include "standin/StandIn.h"
#include "standin/UICommand.h"
#include "tests/support/TestSupport.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace configtest {

using testsupport::allKeys;
using testsupport::section;
using testsupport::solidIcon;
using testsupport::store;
using testsupport::stored;
using testsupport::storedText;

// Stores key, value, key, value, ... in the host store.
inline void storePairs(const QStringList &pairs)
{
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        store(pairs.at(i), pairs.at(i + 1));
}

// ---- fallback: Qt settings of "Corvanta" under the host's application name ------------
// Points every QSettings of the native format at folder; call with a temporary folder.
inline void useFallbackFolder(const QString &folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder + QStringLiteral("/user"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, folder + QStringLiteral("/system"));
}

inline QString appTitle()
{
    return QStringLiteral("Strokewheel Host");
}

inline void writeFallback(const QString &key, const QVariant &value)
{
    QSettings settings(QStringLiteral("Corvanta"), appTitle());
    settings.setValue(QStringLiteral("Gesture/Settings/") + key, value);
}

inline QStringList fallbackKeys(const QString &group)
{
    QSettings settings(QStringLiteral("Corvanta"), appTitle());
    settings.beginGroup(group);
    return settings.allKeys();
}

// ---- catalogue -------------------------------------------------------------------
struct Entry
{
    const char *id;
    const char *macro;
    const char *caption;
    bool withIcon;
};

// The eight factory commands (in region order of the 8-gesture scheme), then three more.
inline QVector<Entry> factoryEntries()
{
    return {{"ID_ZOOM_BOUNDS", "^C^C_ZOOM _E", "Zoom Extents", true}, {"ID_OFFSET", "^C^C_OFFSET", "Offset", true},
            {"ID_OPEN", "^C^C_OPEN", "Open", true},       {"ID_COPY", "^C^C_COPY", "Copy", false},
            {"ID_SAVE", "^C^C_QSAVE", "Save", true},       {"ID_DTEXT", "^C^C_DTEXT", "Text", true},
            {"ID_LINE", "^C^C_LINE", "Line", true},        {"ID_TRIM", "^C^C_TRIM", "Trim", true},
            {"ID_CIRCLE", "^C^C_CIRCLE", "Circle", false}, {"ID_MOVE", "^C^C_MOVE", "Move", true},
            {"ID_ERASE", "^C^C_ERASE", "Erase", true}};
}

inline standin::UICommand *addCommand(standin::CommandGroup *group, const Entry &entry)
{
    const QString caption = QString::fromLatin1(entry.caption);
    standin::UICommand *command = standin::catalogue()->addCommand(
        QString::fromLatin1(entry.id), QString::fromLatin1(entry.macro), caption, caption + QStringLiteral(" help"));
    if (entry.withIcon)
        command->setIcon(solidIcon(Qt::darkCyan));
    group->add(command);
    return command;
}

// One group holding entries, except the ids in without.
inline standin::CommandGroup *buildCatalogue(const QVector<Entry> &entries = factoryEntries(),
                                             const QStringList &without = {})
{
    standin::catalogue()->clear();
    standin::CommandGroup *group = standin::catalogue()->addCommandGroup(QStringLiteral("Test"));
    for (const Entry &entry : entries) {
        if (!without.contains(QString::fromLatin1(entry.id)))
            addCommand(group, entry);
    }
    return group;
}

inline int indexOfId(const QString &id)
{
    const QVector<K2CommandInfo> &commands = K2GestureConfig::instance()->commands;
    for (int i = 0; i < commands.size(); ++i) {
        if (commands.at(i).id == id)
            return i;
    }
    return -1;
}

// The ids in a slot table, "" for -1.
inline QStringList slotIds(const QVector<qint64> &table)
{
    QStringList ids;
    for (const qint64 index : table)
        ids << (index < 0 ? QString() : K2GestureConfig::instance()->commands.at(int(index)).id);
    return ids;
}

} // namespace configtest
