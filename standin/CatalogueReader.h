// Strokewheel - mouse gestures for CAD drawing views.
// Reads a catalogue file (format: see standin/catalogue/default.catalogue) into a Catalogue.
#pragma once

#include <QHash>
#include <QString>
#include <QVector>

namespace standin {

class Catalogue;
class CommandGroup;
class Menu;
class MenuItem;
class UICommand;

class CatalogueReader
{
public:
    explicit CatalogueReader(const QString &path);
    // Adds the file's groups, commands and menus to catalogue. False with error
    // "<file>:<line>: <reason>" (no line when the file cannot be opened).
    bool read(Catalogue *catalogue, QString *error);

private:
    bool readLine(const QString &line);
    bool readSectionHeader(const QString &line);
    bool readCommand(const QString &line);
    bool readMenuItem(const QString &line);
    bool applyFlags(UICommand *command, const QString &flags);
    bool setIcon(UICommand *command, const QString &name);
    UICommand *knownCommand(const QString &id);
    bool fail(const QString &reason);

    QString m_path;
    QString m_iconFolder;
    Catalogue *m_catalogue = nullptr;
    int m_lineNumber = 0;
    QString m_error;
    CommandGroup *m_group = nullptr;
    // Menus by depth: m_levels[d] receives the items indented d levels.
    QVector<Menu *> m_levels;
    MenuItem *m_lastItem = nullptr;
    QHash<QString, int> m_definedOnLine;
};

} // namespace standin
