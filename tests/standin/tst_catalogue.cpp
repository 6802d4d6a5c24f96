// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the stand-in host's catalogue: the bundled file, the file format, the host's
// enumeration of groups and menus, icons and restrictions.
#include "host/CFxUtils.h"
#include "standin/Catalogue.h"
#include "standin/CommandGroup.h"
#include "standin/Menu.h"
#include "standin/MenuGroup.h"
#include "standin/MenuItem.h"
#include "standin/StandIn.h"
#include "standin/UICommand.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

#include <sys/stat.h>

#include <memory>

using namespace standin;

namespace {

// What the host's enumeration offers, as the module sees it.
struct Walk
{
    QVector<const CFxUICommand *> groupEntries;  // null entries included
    int nullGroups = 0;
};

Walk walk(const CFxUICustomization &ui)
{
    Walk result;
    for (CFxCommandGroupIteratorPtr groups = ui.NewCommandGroupIterator(); !groups->Done(); groups->Next()) {
        const CFxCommandGroup *group = groups->GetGroup();
        if (!group) {
            ++result.nullGroups;
            continue;
        }
        for (CFxUICommandIteratorPtr it = group->NewCommandIterator(); !it->Done(); it->Next())
            result.groupEntries << it->GetCommand();
    }
    return result;
}

} // namespace

class tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bundledCatalogueHasTheFactoryCommands();
    void bundledRestrictionsReachTheHost_data();
    void bundledRestrictionsReachTheHost();
    void bundledIconsFollowTheColourScheme();

    void malformedFileNamesFileAndLine_data();
    void malformedFileNamesFileAndLine();
    void damagedFileIsReadOrRefusedWhole();
    void missingFileIsNamed();

    void fixtureFileReadsEveryKindOfEntry();
    void absentEntriesAreEnumeratedAsNull();
    void iconIsReadWhenFirstDrawnAtTheDrawnSize();

private:
    QString writeFile(const QByteArray &text);
    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_Catalogue::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    reset();
}

void tst_Catalogue::cleanup()
{
    m_folder->setAutoRemove(!QTest::currentTestFailed());
    m_folder.reset();
}

QString tst_Catalogue::writeFile(const QByteArray &text)
{
    testsupport::writeFile(m_folder->filePath(QStringLiteral("icons/light/line.svg")),
                           "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\"><line x1=\"2\" y1=\"2\" "
                           "x2=\"22\" y2=\"22\" stroke=\"black\"/></svg>");
    const QString path = m_folder->filePath(QStringLiteral("test.catalogue"));
    return testsupport::writeFile(path, text) ? path : QString();
}

void tst_Catalogue::bundledCatalogueHasTheFactoryCommands()
{
    QString error;
    QVERIFY2(loadCatalogue(defaultCataloguePath(), &error), qPrintable(error));
    QVERIFY(error.isEmpty());
    for (const QString &id : testsupport::factorySettings().values().mid(0, 12)) {
        const UICommand *command = catalogue()->command(id);
        QVERIFY2(command, qPrintable(id));
        QVERIFY2(command->macro().startsWith(QStringLiteral("^C^C_")), qPrintable(id));
        QVERIFY2(!command->IsExcluded() && command->mode() == 0, qPrintable(id));
        QVERIFY2(!command->GetIcon(32).isNull(), qPrintable(id));
    }
}

void tst_Catalogue::bundledRestrictionsReachTheHost_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("mode");

    QTest::newRow("close block editor") << "_BCLOSE" << int(kCommandBlockEditorOnly);
    QTest::newRow("close component") << "_COMPCLOSE" << int(kCommandEditComponentOnly);
    QTest::newRow("viewport") << "_MVIEW" << int(kCommandSheetOnly);
    QTest::newRow("named viewports, as typed") << "vports" << int(kCommandSheetOnly);
    QTest::newRow("line is unrestricted") << "_LINE" << int(kCommandAnywhere);
    QTest::newRow("block editor itself is unrestricted") << "_BEDIT" << int(kCommandAnywhere);
}

void tst_Catalogue::bundledRestrictionsReachTheHost()
{
    QFETCH(QString, command);
    QFETCH(int, mode);
    QVERIFY(loadCatalogue(defaultCataloguePath()));
    CFxUtils::SetRestrictedCommands();
    CommandMode reported = kCommandAnywhere;
    QCOMPARE(CFxUtils::IsRestrictedCommand(CFxString(command), reported), mode != kCommandAnywhere);
    QCOMPARE(int(reported), mode);
}

void tst_Catalogue::bundledIconsFollowTheColourScheme()
{
    QVERIFY(loadCatalogue(defaultCataloguePath()));
    // The page of the "new" icon is filled with the scheme's paper colour: white, then dark.
    const UICommand *newDrawing = catalogue()->command(QStringLiteral("ID_NEW"));
    const QImage light = newDrawing->GetIcon(32).pixmap(32, 32).toImage();
    setColorScheme(2);
    const QImage dark = newDrawing->GetIcon(32).pixmap(32, 32).toImage();
    const QPoint page(9, 25);
    QVERIFY2(qGray(light.pixel(page)) > 230, qPrintable(QColor(light.pixel(page)).name()));
    QVERIFY2(qGray(dark.pixel(page)) < 80, qPrintable(QColor(dark.pixel(page)).name()));
    QCOMPARE(qAlpha(light.pixel(31, 0)), 0);
    QCOMPARE(qAlpha(dark.pixel(31, 0)), 0);
}

void tst_Catalogue::malformedFileNamesFileAndLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");

    const QByteArray head = "# test\nicons icons\n[commands Draw]\n"
                            "ID_LINE | ^C^C_LINE | Line | line | Creates lines.\n";
    QTest::newRow("text before any section") << QByteArray("# c\n\nID_LINE\n") << 3 << "expected \"icons";
    QTest::newRow("unknown section") << QByteArray("[toolbars Main]\n") << 1 << "unknown section";
    QTest::newRow("section without bracket") << QByteArray("[commands Draw\n") << 1 << "without \"]\"";
    QTest::newRow("too few fields") << head + "ID_ARC | ^C^C_ARC | Arc\n" << 5 << "expected <id> |";
    QTest::newRow("too many fields") << head + "ID_ARC | a | b | - | c | block | x\n" << 5 << "expected <id> |";
    QTest::newRow("id with a blank") << head + "ID ARC | ^C^C_ARC | Arc | - | Arcs.\n" << 5 << "command id";
    QTest::newRow("defined twice") << head + "ID_LINE | ^C^C_LINE | Line | - | Again.\n" << 5 << "line 4";
    QTest::newRow("listing an unknown command") << head + "ID_ARC\n" << 5 << "unknown command \"ID_ARC\"";
    QTest::newRow("unknown flag") << head + "ID_ARC | ^C^C_ARC | Arc | - | Arcs. | sometimes\n" << 5
                                  << "unknown flag \"sometimes\"";
    QTest::newRow("two modes") << head + "ID_ARC | ^C^C_ARC | Arc | - | Arcs. | block, sheet\n" << 5
                               << "more than one";
    QTest::newRow("missing icon") << head + "ID_ARC | ^C^C_ARC | Arc | arc | Arcs.\n" << 5 << "no icon \"arc\"";
    QTest::newRow("menu names an unknown command") << head + "[menus Main]\n&Draw\n  &Arc = ID_ARC\n" << 7
                                                   << "unknown command \"ID_ARC\"";
    QTest::newRow("odd indentation") << head + "[menus Main]\n&Draw\n   &Line = ID_LINE\n" << 7 << "multiple of two";
    QTest::newRow("first item indented") << head + "[menus Main]\n  &Draw\n" << 6 << "deeper";
    QTest::newRow("tab") << head + "[menus Main]\n&Draw\n\t&Line = ID_LINE\n" << 7 << "tab";
    QTest::newRow("not UTF-8") << head + "ID_ARC | ^C^C_ARC | Arc\xe9 | - | Arcs.\n" << 5 << "not UTF-8";
    // Offering no command would drop every assignment.
    QTest::newRow("empty") << QByteArray() << 1 << "no command";
    QTest::newRow("only comments") << QByteArray("# a\n  # b\n") << 3 << "no command";
    QTest::newRow("sections without commands") << QByteArray("icons icons\n[commands Draw]\n[menus Main]\n") << 4
                                               << "no command";
    QTest::newRow("cut in a section header") << head.left(30) << 3 << "without \"]\"";
}

void tst_Catalogue::damagedFileIsReadOrRefusedWhole()
{
    const QByteArray whole = "# test\nicons icons\n[commands Draw]\nID_LINE | ^C^C_LINE | Line | line | Lines.\n"
                             "ID_ARC | ^C^C_ARC | Arc | - | Arcs. | block\n[menus Main]\n&Draw\n  &Line = ID_LINE\n"
                             "  &More\n    &Arc = ID_ARC\n";
    QRandomGenerator random(19);
    for (int round = 0; round < 48; ++round) {
        QByteArray text = whole;
        if (round % 2 == 0)
            text.truncate(random.bounded(whole.size()));
        else
            text[random.bounded(whole.size())] = char(random.bounded(256));
        QVERIFY(loadCatalogue(defaultCataloguePath()));
        const QString path = writeFile(text);
        QString error;
        if (loadCatalogue(path, &error)) {
            QVERIFY(!catalogue()->commands().isEmpty());
            continue;
        }
        QVERIFY2(QRegularExpression(QStringLiteral("^%1:[0-9]+: .+").arg(QRegularExpression::escape(path))).match(error).hasMatch(),
                 qPrintable(error + QStringLiteral("\n") + QString::fromLatin1(text.toPercentEncoding(" \n|&^#[]=_-.,"))));
        QVERIFY(catalogue()->commands().isEmpty());
    }
}

void tst_Catalogue::malformedFileNamesFileAndLine()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QString, reason);
    QVERIFY(loadCatalogue(defaultCataloguePath()));
    const QString path = writeFile(text);

    QString error;
    QVERIFY(!loadCatalogue(path, &error));

    QVERIFY2(error.startsWith(QStringLiteral("%1:%2: ").arg(path).arg(line)), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    // The host starts with nothing rather than with half a catalogue.
    QVERIFY(catalogue()->commands().isEmpty());
    QVERIFY(catalogue()->commandGroups().isEmpty());
    QVERIFY(catalogue()->menuGroups().isEmpty());
}

void tst_Catalogue::missingFileIsNamed()
{
    // A FIFO would block the reader forever.
    const QString fifo = m_folder->filePath(QStringLiteral("fifo.catalogue"));
    QCOMPARE(::mkfifo(qPrintable(fifo), 0600), 0);
    for (const QString &path : {m_folder->filePath(QStringLiteral("none.catalogue")), fifo}) {
        QString error;
        QVERIFY(!loadCatalogue(path, &error));
        QVERIFY2(error.startsWith(path + QStringLiteral(": ")), qPrintable(error));
    }
}

void tst_Catalogue::fixtureFileReadsEveryKindOfEntry()
{
    // The cases a real menu rarely shows live here, not in the bundled catalogue.
    QString error;
    QVERIFY2(loadCatalogue(writeFile("icons icons\n[commands Draw]\n"
                                     "ID_LINE | ^C^C_LINE | Line | line | Creates lines.\n"
                                     "ID_RECENT |  | Recent | - | Lists files.\n"
                                     "ID_EXIT | ^C^C_QUIT | Exit | - | Exits. | excluded\n"
                                     "ID_BCLOSE | ^C^C_BCLOSE | Close | - | Closes. | block\n"
                                     "[commands Favourites]\nID_LINE\n[menus Main]\n&Draw\n  &Line = ID_LINE\n"),
                           &error),
             qPrintable(error));
    const UICommand *line = catalogue()->command(QStringLiteral("ID_LINE"));
    QCOMPARE(walk(*catalogue()).groupEntries,
             (QVector<const CFxUICommand *>{line, catalogue()->command(QStringLiteral("ID_RECENT")),
                                           catalogue()->command(QStringLiteral("ID_EXIT")),
                                           catalogue()->command(QStringLiteral("ID_BCLOSE")), line}));
    QVERIFY(catalogue()->command(QStringLiteral("ID_RECENT"))->macro().isEmpty());
    QVERIFY(catalogue()->command(QStringLiteral("ID_EXIT"))->IsExcluded());
    QCOMPARE(catalogue()->command(QStringLiteral("ID_BCLOSE"))->mode(), 1);
    QVERIFY(line->hasIcon());
}

void tst_Catalogue::absentEntriesAreEnumeratedAsNull()
{
    Catalogue *ui = catalogue();
    UICommand *line = ui->addCommand(QStringLiteral("ID_LINE"), QStringLiteral("^C^C_LINE"), QStringLiteral("Line"));
    ui->addNullCommandGroup();
    CommandGroup *group = ui->addCommandGroup(QStringLiteral("Draw"));
    group->add(nullptr);
    group->add(line);
    ui->addNullMenuGroup();
    QVERIFY(!ui->addMenuGroup(QStringLiteral("Bare"), false)->GetRootMenu());
    Menu *bar = ui->addMenuGroup(QStringLiteral("Main"))->rootMenu();
    bar->addNullItem();
    MenuItem *draw = bar->addItem(QStringLiteral("&Draw"));
    draw->createSubMenu()->addItem(QStringLiteral("&Line"), line);

    const Walk offered = walk(*ui);
    QCOMPARE(offered.nullGroups, 1);
    QCOMPARE(offered.groupEntries, (QVector<const CFxUICommand *>{nullptr, line}));
    QCOMPARE(bar->GetItemCount(), 2);
    QVERIFY(!bar->GetItem(0));
    QCOMPARE(bar->GetItem(1)->GetSubMenu()->GetItem(0)->GetCommand(), line);
}

void tst_Catalogue::iconIsReadWhenFirstDrawnAtTheDrawnSize()
{
    const QString file = m_folder->filePath(QStringLiteral("square.svg"));
    const auto drawSquare = [&file](const char *colour) {
        QFile svg(file);
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='32' height='32'>"
                             "<rect width='32' height='32' fill='") + colour + "'/></svg>");
    };
    drawSquare("#ff0000");
    UICommand *command = catalogue()->addCommand(QStringLiteral("ID_LINE"), QStringLiteral("^C^C_LINE"),
                                                 QStringLiteral("Line"));
    QVERIFY(command->GetIcon(32).isNull());
    command->setIconFiles(file);
    const QIcon icon = command->GetIcon(32);
    // Handed out, not yet drawn: a change of the file still shows.
    drawSquare("#0000ff");
    const QPixmap drawn = icon.pixmap(20, 20);
    QCOMPARE(drawn.size(), QSize(20, 20));
    QCOMPARE(drawn.toImage().pixelColor(10, 10), QColor(Qt::blue));
    drawSquare("#ff0000");
    QCOMPARE(command->GetIcon(32).pixmap(20, 20).toImage().pixelColor(10, 10), QColor(Qt::blue));
    // Without a dark file the light one serves both schemes.
    setColorScheme(3);
    QVERIFY(!command->GetIcon(32).isNull());

    command->setIconFiles(m_folder->filePath(QStringLiteral("missing.svg")));
    QVERIFY(command->GetIcon(32).isNull());
}

QTEST_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
