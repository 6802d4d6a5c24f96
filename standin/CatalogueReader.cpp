// Strokewheel - mouse gestures for CAD drawing views.
// Reads a catalogue file into a Catalogue.
#include "standin/CatalogueReader.h"

#include "standin/Catalogue.h"
#include "standin/CommandGroup.h"
#include "standin/Menu.h"
#include "standin/MenuGroup.h"
#include "standin/MenuItem.h"
#include "standin/UICommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextCodec>

namespace standin {

namespace {

const QLatin1String commandsSection("commands ");
const QLatin1String menusSection("menus ");
const QLatin1String iconsDirective("icons ");

int indentation(const QString &line)
{
    int spaces = 0;
    while (spaces < line.size() && line.at(spaces) == QLatin1Char(' '))
        ++spaces;
    return spaces;
}

} // namespace

CatalogueReader::CatalogueReader(const QString &path)
    : m_path(path)
    , m_iconFolder(QFileInfo(path).absolutePath())
{
}

bool CatalogueReader::read(Catalogue *catalogue, QString *error)
{
    m_catalogue = catalogue;
    QFile file(m_path);
    // A FIFO or a device would block the reader or never end.
    const QString reason = !QFileInfo(m_path).isFile() && QFileInfo::exists(m_path)
                               ? QString::fromLatin1("not a regular file")
                               : (file.open(QIODevice::ReadOnly) ? QString() : file.errorString());
    if (!reason.isEmpty()) {
        if (error)
            *error = QString::fromLatin1("%1: cannot open the catalogue: %2").arg(m_path, reason);
        return false;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &bytes : lines) {
        ++m_lineNumber;
        QTextCodec::ConverterState state;
        const QString line = QTextCodec::codecForName("UTF-8")->toUnicode(
            bytes.constData(), bytes.size() - (bytes.endsWith('\r') ? 1 : 0), &state);
        if (state.invalidChars > 0 || state.remainingChars > 0) {
            if (error)
                *error = QString::fromLatin1("%1:%2: not UTF-8 text").arg(m_path).arg(m_lineNumber);
            return false;
        }
        if (!readLine(line)) {
            if (error)
                *error = m_error;
            return false;
        }
    }
    // Assignments the host no longer offers are dropped: offering nothing by accident
    // would empty every region.
    if (m_definedOnLine.isEmpty()) {
        if (error)
            *error = QString::fromLatin1("%1:%2: no command in the catalogue").arg(m_path).arg(m_lineNumber);
        return false;
    }
    return true;
}

bool CatalogueReader::fail(const QString &reason)
{
    m_error = QString::fromLatin1("%1:%2: %3").arg(m_path).arg(m_lineNumber).arg(reason);
    return false;
}

bool CatalogueReader::readLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return true;
    if (line.contains(QLatin1Char('\t')))
        return fail(QString::fromLatin1("tab character; indent with spaces"));
    if (line.startsWith(QLatin1Char('[')))
        return readSectionHeader(trimmed);
    if (m_group)
        return readCommand(trimmed);
    if (!m_levels.isEmpty())
        return readMenuItem(line);
    if (line.startsWith(iconsDirective)) {
        const QString folder = line.mid(iconsDirective.size()).trimmed();
        m_iconFolder = QDir(QFileInfo(m_path).absolutePath()).absoluteFilePath(folder);
        return true;
    }
    return fail(QString::fromLatin1("expected \"icons <folder>\", \"[commands <name>]\" or \"[menus <name>]\""));
}

bool CatalogueReader::readSectionHeader(const QString &line)
{
    if (!line.endsWith(QLatin1Char(']')))
        return fail(QString::fromLatin1("section header without \"]\""));
    const QString header = line.mid(1, line.size() - 2);
    m_group = nullptr;
    m_levels.clear();
    m_lastItem = nullptr;
    if (header.startsWith(commandsSection) && !header.mid(commandsSection.size()).trimmed().isEmpty()) {
        m_group = m_catalogue->addCommandGroup(header.mid(commandsSection.size()).trimmed());
        return true;
    }
    if (header.startsWith(menusSection) && !header.mid(menusSection.size()).trimmed().isEmpty()) {
        m_levels.append(m_catalogue->addMenuGroup(header.mid(menusSection.size()).trimmed())->rootMenu());
        return true;
    }
    return fail(QString::fromLatin1("unknown section \"%1\"; expected [commands <name>] or [menus <name>]").arg(header));
}

UICommand *CatalogueReader::knownCommand(const QString &id)
{
    UICommand *command = m_catalogue->command(id);
    if (!command)
        fail(QString::fromLatin1("unknown command \"%1\"").arg(id));
    return command;
}

bool CatalogueReader::readCommand(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char('|'));
    if (fields.size() == 1) {
        UICommand *command = knownCommand(line);
        if (command)
            m_group->add(command);
        return command != nullptr;
    }
    if (fields.size() != 5 && fields.size() != 6)
        return fail(QString::fromLatin1("expected <id> | <macro> | <caption> | <icon> | <help text> [| <flags>]"));
    const QString id = fields.at(0).trimmed();
    if (id.isEmpty() || id.contains(QLatin1Char(' ')))
        return fail(QString::fromLatin1("missing or malformed command id"));
    if (m_definedOnLine.contains(id))
        return fail(QString::fromLatin1("command \"%1\" already defined on line %2").arg(id).arg(m_definedOnLine.value(id)));
    m_definedOnLine.insert(id, m_lineNumber);
    UICommand *command = m_catalogue->addCommand(id, fields.at(1).trimmed(), fields.at(2).trimmed(),
                                                 fields.at(4).trimmed());
    if (fields.size() == 6 && !applyFlags(command, fields.at(5)))
        return false;
    const QString icon = fields.at(3).trimmed();
    if (icon != QLatin1String("-") && !setIcon(command, icon))
        return false;
    m_group->add(command);
    return true;
}

bool CatalogueReader::applyFlags(UICommand *command, const QString &flags)
{
    static const QHash<QString, int> modes = {
        {QString::fromLatin1("block"), 1}, {QString::fromLatin1("component"), 2}, {QString::fromLatin1("sheet"), 3}};
    for (const QString &part : flags.split(QLatin1Char(','))) {
        const QString flag = part.trimmed();
        if (flag == QLatin1String("excluded")) {
            command->setExcluded(true);
        } else if (modes.contains(flag)) {
            if (command->mode() != 0)
                return fail(QString::fromLatin1("more than one of \"block\", \"component\" and \"sheet\""));
            command->setMode(modes.value(flag));
        } else {
            return fail(QString::fromLatin1("unknown flag \"%1\"").arg(flag));
        }
    }
    return true;
}

bool CatalogueReader::setIcon(UICommand *command, const QString &name)
{
    const auto find = [this, &name](const char *scheme) {
        for (const char *suffix : {".svg", ".png"}) {
            const QString file = QString::fromLatin1("%1/%2/%3%4").arg(m_iconFolder, QLatin1String(scheme), name,
                                                                       QLatin1String(suffix));
            if (QFileInfo(file).isFile())
                return file;
        }
        return QString();
    };
    const QString light = find("light");
    if (light.isEmpty())
        return fail(QString::fromLatin1("no icon \"%1\" in %2/light").arg(name, m_iconFolder));
    command->setIconFiles(light, find("dark"));
    return true;
}

bool CatalogueReader::readMenuItem(const QString &line)
{
    const int spaces = indentation(line);
    if (spaces % 2 != 0)
        return fail(QString::fromLatin1("indentation is not a multiple of two spaces"));
    const int depth = spaces / 2;
    if (depth == m_levels.size() && m_lastItem)
        m_levels.append(m_lastItem->createSubMenu());
    if (depth >= m_levels.size())
        return fail(QString::fromLatin1("indented deeper than one level below the item above"));
    m_levels.resize(depth + 1);

    QString caption = line.trimmed();
    UICommand *command = nullptr;
    const int separator = caption.lastIndexOf(QLatin1String(" = "));
    if (separator >= 0) {
        command = knownCommand(caption.mid(separator + 3).trimmed());
        if (!command)
            return false;
        caption = caption.left(separator).trimmed();
    }
    m_lastItem = m_levels.last()->addItem(caption, command);
    return true;
}

} // namespace standin
