// Strokewheel - mouse gestures for CAD drawing views.
// The real module file through the stand-in's loader: exports, version, resources,
// module name and the loader's failures.
#include "host/OdRxModule.h"
#include "sdk/ModuleLoader.h"
#include "standin/Document.h"
#include "standin/DrawingView.h"
#include "standin/StandIn.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

#include <elf.h>
#include <sys/stat.h>

class tst_ModuleLoad : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void exportsExactlyTwoFunctions();
    void needsNoHostLibraryButTheSdk();
    void resourcesComeAndGoWithTheFile();
    void unloadDuringTheChoicesHold();
    void loaderFailures_data();
    void loaderFailures();
    void damagedFileNeverTakesTheHostDown();
    void demoRunsAndLeavesAPopulatedProfileAlone();

private:
    QString modulePath() const { return qEnvironmentVariable("STROKEWHEEL_MODULE"); }
    // The lines a binutils program prints; none when it fails.
    static QStringList toolSays(const QString &program, const QStringList &arguments)
    {
        QProcess tool;
        tool.start(program, arguments);
        const bool ran = tool.waitForFinished(30000) && tool.exitCode() == 0;
        return ran ? QString::fromLocal8Bit(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts) : QStringList();
    }
};

void tst_ModuleLoad::init()
{
    QVERIFY2(QFileInfo::exists(modulePath()), "STROKEWHEEL_MODULE must name the built module file");
    standin::reset();
}

void tst_ModuleLoad::exportsExactlyTwoFunctions()
{
    QStringList functions;
    for (const QString &line : toolSays("nm", {"-D", "--defined-only", modulePath()}))
        functions << line.section(' ', -1);
    functions.sort();
    QCOMPARE(functions, QStringList({"odrxCreateModuleObject", "odrxGetAPIVersion"}));
}

void tst_ModuleLoad::needsNoHostLibraryButTheSdk()
{
    // Any host loads the same file: it may need the SDK library, never one host's own. libxcb
    // is X's own client library, which Qt's X11 support loads anyway.
    QStringList needed;
    const QRegularExpression library(QStringLiteral("\\(NEEDED\\).*\\[(.*)\\]"));
    for (const QString &line : toolSays("readelf", {"-d", modulePath()})) {
        const QString name = library.match(line).captured(1);
        if (!name.isEmpty() && !name.startsWith(QLatin1String("libQt5")) && !name.startsWith(QLatin1String("libstdc++")) &&
            !QRegularExpression(QStringLiteral("^lib(c|m|gcc_s|asan|ubsan|xcb)\\.so")).match(name).hasMatch())
            needed << name;
    }
    QCOMPARE(needed, QStringList{QStringLiteral("libfxsdk.so")});
}

void tst_ModuleLoad::resourcesComeAndGoWithTheFile()
{
    const QStringList images = {QStringLiteral(":/strokewheelimages/Resources/gesture_widget.png"),
                                QStringLiteral(":/strokewheelimages/Resources/svg_icons/dark/up_left.svg")};
    fxsdk::ModuleLoader loader;
    QString error;
    // A relative path in, the full path out.
    QVERIFY2(loader.load(QDir::current().relativeFilePath(modulePath()), &error), qPrintable(error));
    QCOMPARE(QString::fromWCharArray(loader.module()->moduleName().c_str()),
             QFileInfo(modulePath()).canonicalFilePath());
    QVERIFY(!QImage(images.first()).isNull());
    QVERIFY(QFile::exists(images.last()));

    loader.unload();
    QVERIFY(!loader.isLoaded());
    for (const QString &image : images)
        QVERIFY2(!QFile::exists(image), qPrintable(image));
}

// A flick ends on its release; its choice stays on screen for a moment by a timer. The
// module going away then must take the timer along: it would call into the unloaded file.
void tst_ModuleLoad::unloadDuringTheChoicesHold()
{
    standin::Document *document = standin::openDocument(QStringLiteral("Drawing1"));
    QWidget *view = document->view();
    view->resize(900, 600);
    fxsdk::ModuleLoader loader;
    QString error;
    QVERIFY2(loader.load(modulePath(), &error), qPrintable(error));
    const auto send = [view](QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, view->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::RightButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    send(QEvent::MouseButtonPress, QPoint(450, 240), Qt::RightButton);
    send(QEvent::MouseMove, QPoint(400, 190), Qt::RightButton);
    send(QEvent::MouseButtonRelease, QPoint(400, 190), Qt::NoButton);
    QWidget *ring = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        ring = widget->inherits("K2DonutDialog") && widget->isVisible() ? widget : ring;
    QVERIFY2(ring, "the flick's choice is not on screen");

    loader.unload();
    QTest::qWait(600);
    QVERIFY(standin::executedCommands().isEmpty());
}

void tst_ModuleLoad::loaderFailures_data()
{
    // A damaged copy: "cut:N" keeps the first N bytes (negative: all but the last -N).
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("cause");
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/Strokewheel_4.03_15.tx")
                                  << QStringLiteral("does not exist");
    QTest::newRow("no exports") << QStringLiteral(SW_FIXTURE_NO_EXPORTS)
                                << QStringLiteral("does not export odrxGetAPIVersion and odrxCreateModuleObject");
    QTest::newRow("other API version") << QStringLiteral(SW_FIXTURE_WRONG_VERSION)
                                       << QStringLiteral("built for API version 4.2.2.44932");
    QTest::newRow("not a shared object") << QStringLiteral(SW_SOURCE_FILE) << QStringLiteral("not a shared library");
    QTest::newRow("a FIFO") << QStringLiteral("fifo") << QStringLiteral("not a regular file");
    QTest::newRow("a folder") << QStringLiteral("/tmp") << QStringLiteral("not a regular file");
    for (const int cut : {100, 1000, 20000, 100000, 300000, -1})
        QTest::addRow("cut at %d", cut) << QStringLiteral("cut:%1").arg(cut) << QStringLiteral("truncated");
}

void tst_ModuleLoad::loaderFailures()
{
    QFETCH(QString, path);
    QFETCH(QString, cause);
    QTemporaryDir folder;
    if (path == QLatin1String("fifo")) {
        path = folder.filePath(path);
        QCOMPARE(::mkfifo(qPrintable(path), 0600), 0);
    } else if (path.startsWith(QLatin1String("cut:"))) {
        const QByteArray whole = testsupport::contents(modulePath());
        const int cut = path.mid(4).toInt();
        path = folder.filePath(QStringLiteral("cut.tx"));
        QVERIFY(testsupport::writeFile(path, whole.left(cut < 0 ? whole.size() + cut : cut)));
    }
    fxsdk::ModuleLoader loader;
    QString error;
    QVERIFY(!loader.load(path, &error));
    QVERIFY(!loader.isLoaded());
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY2(error.contains(cause), qPrintable(error));
    QVERIFY(!standin::lookupCommand(QStringLiteral("GESTURE")));
}

void tst_ModuleLoad::damagedFileNeverTakesTheHostDown()
{
    // The host as a user starts it, on module files with one byte changed in the headers,
    // symbols and names the dynamic linker reads; first the program header of the dynamic
    // section pointing elsewhere, which crashes the dynamic linker.
    QTemporaryDir folder;
    const QByteArray whole = testsupport::contents(modulePath());
    const QString script = folder.filePath(QStringLiteral("zoom.replay"));
    QVERIFY(testsupport::writeFile(script, "command ZOOM E\nexpect executed ZOOM E\n"));
    QRandomGenerator random(19);
    int refused = 0;
    for (int round = 0; round < 16; ++round) {
        QByteArray damaged = whole;
        const auto header = reinterpret_cast<const Elf64_Ehdr *>(whole.constData());
        for (int i = 0; round == 0 && i < header->e_phnum; ++i) {
            auto *segment = reinterpret_cast<Elf64_Phdr *>(damaged.data() + header->e_phoff + i * sizeof(Elf64_Phdr));
            if (segment->p_type == PT_DYNAMIC)
                segment->p_vaddr ^= 0x5a5a5a0;
        }
        const int offset = random.bounded(4096);
        if (round > 0)
            damaged[offset] = char(damaged.at(offset) ^ (1 + random.bounded(255)));
        const QString path = folder.filePath(QStringLiteral("damaged-%1.tx").arg(round));
        QVERIFY(testsupport::writeFile(path, damaged));
        QProcess host;
        host.start(QStringLiteral(SW_HOST), {"--replay", script, "--module", path, "--profile",
                                             folder.filePath(QStringLiteral("profile"))});
        QVERIFY(host.waitForFinished(60000));
        const QByteArray said = host.readAllStandardError();
        QVERIFY2(host.exitStatus() == QProcess::NormalExit && host.exitCode() == 0,
                 qPrintable(QStringLiteral("round %1, byte %2: %3").arg(round).arg(offset).arg(QString::fromLocal8Bit(said))));
        // Refused: the file is named, and the host runs on without gestures.
        if (said.contains("Cannot load module"))
            QVERIFY2(said.contains("Cannot load module \"" + path.toUtf8() + "\": ") && ++refused, said.constData());
        QVERIFY(round > 0 || refused == 1);
    }
}

void tst_ModuleLoad::demoRunsAndLeavesAPopulatedProfileAlone()
{
    QTemporaryDir folder;
    const QString profile = folder.filePath(QStringLiteral("profile"));
    QVERIFY(QDir().mkpath(profile + QStringLiteral("/mine")));
    QVERIFY(testsupport::writeFile(profile + QStringLiteral("/notes.txt"), "mine"));
    QProcess host;
    host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString output = folder.filePath(QStringLiteral("out"));
    host.start(QStringLiteral(SW_HOST), {"--demo", "--profile", profile, "--module", modulePath(), "--output", output});
    QVERIFY(host.waitForFinished(60000));
    QCOMPARE(host.exitCode(), 0);
    QVERIFY(host.readAllStandardOutput().contains("executed: ^C^C_CIRCLE"));
    for (const char *name : {"gesture-list.pdf", "dialog.png", "overlay-8-light.png", "overlay-4-dark.png"})
        QVERIFY2(QFileInfo(output + QLatin1Char('/') + QLatin1String(name)).size() > 0, name);
    QVERIFY(QFileInfo(profile + QStringLiteral("/mine")).isDir());
    QCOMPARE(testsupport::contents(profile + QStringLiteral("/notes.txt")), QByteArray("mine"));
}

QTEST_MAIN(tst_ModuleLoad)
#include "tst_moduleload.moc"
