// Strokewheel - mouse gestures for CAD drawing views.
// The process-wide gesture configuration: catalogue, categories and loaded settings.
#include "config/K2GestureConfig.h"

#include "config/K2GestureSettings.h"
#include "config/K2Regions.h"
#include "host/CFxString.h"
#include "host/CFxSystemServices.h"
#include "host/CFxUICustomization.h"
#include "host/CFxUtils.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Most captions have no accelerator: those are passed on without a copy.
QString withoutAccelerators(const QString &caption)
{
    if (!caption.contains(QLatin1Char('&')))
        return caption;
    return QString(caption).remove(QLatin1Char('&'));
}

// The stored text of a key that takes one of two values. A missing or unusable value
// becomes factory, in memory and in the store.
QString loadChoice(const QString &key, const QString &factory, const QString &other)
{
    const K2GestureSettings *settings = K2GestureSettings::instance();
    QString stored;
    if (settings->contains(key))
        settings->value(key, stored);
    if (stored != factory && stored != other) {
        stored = factory;
        settings->setValue(key, factory);
    }
    return stored;
}

} // namespace

K2GestureConfig::K2GestureConfig()
    : fourGestureSlots(4, 0)
    , eightGestureSlots(8, 0)
{
    reload();
}

K2GestureConfig *K2GestureConfig::s_instance = nullptr;

K2GestureConfig::~K2GestureConfig()
{
    s_instance = nullptr;
}

K2GestureConfig *K2GestureConfig::create()
{
    // Function-local so that unloading the module file destroys it.
    static K2GestureConfig config;
    s_instance = &config;
    return s_instance;
}

void K2GestureConfig::reload()
{
    const int previousCount = commands.size();
    commands.clear();
    categoryByMacro.clear();
    buildCategoryMap();
    CFxUtils::SetRestrictedCommands();
    commands = readCommands(previousCount);

    loadFlags();
    loadFourGestureSlots();
    loadEightGestureSlots();
}

QVector<K2CommandInfo> K2GestureConfig::readCommands(int expectedCount) const
{
    // The host's order, duplicates kept; only commands the host offers with a macro count.
    CFxUICustomization *ui = GetFxSystemServices()->GetUICustomization();
    const int iconSize = 2 * CFxUtils::GetToolbarsIconSize();
    QVector<K2CommandInfo> list;
    list.reserve(expectedCount);
    for (CFxCommandGroupIteratorPtr groups = ui->NewCommandGroupIterator(); !groups->Done(); groups->Next()) {
        const CFxCommandGroup *group = groups->GetGroup();
        if (!group)
            continue;
        for (CFxUICommandIteratorPtr it = group->NewCommandIterator(); !it->Done(); it->Next()) {
            const CFxUICommand *command = it->GetCommand();
            if (!command)
                continue;
            K2CommandInfo info;
            info.macro = command->GetMacro();
            if (info.macro.isEmpty() || command->IsExcluded())
                continue;
            info.icon = command->GetIcon(iconSize);
            info.caption = command->GetCaption();
            info.helpText = command->GetHelpText();
            info.id = command->GetId();
            info.category = categoryFor(info.macro);
            list.append(std::move(info));
        }
    }
    return list;
}

void K2GestureConfig::buildCategoryMap()
{
    // A top-level item is named by its own caption, exactly as a sub-item under an
    // unnamed parent, so each menu bar is walked as a menu with an empty category.
    CFxUICustomization *ui = GetFxSystemServices()->GetUICustomization();
    // Translated once per walk: most commands of a large catalogue are in no menu.
    othersCategory = QCoreApplication::translate("QObject", "Others");
    for (CFxMenuGroupIteratorPtr groups = ui->NewMenuGroupIterator(); !groups->Done(); groups->Next()) {
        if (const CFxMenuGroup *group = groups->GetMenuGroup())
            addMenuCategories(QString(), group->GetRootMenu());
    }
}

void K2GestureConfig::addMenuCategories(const QString &category, CFxMenu *menu)
{
    if (!menu)
        return;
    for (int i = 0; i < menu->GetItemCount(); ++i) {
        const CFxMenuItem *item = menu->GetItem(i);
        if (!item)
            continue;
        // A category handed down has already lost its "&".
        const QString name = category.isEmpty() ? withoutAccelerators(item->GetCaption().toQString()) : category;
        if (const CFxUICommand *command = item->GetCommand())
            categoryByMacro.insert(command->GetMacro(), name);
        addMenuCategories(name, item->GetSubMenu());
    }
}

QString K2GestureConfig::categoryFor(const QString &macro) const
{
    const auto found = categoryByMacro.constFind(macro);
    return found != categoryByMacro.constEnd() ? found.value() : othersCategory;
}

void K2GestureConfig::loadFlags()
{
    enabled = loadChoice(K2Keys::kEnableMouseGesture, QStringLiteral("1"), QStringLiteral("0")) == QLatin1String("1");
    eightGestures = loadChoice(K2Keys::kActiveScheme, QStringLiteral("8"), QStringLiteral("4")) == QLatin1String("4") ? 0 : 1;
}

void K2GestureConfig::loadFourGestureSlots()
{
    loadSlots(K2Keys::kFourGestureRegions, 4, fourGestureSlots, &K2CommandInfo::region4,
              K2GestureSettings::instance()->noFourGestureKeyStored());
}

void K2GestureConfig::loadEightGestureSlots()
{
    loadSlots(K2Keys::kEightGestureRegions, 8, eightGestureSlots, &K2CommandInfo::region8,
              K2GestureSettings::instance()->noEightGestureKeyStored());
}

void K2GestureConfig::loadSlots(const QString *keys, int count, QVector<qint64> &slotTable,
                                quint8 K2CommandInfo::*regionByte, bool noKeyStored)
{
    const K2GestureSettings *settings = K2GestureSettings::instance();
    slotTable.resize(count);
    for (int number = 1; number <= count; ++number) {
        const QString &key = keys[number - 1];
        qint64 index = -1;
        if (noKeyStored || settings->contains(key)) {
            QString id;
            if (noKeyStored)
                id = factoryCommand(key);
            else
                settings->value(key, id);
            const auto found = std::find_if(commands.cbegin(), commands.cend(),
                                            [&id](const K2CommandInfo &command) { return command.id == id; });
            if (found != commands.cend())
                index = found - commands.cbegin();
        }
        slotTable[number - 1] = index;
        if (index >= 0) {
            K2CommandInfo &command = commands[int(index)];
            command.*regionByte = quint8(number);
            settings->setValue(key, command.id);
        } else {
            settings->setValue(key, QString());
        }
    }
}

void K2GestureConfig::save(const QVector<K2CommandInfo> &list, bool enabledFlag, quint32 scheme)
{
    const K2GestureSettings *settings = K2GestureSettings::instance();
    const struct
    {
        QVector<qint64> &slotTable;
        quint8 K2CommandInfo::*regionByte;
        quint32 eightGestures;
    } schemes[] = {{fourGestureSlots, &K2CommandInfo::region4, 0}, {eightGestureSlots, &K2CommandInfo::region8, 1}};
    for (const auto &target : schemes) {
        const int count = target.eightGestures != 0 ? 8 : 4;
        // A later entry claiming a region wins it; both are written, the later last.
        QVector<bool> assigned(count, false);
        target.slotTable.resize(count);
        for (int i = 0; i < list.size(); ++i) {
            const int number = list.at(i).*target.regionByte;
            if (number >= 1 && number <= count) {
                target.slotTable[number - 1] = i;
                assigned[number - 1] = true;
                settings->setValue(regionKey(target.eightGestures, number), list.at(i).id);
            }
        }
        for (int number = 1; number <= count; ++number) {
            if (!assigned.at(number - 1)) {
                target.slotTable[number - 1] = -1;
                settings->setValue(regionKey(target.eightGestures, number), QString());
            }
        }
    }
    if (&list != &commands)
        commands = list;

    enabled = enabledFlag;
    settings->setValue(K2Keys::kEnableMouseGesture, QString::fromLatin1(enabledFlag ? "1" : "0"));
    eightGestures = scheme;
    settings->setValue(K2Keys::kActiveScheme, QString::fromLatin1(scheme != 0 ? "8" : "4"));
}

void K2GestureConfig::restoreFactorySettings()
{
    K2GestureSettings::instance()->restoreDefaults();
    reload();
}

K2OverlayContent K2GestureConfig::overlayContent()
{
    reload();
    K2OverlayContent result;
    const QVector<qint64> &table = eightGestures != 0 ? eightGestureSlots : fourGestureSlots;
    result.regionCount = eightGestures != 0 ? 8 : 4;
    for (int slot = 0; slot < result.regionCount; ++slot) {
        const qint64 index = table.at(slot);
        RegionContent content;
        QString helpText;
        if (index == -1) {
            content.isText = 1;
            content.content = QString();
        } else {
            const K2CommandInfo &command = commands.at(int(index));
            if (command.icon.isNull()) {
                content.isText = 1;
                content.content = command.caption;
            } else {
                content.isText = 0;
                content.content = QVariant::fromValue(command.icon);
            }
            helpText = command.helpText;
        }
        result.contents.insert(slot, content);
        result.helpTexts.insert(slot, helpText);
    }
    return result;
}

QString K2GestureConfig::macroForSlot(int slot) const
{
    const qint64 index = (eightGestures != 0 ? eightGestureSlots : fourGestureSlots).at(slot);
    return index == -1 ? QString() : commands.at(int(index)).macro;
}

bool K2GestureConfig::matchesFactoryEightGestures() const
{
    for (int slot = 0; slot < 8; ++slot) {
        const qint64 index = eightGestureSlots.value(slot, -1);
        if (index < 0 || index >= commands.size())
            return false;
        if (commands.at(int(index)).id != factoryCommand(regionKey(1, slot + 1)))
            return false;
    }
    return true;
}
