// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the gesture configuration: catalogue, categories, loading, saving, overlay content.
#include "ConfigTestHost.h"

#include "config/K2GestureSettings.h"
#include "host/CFxUtils.h"
#include "tests/support/TestMain.h"

#include <QtTest>

#include <memory>

using namespace configtest;

namespace {
const QString absent = QStringLiteral("<absent>");
}

class tst_GestureConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Loading the settings
    void factoryState_data();
    void factoryState();
    void flags_data();
    void flags();
    void loneRegionKey_data();
    void loneRegionKey();
    void sameIdUnderTwoKeysKeepsTheHigherRegionOnSave();
    void fallbackOnlyValuesMigrateOnce();
    void nullFallbackFlagBecomesFactoryValue();
    void withoutHostStoreTheFactoryStateHoldsInMemoryOnly();

    // Saving
    void saveWritesEveryKeyAndKeepsTheLaterClaim();

    // Catalogue and categories
    void catalogueSkipsAbsentEmptyAndExcludedCommands();
    void categories_data();
    void categories();
    void iconIsAskedForAtTwiceTheToolbarSize();
    void reloadRefreshesTheRestrictionTable();

    // What the overlay and the tracker get
    void overlayContentOfTheFourGestureScheme();
    void overlayContentFollowsTheHost();
    void macroForSlot();
    void matchesFactoryEightGestures_data();
    void matchesFactoryEightGestures();

private:
    K2GestureConfig *config() const { return K2GestureConfig::instance(); }
    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_GestureConfig::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    useFallbackFolder(m_folder->path());
    standin::reset();
    buildCatalogue();
}

void tst_GestureConfig::cleanup()
{
    m_folder->setAutoRemove(!QTest::currentTestFailed());
    m_folder.reset();
}

void tst_GestureConfig::factoryState_data()
{
    QTest::addColumn<bool>("reset");
    QTest::newRow("fresh profile") << false;
    QTest::newRow("factory reset") << true;
}

void tst_GestureConfig::factoryState()
{
    QFETCH(bool, reset);
    if (reset) {
        storePairs({"EnableMouseGesture", "0", "ActiveScheme", "4", "84", "ID_CIRCLE", "42", "ID_CIRCLE"});
        config()->reload();
        config()->restoreFactorySettings();
    } else {
        config()->reload();
    }
    QVERIFY(config()->enabled);
    QCOMPARE(config()->eightGestures, 1u);
    const QMap<QString, QString> factory = testsupport::factorySettings();
    QCOMPARE(slotIds(config()->eightGestureSlots), factory.values().mid(4, 8));
    QCOMPARE(slotIds(config()->fourGestureSlots), factory.values().mid(0, 4));
    QCOMPARE(config()->commands.at(indexOfId("ID_LINE")).region4, quint8(4));
    QCOMPARE(config()->commands.at(indexOfId("ID_LINE")).region8, quint8(7));
    QCOMPARE(config()->commands.at(indexOfId("ID_CIRCLE")).region8, quint8(0));
    for (const QString &key : allKeys())
        QCOMPARE(storedText(key), factory.value(key));
    QCOMPARE(standin::settingsStore()->keys(section()).size(), 14);
}

void tst_GestureConfig::flags_data()
{
    QTest::addColumn<QString>("storedEnabled");
    QTest::addColumn<QString>("storedScheme");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<quint32>("eightGestures");
    QTest::addColumn<QString>("enabledAfter");
    QTest::addColumn<QString>("schemeAfter");

    QTest::newRow("off, 4 gestures") << "0" << "4" << false << 0u << "0" << "4";
    QTest::newRow("on, 8 gestures") << "1" << "8" << true << 1u << "1" << "8";
    QTest::newRow("empty scheme becomes 8") << "1" << "" << true << 1u << "1" << "8";
    QTest::newRow("padded scheme becomes 8") << "1" << " 4" << true << 1u << "1" << "8";
    QTest::newRow("empty enabled becomes 1") << "" << "4" << true << 0u << "1" << "4";
    QTest::newRow("enabled absent") << absent << "4" << true << 0u << "1" << "4";
    QTest::newRow("scheme absent") << "0" << absent << false << 1u << "0" << "8";
}

void tst_GestureConfig::flags()
{
    QFETCH(QString, storedEnabled);
    QFETCH(QString, storedScheme);
    if (storedEnabled != absent)
        store(QStringLiteral("EnableMouseGesture"), storedEnabled);
    if (storedScheme != absent)
        store(QStringLiteral("ActiveScheme"), storedScheme);

    config()->reload();

    QTEST(config()->enabled, "enabled");
    QTEST(config()->eightGestures, "eightGestures");
    QTEST(storedText(QStringLiteral("EnableMouseGesture")), "enabledAfter");
    QTEST(storedText(QStringLiteral("ActiveScheme")), "schemeAfter");
}

void tst_GestureConfig::loneRegionKey_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("catalogueHasEmptyId");
    QTest::addColumn<bool>("found");

    QTest::newRow("known id") << "ID_LINE" << false << true;
    QTest::newRow("unknown id") << "ID_GONE" << false << false;
    QTest::newRow("caption instead of id") << "Line" << false << false;
    QTest::newRow("macro instead of id") << "^C^C_LINE" << false << false;
    QTest::newRow("id in other case") << "id_line" << false << false;
    QTest::newRow("empty, no command without id") << "" << false << false;
    QTest::newRow("empty, a command without id") << "" << true << true;
}

void tst_GestureConfig::loneRegionKey()
{
    QFETCH(QString, value);
    QFETCH(bool, catalogueHasEmptyId);
    QFETCH(bool, found);
    if (catalogueHasEmptyId)
        addCommand(standin::catalogue()->commandGroups().first(), Entry{"", "^C^C_NOID", "No id", false});
    store(QStringLiteral("42"), value);
    config()->reload();

    const qint64 index = found ? indexOfId(value) : -1;
    QCOMPARE(config()->fourGestureSlots, QVector<qint64>({-1, index, -1, -1}));
    if (found)
        QCOMPARE(config()->commands.at(int(index)).region4, quint8(2));
    QCOMPARE(config()->commands.at(indexOfId("ID_ZOOM_BOUNDS")).region4, quint8(0));
    QCOMPARE(storedText(QStringLiteral("42")), found ? value : QString());
    for (const char *key : {"41", "43", "44"}) {
        QVERIFY2(stored(QLatin1String(key)), key);
        QCOMPARE(storedText(QLatin1String(key)), QString());
    }
    // The other scheme has no key at all, so it still gets its factory commands.
    QCOMPARE(slotIds(config()->eightGestureSlots).at(6), QStringLiteral("ID_LINE"));
}

void tst_GestureConfig::sameIdUnderTwoKeysKeepsTheHigherRegionOnSave()
{
    storePairs({"41", "ID_SAVE", "43", "ID_SAVE"});
    config()->reload();

    const int save = indexOfId("ID_SAVE");
    QCOMPARE(config()->fourGestureSlots.at(0), qint64(save));
    QCOMPARE(config()->fourGestureSlots.at(2), qint64(save));
    QCOMPARE(config()->commands.at(save).region4, quint8(3));

    config()->save(config()->commands, true, 0);
    QCOMPARE(storedText(QStringLiteral("41")), QString());
    QCOMPARE(storedText(QStringLiteral("43")), QStringLiteral("ID_SAVE"));
    QCOMPARE(config()->fourGestureSlots.at(0), qint64(-1));
    QCOMPARE(config()->fourGestureSlots.at(2), qint64(save));
    // Saving the config's own list keeps the list.
    QCOMPARE(config()->commands.size(), factoryEntries().size());
}

void tst_GestureConfig::fallbackOnlyValuesMigrateOnce()
{
    writeFallback(QStringLiteral("EnableMouseGesture"), QStringLiteral("0"));
    writeFallback(QStringLiteral("ActiveScheme"), QStringLiteral("4"));
    writeFallback(QStringLiteral("41"), QStringLiteral("ID_CIRCLE"));
    config()->reload();

    QVERIFY(!config()->enabled);
    QCOMPARE(config()->eightGestures, 0u);
    QCOMPARE(slotIds(config()->fourGestureSlots), QStringList({"ID_CIRCLE", "", "", ""}));
    QCOMPARE(storedText(QStringLiteral("EnableMouseGesture")), QStringLiteral("0"));
    QCOMPARE(storedText(QStringLiteral("41")), QStringLiteral("ID_CIRCLE"));

    writeFallback(QStringLiteral("ActiveScheme"), QStringLiteral("8"));
    writeFallback(QStringLiteral("41"), QStringLiteral("ID_MOVE"));
    config()->reload();
    QCOMPARE(config()->eightGestures, 0u);
    QCOMPARE(slotIds(config()->fourGestureSlots).first(), QStringLiteral("ID_CIRCLE"));
    // Read, never written: the fallback holds what the test put there.
    QCOMPARE(fallbackKeys(QStringLiteral("Gesture")).size(), 3);
}

void tst_GestureConfig::nullFallbackFlagBecomesFactoryValue()
{
    writeFallback(QStringLiteral("EnableMouseGesture"), QVariant());
    writeFallback(QStringLiteral("83"), QVariant());
    config()->reload();
    QVERIFY(config()->enabled);
    QCOMPARE(storedText(QStringLiteral("EnableMouseGesture")), QStringLiteral("1"));
    // 83 counts as stored, so the 8-ring gets no factory fill-in and region 3 stays empty.
    QCOMPARE(slotIds(config()->eightGestureSlots), QStringList({"", "", "", "", "", "", "", ""}));
}

void tst_GestureConfig::withoutHostStoreTheFactoryStateHoldsInMemoryOnly()
{
    writeFallback(QStringLiteral("ActiveScheme"), QStringLiteral("4"));
    writeFallback(QStringLiteral("EnableMouseGesture"), QStringLiteral("0"));
    standin::setPresent(standin::Link::CurrentProfile, false);

    config()->reload();
    QVERIFY(config()->enabled);
    QCOMPARE(config()->eightGestures, 1u);
    QVERIFY(config()->matchesFactoryEightGestures());

    config()->save(config()->commands, false, 0);
    QVERIFY(!config()->enabled);
    standin::setPresent(standin::Link::CurrentProfile, true);
    QVERIFY(standin::settingsStore()->keys(section()).isEmpty());
}

void tst_GestureConfig::saveWritesEveryKeyAndKeepsTheLaterClaim()
{
    config()->reload();
    QVector<K2CommandInfo> list = config()->commands;
    for (K2CommandInfo &entry : list)
        entry.region4 = entry.region8 = 0;
    const int circle = indexOfId("ID_CIRCLE");
    const int move = indexOfId("ID_MOVE");
    list[circle].region4 = 2;
    list[move].region4 = 2;
    list[circle].region8 = 8;
    list[circle].caption = QStringLiteral("Edited in the dialog");

    config()->save(list, false, 0);

    QCOMPARE(slotIds(config()->fourGestureSlots), QStringList({"", "ID_MOVE", "", ""}));
    QCOMPARE(slotIds(config()->eightGestureSlots), QStringList({"", "", "", "", "", "", "", "ID_CIRCLE"}));
    QCOMPARE(storedText(QStringLiteral("42")), QStringLiteral("ID_MOVE"));
    QCOMPARE(storedText(QStringLiteral("88")), QStringLiteral("ID_CIRCLE"));
    for (const char *key : {"41", "43", "44", "81", "84", "87"})
        QCOMPARE(storedText(QLatin1String(key)), QString());
    QCOMPARE(storedText(QStringLiteral("EnableMouseGesture")), QStringLiteral("0"));
    QCOMPARE(storedText(QStringLiteral("ActiveScheme")), QStringLiteral("4"));
    QVERIFY(!config()->enabled);
    QCOMPARE(config()->eightGestures, 0u);
    // The list is taken whole and nothing is reloaded from the host.
    QCOMPARE(config()->commands.at(circle).caption, QStringLiteral("Edited in the dialog"));
    QCOMPARE(config()->commands.at(circle).region4, quint8(2));
}

void tst_GestureConfig::catalogueSkipsAbsentEmptyAndExcludedCommands()
{
    standin::Catalogue *catalogue = standin::catalogue();
    catalogue->clear();
    catalogue->addNullCommandGroup();
    standin::CommandGroup *group = catalogue->addCommandGroup(QStringLiteral("Draw"));
    addCommand(group, Entry{"ID_LINE", "^C^C_LINE", "Line", true});
    group->add(nullptr);
    addCommand(group, Entry{"ID_RECENT", "", "Recent Files", true});
    addCommand(group, Entry{"ID_EXIT", "^C^C_QUIT", "Exit", true})->setExcluded(true);
    addCommand(group, Entry{"ID_CIRCLE", "^C^C_CIRCLE", "Circle", false});
    catalogue->addNullMenuGroup();
    catalogue->addMenuGroup(QStringLiteral("No bar"), false);
    standin::Menu *bar = catalogue->addMenuGroup(QStringLiteral("Main"))->rootMenu();
    bar->addNullItem();
    standin::Menu *draw = bar->addSubMenu(QStringLiteral("&Draw"));
    draw->addNullItem();
    draw->addItem(QStringLiteral("&Line"), catalogue->command(QStringLiteral("ID_LINE")));
    // A command in two groups is listed twice; the first entry takes its region.
    catalogue->addCommandGroup(QStringLiteral("Favourites"))->add(catalogue->command(QStringLiteral("ID_LINE")));
    store(QStringLiteral("44"), QStringLiteral("ID_LINE"));

    config()->reload();

    QStringList ids;
    for (const K2CommandInfo &info : config()->commands)
        ids << info.id;
    QCOMPARE(ids, QStringList({"ID_LINE", "ID_CIRCLE", "ID_LINE"}));
    QCOMPARE(config()->fourGestureSlots, QVector<qint64>({-1, -1, -1, 0}));
    QCOMPARE(config()->commands.last().region4, quint8(0));
}

void tst_GestureConfig::categories_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("category");

    QTest::newRow("accelerator removed") << "ID_LINE" << "Draw";
    QTest::newRow("every accelerator removed") << "ID_OPEN" << "File";
    QTest::newRow("nested submenu takes the top-level caption") << "ID_ZOOM_BOUNDS" << "View";
    QTest::newRow("later top-level menu wins") << "ID_COPY" << "Modify";
    QTest::newRow("later menu group wins") << "ID_TRIM" << "Extras";
    QTest::newRow("empty top-level caption: own caption below") << "ID_SAVE" << "Disk";
    QTest::newRow("item with command and submenu") << "ID_OFFSET" << "Tools";
    QTest::newRow("submenu item below an item with a command") << "ID_DTEXT" << "Tools";
    QTest::newRow("command on the menu bar itself") << "ID_MOVE" << "Move";
    QTest::newRow("in no menu") << "ID_CIRCLE" << "Others";
}

void tst_GestureConfig::categories()
{
    QFETCH(QString, id);
    QFETCH(QString, category);

    standin::Catalogue *catalogue = standin::catalogue();
    const auto command = [catalogue](const char *commandId) { return catalogue->command(QLatin1String(commandId)); };
    standin::Menu *bar = catalogue->addMenuGroup(QStringLiteral("Main"))->rootMenu();
    bar->addSubMenu(QStringLiteral("&Draw"))->addItem(QStringLiteral("&Line"), command("ID_LINE"));
    bar->addSubMenu(QStringLiteral("&Fi&le"))->addItem(QStringLiteral("&Open"), command("ID_OPEN"));
    standin::Menu *view = bar->addSubMenu(QStringLiteral("&View"));
    view->addSubMenu(QStringLiteral("&Zoom"))->addSubMenu(QStringLiteral("More"))->addItem(
        QStringLiteral("&Extents"), command("ID_ZOOM_BOUNDS"));
    bar->addSubMenu(QStringLiteral("&Edit"))->addItem(QStringLiteral("&Copy"), command("ID_COPY"));
    bar->addSubMenu(QStringLiteral("&Modify"))->addItem(QStringLiteral("&Copy"), command("ID_COPY"));
    bar->addSubMenu(QStringLiteral("&Modify"))->addItem(QStringLiteral("&Trim"), command("ID_TRIM"));
    standin::Menu *unnamed = bar->addSubMenu(QStringLiteral("&"));
    unnamed->addSubMenu(QStringLiteral("&Disk"))->addItem(QStringLiteral("&Save"), command("ID_SAVE"));
    standin::MenuItem *tools = bar->addItem(QStringLiteral("&Tools"), command("ID_OFFSET"));
    tools->createSubMenu()->addItem(QStringLiteral("Te&xt"), command("ID_DTEXT"));
    bar->addItem(QStringLiteral("&Move"), command("ID_MOVE"));
    catalogue->addMenuGroup(QStringLiteral("Extras"))->rootMenu()->addSubMenu(QStringLiteral("E&xtras"))->addItem(
        QStringLiteral("Trim"), command("ID_TRIM"));

    config()->reload();

    QCOMPARE(config()->commands.at(indexOfId(id)).category, category);
}

void tst_GestureConfig::iconIsAskedForAtTwiceTheToolbarSize()
{
    const QString file = m_folder->filePath(QStringLiteral("icon.png"));
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(file));
    standin::catalogue()->command(QStringLiteral("ID_LINE"))->setIconFiles(file);
    standin::setToolbarIconSize(20);

    config()->reload();

    const QIcon icon = config()->commands.at(indexOfId("ID_LINE")).icon;
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(40, 40)});
}

void tst_GestureConfig::reloadRefreshesTheRestrictionTable()
{
    standin::UICommand *close = addCommand(standin::catalogue()->commandGroups().first(),
                                           Entry{"ID_BCLOSE", "^C^C_BCLOSE", "Close Block Editor", false});
    close->setMode(kCommandBlockEditorOnly);
    const int callsBefore = standin::setRestrictedCommandsCalls();

    config()->reload();

    QCOMPARE(standin::setRestrictedCommandsCalls(), callsBefore + 1);
    CommandMode mode = kCommandAnywhere;
    QVERIFY(CFxUtils::IsRestrictedCommand(CFxString("_BCLOSE"), mode));
    QCOMPARE(mode, kCommandBlockEditorOnly);
}

void tst_GestureConfig::overlayContentOfTheFourGestureScheme()
{
    // ID_COPY has no icon, ID_ZOOM_BOUNDS has one.
    storePairs({"ActiveScheme", "4", "41", "ID_COPY", "42", "", "43", "ID_ZOOM_BOUNDS", "44", "ID_COPY"});

    const K2OverlayContent content = config()->overlayContent();

    QCOMPARE(content.regionCount, 4);
    QCOMPARE(content.contents.keys(), QList<int>({0, 1, 2, 3}));
    QVERIFY(content.contents[1].isText != 0);
    QCOMPARE(content.contents[1].content.toString(), QString());
    QCOMPARE(content.helpTexts.value(1, absent), QString());
    for (int slot : {0, 3}) {
        QVERIFY(content.contents[slot].isText != 0);
        QCOMPARE(content.contents[slot].content.toString(), QStringLiteral("Copy"));
        QCOMPARE(content.helpTexts[slot], QStringLiteral("Copy help"));
    }
    QCOMPARE(content.contents[2].isText, 0);
    QVERIFY(!content.contents[2].content.value<QIcon>().isNull());
    QCOMPARE(content.helpTexts[2], QStringLiteral("Zoom Extents help"));
}

void tst_GestureConfig::overlayContentFollowsTheHost()
{
    config()->reload();
    // Changes in the host's settings and catalogue show at the next showing, no reload needed.
    store(QStringLiteral("86"), QStringLiteral("ID_CIRCLE"));
    standin::catalogue()->command(QStringLiteral("ID_CIRCLE"))->setIcon(solidIcon(Qt::green));
    const K2OverlayContent content = config()->overlayContent();
    QCOMPARE(content.regionCount, 8);
    QCOMPARE(content.contents[5].isText, 0);
    QCOMPARE(content.helpTexts[5], QStringLiteral("Circle help"));
}

void tst_GestureConfig::macroForSlot()
{
    storePairs({"ActiveScheme", "4", "41", "ID_MOVE", "42", "", "81", "ID_ERASE"});
    config()->reload();

    QCOMPARE(config()->macroForSlot(0), QStringLiteral("^C^C_MOVE"));
    QCOMPARE(config()->macroForSlot(1), QString());
    config()->eightGestures = 1;
    QCOMPARE(config()->macroForSlot(0), QStringLiteral("^C^C_ERASE"));
    QCOMPARE(config()->macroForSlot(7), QString());
}

void tst_GestureConfig::matchesFactoryEightGestures_data()
{
    QTest::addColumn<QString>("missingCommand");
    QTest::addColumn<QStringList>("storedPairs");
    QTest::addColumn<bool>("matches");

    QTest::newRow("4-ring and flags play no part")
        << QString() << QStringList({"41", "ID_CIRCLE", "EnableMouseGesture", "0", "ActiveScheme", "4"}) << true;
    QTest::newRow("one region empty") << QString() << QStringList({"83", ""}) << false;
    QTest::newRow("first region changed") << QString() << QStringList({"81", "ID_LINE"}) << false;
    QTest::newRow("last region changed") << QString() << QStringList({"88", "ID_LINE"}) << false;
    QTest::newRow("factory command missing from the catalogue") << "ID_DTEXT" << QStringList() << false;
    QTest::newRow("a command of no factory region missing") << "ID_MOVE" << QStringList() << true;
}

void tst_GestureConfig::matchesFactoryEightGestures()
{
    QFETCH(QString, missingCommand);
    QFETCH(QStringList, storedPairs);
    QFETCH(bool, matches);
    buildCatalogue(factoryEntries(), {missingCommand});
    // Every key stored, so that each row is decided at its own region.
    const QMap<QString, QString> factory = testsupport::factorySettings();
    for (auto it = factory.cbegin(); it != factory.cend(); ++it)
        testsupport::store(it.key(), it.value());
    storePairs(storedPairs);
    config()->reload();
    QCOMPARE(config()->matchesFactoryEightGestures(), matches);
}

SW_TEST_MAIN(tst_GestureConfig)
#include "tst_gestureconfig.moc"
