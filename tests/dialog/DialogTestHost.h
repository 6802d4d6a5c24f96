// Strokewheel - mouse gestures for CAD drawing views.
// A small stand-in host for the dialog tests: catalogue, menus, stored settings.
#pragma once

#include "config/K2GestureConfig.h"
#include "standin/SettingsStore.h"
#include "standin/StandIn.h"
#include "standin/UICommand.h"
#include "tests/support/CatalogueBuilder.h"
#include "tests/support/TestSupport.h"

#include <QColor>
#include <QIcon>
#include <QMap>
#include <QPixmap>
#include <QString>
#include <QVector>

namespace dialogtest {

struct TestCommand
{
    const char *id;
    const char *macro;
    const char *caption;
    const char *menu;   // top-level menu caption, "" = reachable through no menu
    int mode;           // CommandMode: 0 anywhere, 1 block editor, 2 component, 3 sheet
    bool withIcon;
};

// The eight factory commands, a few more of the same menus, one command per restriction
// mode, one command whose category (not caption) says "Zoom", one under no menu.
inline const QVector<TestCommand> &testCommands()
{
    static const QVector<TestCommand> commands = {
        {"ID_ZOOM_BOUNDS", "^C^C_ZOOM _E", "Zoom Extents", "&View", 0, true},
        {"ID_OPEN", "^C^C_OPEN", "Open", "&File", 0, true},
        {"ID_SAVE", "^C^C_QSAVE", "Save", "&File", 0, true},
        {"ID_LINE", "^C^C_LINE", "Line", "&Draw", 0, true},
        {"ID_OFFSET", "^C^C_OFFSET", "Offset", "&Modify", 0, true},
        {"ID_COPY", "^C^C_COPY", "Copy", "&Modify", 0, false},
        {"ID_DTEXT", "^C^C_DTEXT", "Single Line Text", "A&nnotate", 0, true},
        {"ID_TRIM", "^C^C_TRIM", "Trim", "&Modify", 0, true},
        {"ID_ZOOM_WINDOW", "^C^C_ZOOM _W", "Zoom Window", "&View", 0, true},
        {"ID_CIRCLE", "^C^C_CIRCLE", "Circle", "&Draw", 0, false},
        {"ID_PAN", "^C^C_PAN", "Realtime Pan", "&Zoom Tools", 0, true},
        {"ID_BCLOSE", "^C^C_BCLOSE", "Close Block Editor", "&Modify", 1, false},
        {"ID_COMPCLOSE", "^C^C_COMPCLOSE", "Close Component", "&Modify", 2, false},
        {"ID_MVIEW", "^C^C_MVIEW", "Viewports", "&View", 3, true},
        {"ID_ABOUT", "^C^C_ABOUT", "About", "", 0, false},
    };
    return commands;
}

inline QString helpTextOf(const QString &caption)
{
    return QStringLiteral("Runs ") + caption + QLatin1Char('.');
}

using testsupport::solidIcon;

// Fills the stand-in's catalogue with testCommands(), then loads the configuration.
inline void buildCatalogue()
{
    testsupport::CatalogueBuilder builder;
    int hue = 0;
    for (const TestCommand &command : testCommands()) {
        const QString caption = QString::fromLatin1(command.caption);
        standin::UICommand *uiCommand = builder.add(QString::fromLatin1(command.id), QString::fromLatin1(command.macro),
                                                    caption, helpTextOf(caption), QString::fromLatin1(command.menu));
        uiCommand->setMode(command.mode);
        if (command.withIcon)
            uiCommand->setIcon(solidIcon(QColor::fromHsv((hue += 23) % 360, 200, 220)));
    }
    K2GestureConfig::instance()->reload();
}

using testsupport::section;

// Stores the enabled flag, the scheme and region assignments (key -> command id), then
// loads the configuration. Regions not named keep the factory assignment only when
// no region of their scheme is named.
inline void storeSettings(bool enabled, int scheme, const QMap<QString, QString> &regions = {})
{
    testsupport::storeFlags(enabled, scheme);
    for (auto it = regions.cbegin(); it != regions.cend(); ++it)
        testsupport::store(it.key(), it.value());
    K2GestureConfig::instance()->reload();
}

constexpr auto &storedValue = testsupport::storedText;

// Row of the catalogue entry with id in entries, -1 when absent.
template <class Entries>
int rowOfId(const Entries &entries, const QString &id)
{
    for (int row = 0; row < entries.size(); ++row) {
        if (entries.at(row).id == id)
            return row;
    }
    return -1;
}

} // namespace dialogtest
