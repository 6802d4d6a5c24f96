// Strokewheel - mouse gestures for CAD drawing views.
// The host's user-interface customisation.
#include "standin/Catalogue.h"

#include "standin/CatalogueReader.h"
#include "standin/CommandGroup.h"
#include "sdk/ListIterator.h"
#include "standin/MenuGroup.h"
#include "standin/UICommand.h"

namespace standin {

namespace {

class GroupIterator : public fxsdk::ListIterator<CFxCommandGroupIterator, CommandGroup>
{
public:
    using ListIterator::ListIterator;
    CFxCommandGroup *GetGroup() const override { return current(); }
};

class MenuGroupIterator : public fxsdk::ListIterator<CFxMenuGroupIterator, MenuGroup>
{
public:
    using ListIterator::ListIterator;
    CFxMenuGroup *GetMenuGroup() const override { return current(); }
};

template <class T>
QVector<T *> pointers(const std::vector<std::unique_ptr<T>> &owned)
{
    QVector<T *> result;
    result.reserve(int(owned.size()));
    for (const auto &item : owned)
        result.append(item.get());
    return result;
}

} // namespace

Catalogue::Catalogue() = default;
Catalogue::~Catalogue() = default;

CFxCommandGroupIteratorPtr Catalogue::NewCommandGroupIterator() const
{
    return OdRxObjectImpl<GroupIterator>::createObject(commandGroups());
}

CFxMenuGroupIteratorPtr Catalogue::NewMenuGroupIterator() const
{
    return OdRxObjectImpl<MenuGroupIterator>::createObject(menuGroups());
}

UICommand *Catalogue::addCommand(const QString &id, const QString &macro, const QString &caption,
                                 const QString &helpText)
{
    m_commands.push_back(std::make_unique<UICommand>(id, macro, caption, helpText));
    return m_commands.back().get();
}

CommandGroup *Catalogue::addCommandGroup(const QString &name)
{
    m_commandGroups.push_back(std::make_unique<CommandGroup>(name));
    return m_commandGroups.back().get();
}

void Catalogue::addNullCommandGroup()
{
    m_commandGroups.push_back(nullptr);
}

MenuGroup *Catalogue::addMenuGroup(const QString &name, bool withRootMenu)
{
    m_menuGroups.push_back(std::make_unique<MenuGroup>(name, withRootMenu));
    return m_menuGroups.back().get();
}

void Catalogue::addNullMenuGroup()
{
    m_menuGroups.push_back(nullptr);
}

void Catalogue::clear()
{
    // Groups and menus point at the commands: drop them first.
    m_menuGroups.clear();
    m_commandGroups.clear();
    m_commands.clear();
}

UICommand *Catalogue::command(const QString &id) const
{
    for (const auto &command : m_commands) {
        if (command->id() == id)
            return command.get();
    }
    return nullptr;
}

QVector<UICommand *> Catalogue::commands() const
{
    return pointers(m_commands);
}

QVector<CommandGroup *> Catalogue::commandGroups() const
{
    return pointers(m_commandGroups);
}

QVector<MenuGroup *> Catalogue::menuGroups() const
{
    return pointers(m_menuGroups);
}

QHash<QString, int> Catalogue::restrictions() const
{
    QHash<QString, int> result;
    for (const auto &command : m_commands) {
        if (command->mode() != 0 && !command->commandWord().isEmpty())
            result.insert(command->commandWord(), command->mode());
    }
    return result;
}

bool Catalogue::load(const QString &path, QString *error)
{
    clear();
    if (CatalogueReader(path).read(this, error))
        return true;
    clear();
    return false;
}

} // namespace standin
