// Strokewheel - mouse gestures for CAD drawing views.
// The catalogue the benchmarks measure: as large as big hosts have them, with SVG icons.
#pragma once

#include "tests/support/CatalogueBuilder.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace bench {

// A catalogue of count commands as large hosts have them: the eight factory commands, then
// "Command 00001", ... in groups of 50 under ten menus (every tenth in none), each with one
// of the bundled SVG icons in its light and dark form.
inline void buildLargeCatalogue(int count)
{
    const QDir icons(QFileInfo(standin::defaultCataloguePath()).absolutePath() + QStringLiteral("/../icons"));
    const QStringList names =
        QDir(icons.filePath(QStringLiteral("light"))).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    const auto withIcon = [&](standin::UICommand *command, int i) {
        const QString name = names.value(i % qMax(1, names.size()));
        command->setIconFiles(icons.filePath(QStringLiteral("light/") + name),
                              icons.filePath(QStringLiteral("dark/") + name));
    };
    testsupport::CatalogueBuilder builder(QStringLiteral("Factory"));
    const char *const factory[] = {"ID_ZOOM_BOUNDS", "ID_OFFSET", "ID_OPEN", "ID_COPY",
                                   "ID_SAVE",        "ID_DTEXT",  "ID_LINE", "ID_TRIM"};
    for (int i = 0; i < 8 && i < count; ++i) {
        const QString id = QLatin1String(factory[i]);
        withIcon(builder.add(id, QStringLiteral("^C^C_") + id.mid(3), id.mid(3), QStringLiteral("Factory command."),
                             QStringLiteral("&Home")),
                 i);
    }
    for (int i = 8; i < count; ++i) {
        if (i % 50 == 8)
            builder.startGroup(QStringLiteral("Group %1").arg(i / 50));
        const QString number = QString::number(i).rightJustified(5, QLatin1Char('0'));
        const QString menu = i % 10 == 9 ? QString() : QStringLiteral("&Menu %1").arg(i % 10);
        withIcon(builder.add(QStringLiteral("ID_CMD") + number, QStringLiteral("^C^C_CMD") + number,
                             QStringLiteral("Command ") + number, QStringLiteral("Runs command ") + number + '.', menu),
                 i);
    }
}

} // namespace bench
