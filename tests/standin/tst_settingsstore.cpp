// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the stand-in host's settings store and its INI file, with real faults.
#include "standin/IniFile.h"
#include "standin/SettingsFile.h"
#include "standin/SettingsStore.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

#include <csignal>
#include <cstring>
#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

using standin::IniFile;
using standin::SettingsStore;

namespace {

const QString section = QStringLiteral("Strokewheel");

using testsupport::contents;

// A second process on the same profile: "--writer FILE VALUE" writes the 14 keys and one
// of [Host] as VALUE; with VALUE "loop" it rewrites them with a counter until killed.
int runWriter(const QString &file, const QString &value)
{
    SettingsStore store;
    store.setFile(file);
    const bool loop = value == QLatin1String("loop");
    for (int round = 0;; ++round) {
        const QString text = loop ? QString::number(round) : value;
        for (int key = 0; key < 14; ++key)
            store.setText(section, QStringLiteral("k%1").arg(key), text);
        store.setText(QStringLiteral("Host"), QStringLiteral("ColorScheme"), text);
        if (!store.flush())
            return 1;
        if (!loop)
            return 0;
        if (round == 0)
            std::fputs("ready\n", stdout), std::fflush(stdout);
    }
}

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void iniKeepsExactText_data();
    void iniKeepsExactText();
    void iniRejectsMalformedText_data();
    void iniRejectsMalformedText();
    void editKeepsEveryOtherLine_data();
    void editKeepsEveryOtherLine();
    void iniReadsWhatQSettingsReads_data();
    void iniReadsWhatQSettingsReads();

    void valuesSurviveARestart();
    void fileIsReadWhenFirstUsedAndWhenChanged();
    void lockHeldElsewhereNeverBlocks();
    void linkedFileIsSavedAtItsTarget();
    void burstOfChangesIsOneWriteAtTheEndOfTheTurn();
    void writeMergesWhatAnotherProcessWrote();
    void killInASaveLeavesACompleteFileAndTheNextSaveCleansUp();
    void faultKeepsTheFileAndIsReportedOnce_data();
    void faultKeepsTheFileAndIsReportedOnce();

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }
    // A store on file whose problems land in m_problems.
    std::unique_ptr<SettingsStore> open(const QString &file)
    {
        auto store = std::make_unique<SettingsStore>();
        store->setProblemHandler([this](const QString &message) { m_problems << message; });
        store->setFile(file);
        return store;
    }
    std::unique_ptr<QTemporaryDir> m_folder;
    QStringList m_problems;
    QString m_mount;
};

void tst_SettingsStore::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_problems.clear();
}

void tst_SettingsStore::cleanup()
{
    if (!m_mount.isEmpty())
        ::umount2(qPrintable(std::exchange(m_mount, QString())), MNT_DETACH);
    m_folder->setAutoRemove(!QTest::currentTestFailed());
    m_folder.reset();
}

void tst_SettingsStore::iniKeepsExactText_data()
{
    QTest::addColumn<QString>("sectionName");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("blanks around the value") << "S" << "k" << "  two spaces  ";
    QTest::newRow("equals signs") << "S" << "a=b" << "=x=";
    QTest::newRow("backslashes") << "S" << "Settings\\41" << "C:\\path\\n";
    QTest::newRow("line breaks") << "S" << "k" << "one\ntwo\r\nthree\rfour";
    QTest::newRow("comment characters") << "S" << ";#key" << ";not a comment #";
    QTest::newRow("brackets") << "[Sec]tion]" << "[k]" << "[v]";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Stra\u00dfe") << QString::fromUtf8("\u03a9") << QString::fromUtf8("\u00e9\u4e2d");
    QTest::newRow("tab") << "S" << "k" << "a\tb";
    QTest::newRow("blank key") << "S" << " " << "x";
}

void tst_SettingsStore::iniKeepsExactText()
{
    QFETCH(QString, sectionName);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QByteArray text;
    QString error;
    QVERIFY(IniFile::apply("[Other]\nk=v\n", {{sectionName, key, value, false}}, &text, &error));
    IniFile::Sections read;
    QVERIFY2(IniFile::parse(text, &read, &error), qPrintable(error));
    IniFile::Sections expected;
    expected[sectionName][key] = value;
    expected[QStringLiteral("Other")][QStringLiteral("k")] = QStringLiteral("v");
    QCOMPARE(read, expected);
}

void tst_SettingsStore::iniRejectsMalformedText_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("error");

    QTest::newRow("value before any section") << QByteArray("k=v\n") << "line 1: value outside a section";
    QTest::newRow("no equals sign") << QByteArray("[S]\nk=v\njust text\n") << "line 3: expected key=value";
    QTest::newRow("unterminated section") << QByteArray("; c\n[S\n") << "line 2: malformed section header";
    QTest::newRow("text after the section") << QByteArray("[S] x\n") << "line 1: malformed section header";
    QTest::newRow("unknown escape") << QByteArray("[S]\nk=a\\qb\n") << "line 2: unknown escape sequence";
    QTest::newRow("escape at the end") << QByteArray("[S]\rk=a\\\r") << "line 2: unknown escape sequence";
    QTest::newRow("not UTF-8") << QByteArray("[S]\nk=\xff\xfe\n") << "not UTF-8 text";
}

void tst_SettingsStore::iniRejectsMalformedText()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, error);
    IniFile::Sections read;
    read[QStringLiteral("before")][QStringLiteral("k")] = QStringLiteral("v");
    QString message;
    QVERIFY(!IniFile::parse(data, &read, &message));
    QCOMPARE(message, error);
    QCOMPARE(read.size(), 1);
    QByteArray edited("untouched");
    QVERIFY(!IniFile::apply(data, {{section, "41", "x", false}}, &edited, &message));
    QCOMPARE(edited, QByteArray("untouched"));
}

void tst_SettingsStore::editKeepsEveryOtherLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    const QByteArray hand("# by hand\n[Host]\nZ=1\n\n; keep\nA=2\n[Strokewheel]\n41=old\n42=gone\n; end\n\n[B]\n");
    const QByteArray edited("# by hand\n[Host]\nZ=1\n\n; keep\nA=2\n[Strokewheel]\n41=ID_LINE\n43=\n; end\n\n[B]\n");
    QTest::newRow("LF") << hand << edited;
    QTest::newRow("CRLF") << QByteArray(hand).replace("\n", "\r\n") << QByteArray(edited).replace("\n", "\r\n");
    QTest::newRow("old Mac CR") << QByteArray(hand).replace('\n', '\r') << QByteArray(edited).replace('\n', '\r');
    QTest::newRow("last key repeated") << QByteArray("[Strokewheel]\n41=a\n42=x\n41=b\n")
                                       << QByteArray("[Strokewheel]\n41=a\n41=ID_LINE\n43=\n");
    QTest::newRow("new section, no final line end")
        << QByteArray("[Host]\nZ=1") << QByteArray("[Host]\nZ=1\n\n[Strokewheel]\n41=ID_LINE\n43=\n");
}

void tst_SettingsStore::editKeepsEveryOtherLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QByteArray text;
    QString error;
    QVERIFY2(IniFile::apply(before, {{section, "41", "ID_LINE", false}, {section, "42", {}, true},
                                     {section, "43", {}, false}}, &text, &error), qPrintable(error));
    QCOMPARE(text, after);
}

void tst_SettingsStore::valuesSurviveARestart()
{
    const QString file = path(QStringLiteral("profile/settings.ini"));
    {
        const auto store = open(file);
        QVERIFY(store->sections().isEmpty());
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("profile"))));
        store->setText(section, QStringLiteral("41"), QStringLiteral("ID_LINE"));
        store->setText(section, QStringLiteral("42"), QString());
        store->setText(QStringLiteral("Other"), QStringLiteral("k"), QStringLiteral("v"));
        store->remove(QStringLiteral("Other"), QStringLiteral("k"));
        QVERIFY(store->isPersistent());
    }
    const auto restarted = open(file);
    QVERIFY(!restarted->contains(QStringLiteral("Other"), QStringLiteral("k")));
    QCOMPARE(restarted->text(section, QStringLiteral("41")), QStringLiteral("ID_LINE"));
    QCOMPARE(restarted->keys(section), QStringList({"41", "42"}));
}

void tst_SettingsStore::iniReadsWhatQSettingsReads_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("line of blanks") << QByteArray("[Host]\n   \t\nZ=1\n");
    QTest::newRow("indented comments") << QByteArray("  ; one\n\t# two\n[Host]\n    ;three\nZ=1\n");
    QTest::newRow("blanks around a section") << QByteArray("  [Host]  \nZ=1\n[ Strokewheel ]\n41=ID_LINE\n");
    QTest::newRow("blanks around key and =") << QByteArray("[Strokewheel]\n  41 =  ID_LINE \n\t42\t=\n");
}

void tst_SettingsStore::iniReadsWhatQSettingsReads()
{
    QFETCH(QByteArray, data);
    const QString file = path(QStringLiteral("qt.ini"));
    QVERIFY(testsupport::writeFile(file, data));
    IniFile::Sections read;
    QString error;
    QVERIFY2(IniFile::parse(data, &read, &error), qPrintable(error));
    QSettings qt(file, QSettings::IniFormat);
    IniFile::Sections expected;
    for (const QString &key : qt.allKeys())
        expected[key.section(QLatin1Char('/'), 0, 0)][key.section(QLatin1Char('/'), 1)] = qt.value(key).toString();
    QCOMPARE(read, expected);
}

void tst_SettingsStore::fileIsReadWhenFirstUsedAndWhenChanged()
{
    const QString file = path(QStringLiteral("settings.ini"));
    SettingsStore store;
    store.setText(QStringLiteral("Memory"), QStringLiteral("k"), QStringLiteral("dropped"));
    store.setFile(file);
    QVERIFY(testsupport::writeFile(file, "[Strokewheel]\nActiveScheme=4\n41=old\n"));
    QCOMPARE(store.text(section, QStringLiteral("ActiveScheme")), QStringLiteral("4"));
    QVERIFY(!store.contains(QStringLiteral("Memory"), QStringLiteral("k")));

    // Another process saves: taken in at the next read; this process's unsaved change
    // stays on top, and a key it added only because it was missing yields.
    store.setText(section, QStringLiteral("41"), QStringLiteral("mine"));
    store.setText(section, QStringLiteral("42"), QStringLiteral("factory"));
    QVERIFY(testsupport::writeFile(file, "[Strokewheel]\nActiveScheme=8\n41=theirs\n42=theirs\n"));
    QCoreApplication::processEvents();   // read again in a later turn
    QCOMPARE(store.text(section, QStringLiteral("ActiveScheme")), QStringLiteral("8"));
    QVERIFY(store.flush());
    QCOMPARE(contents(file), QByteArray("[Strokewheel]\nActiveScheme=8\n41=mine\n42=theirs\n"));
}

void tst_SettingsStore::lockHeldElsewhereNeverBlocks()
{
    const QString file = path(QStringLiteral("settings.ini"));
    const auto store = open(file);
    standin::SettingsFile other(file);
    QString reason;
    QVERIFY(other.lock(0, &reason));
    QElapsedTimer clock;
    clock.start();
    for (const char *value : {"1", "2", "3"}) {
        store->setText(section, QStringLiteral("41"), QString::fromLatin1(value));
        QVERIFY(!store->flush());
    }
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_problems.size(), 1);
    QVERIFY2(m_problems.first().contains(standin::SettingsFile::lockBusyReason()), qPrintable(m_problems.first()));
    QCOMPARE(store->text(section, QStringLiteral("41")), QStringLiteral("3"));
    // Saved by itself once the lock is free.
    other.unlock();
    QTRY_COMPARE(contents(file), QByteArray("; Strokewheel stand-in host: settings of one profile\n\n[Strokewheel]\n41=3\n"));
}

void tst_SettingsStore::linkedFileIsSavedAtItsTarget()
{
    const QString target = path(QStringLiteral("dotfiles/strokewheel.ini"));
    const QString link = path(QStringLiteral("profile/settings.ini"));
    QVERIFY(testsupport::writeFile(target, "[Host]\nZ=1\n"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("profile"))));
    QVERIFY(QFile::link(QStringLiteral("../dotfiles/strokewheel.ini"), link));
    const auto store = open(link);
    store->setText(QStringLiteral("Host"), QStringLiteral("Z"), QStringLiteral("2"));
    QVERIFY(store->flush());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contents(target), QByteArray("[Host]\nZ=2\n"));
    QCOMPARE(QDir(path(QStringLiteral("dotfiles"))).entryList(QDir::Files), QStringList{"strokewheel.ini"});
}

void tst_SettingsStore::burstOfChangesIsOneWriteAtTheEndOfTheTurn()
{
    const QString file = path(QStringLiteral("settings.ini"));
    const auto store = open(file);
    for (int key = 0; key < 14; ++key)
        store->setText(section, QString::number(key), QStringLiteral("v"));
    QVERIFY(!QFileInfo::exists(file));
    QTRY_COMPARE(contents(file).count("=v"), 14);
    // Rewriting what is stored writes nothing: the file is still the same one.
    const standin::SettingsFile::Stamp written = standin::SettingsFile(file).stamp();
    store->setText(section, QStringLiteral("3"), QStringLiteral("v"));
    QVERIFY(store->flush());
    QVERIFY(standin::SettingsFile(file).stamp() == written);
}

void tst_SettingsStore::writeMergesWhatAnotherProcessWrote()
{
    const QString file = path(QStringLiteral("settings.ini"));
    QVERIFY(testsupport::writeFile(file, "[Strokewheel]\nk0=a\nk13=a\nmine=a\n"));
    const auto store = open(file);
    QCOMPARE(store->text(section, QStringLiteral("k0")), QStringLiteral("a"));

    QCOMPARE(QProcess::execute(QCoreApplication::applicationFilePath(), {"--writer", file, "b"}), 0);
    store->setText(section, QStringLiteral("mine"), QStringLiteral("c"));
    QVERIFY(store->flush());

    const auto restarted = open(file);
    QCOMPARE(restarted->text(section, QStringLiteral("mine")), QStringLiteral("c"));
    for (SettingsStore *view : {store.get(), restarted.get()}) {
        QCOMPARE(view->text(section, QStringLiteral("k0")), QStringLiteral("b"));
        QCOMPARE(view->text(QStringLiteral("Host"), QStringLiteral("ColorScheme")), QStringLiteral("b"));
    }
}

void tst_SettingsStore::killInASaveLeavesACompleteFileAndTheNextSaveCleansUp()
{
    // A large file keeps each save long enough for a kill to land inside one.
    const QString file = path(QStringLiteral("settings.ini"));
    QVERIFY(testsupport::writeFile(file, "[Big]\n" + QByteArray(8 << 20, ';') + "\n"));
    const auto leftovers = [this] {
        return QDir(m_folder->path()).entryList({QStringLiteral("settings.ini.save-*")}, QDir::Files);
    };
    for (int round = 0; round < 20 && leftovers().isEmpty(); ++round) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {"--writer", file, "loop"});
        QVERIFY(writer.waitForReadyRead(60000));
        QElapsedTimer waited;
        waited.start();
        while (leftovers().isEmpty() && waited.elapsed() < 5000)
            QThread::usleep(200);
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(60000));
        // Killed inside a save: the file is the last complete one.
        IniFile::Sections read;
        QString error;
        QVERIFY2(IniFile::parse(contents(file), &read, &error), qPrintable(error));
        const QString value = read.value(QStringLiteral("Host")).value(QStringLiteral("ColorScheme"));
        QCOMPARE(read.value(section).size(), 14);
        for (const QString &stored : read.value(section))
            QCOMPARE(stored, value);
    }
    QVERIFY(!leftovers().isEmpty());
    const auto store = open(file);
    store->setText(section, QStringLiteral("41"), QStringLiteral("x"));
    QVERIFY(store->flush());
    QCOMPARE(leftovers(), QStringList());
}

void tst_SettingsStore::faultKeepsTheFileAndIsReportedOnce_data()
{
    // unreadable: the fault is in the file found; the others break the write of a good file.
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QByteArray>("before");
    const QByteArray good("; kept\n[Host]\nColorScheme=2\n[Strokewheel]\n41=ID_LINE\n" + QByteArray(300, ';') + '\n');
    QTest::newRow("malformed file") << "unreadable" << QByteArray("[Strokewheel]\nActiveScheme 4\n");
    QTest::newRow("file not UTF-8") << "unreadable" << QByteArray("[Strokewheel]\n41=\xc3\x28\n");
    QTest::newRow("file over 2 GiB") << "huge" << good;
    QTest::newRow("a folder in its place") << "folder" << QByteArray();
    QTest::newRow("full disk") << "full" << good;
    QTest::newRow("file size limit") << "limit" << good;
    QTest::newRow("read-only folder") << "read-only" << good;
    QTest::newRow("folder cannot be made") << "blocked" << good;
}

void tst_SettingsStore::faultKeepsTheFileAndIsReportedOnce()
{
    QFETCH(QString, fault);
    QFETCH(QByteArray, before);
    const bool huge = fault == QLatin1String("huge");
    const bool unreadable = fault == QLatin1String("unreadable") || fault == QLatin1String("folder") || huge;
    QString folder = path(QStringLiteral("profile"));
    QVERIFY(QDir().mkpath(folder));
    // Root writes through permissions and has no file-size limit worth trusting: it gets
    // a real small file system; others a read-only mode and a file-size limit.
    const bool root = ::geteuid() == 0 && !huge &&
                      ::mount("tmpfs", qPrintable(folder), "tmpfs", 0, "size=16k") == 0;
    if (root)
        m_mount = folder;
    QVERIFY(fault == QLatin1String("folder") ? QDir().mkpath(folder + QStringLiteral("/settings.ini"))
                                             : testsupport::writeFile(folder + QStringLiteral("/settings.ini"), before));
    if (fault == QLatin1String("blocked"))
        folder += QStringLiteral("/settings.ini");
    const QString file = folder + QStringLiteral("/settings.ini");
    const qint64 hugeSize = qint64(3) << 30;   // sparse: no disk is used
    if (huge)
        QVERIFY(QFile::resize(file, hugeSize));

    const auto store = open(file);
    QCOMPARE(store->keys(section).isEmpty(), unreadable || fault == QLatin1String("blocked"));
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit saved = limit;
    if (fault == QLatin1String("full") && root) {
        // Of the four pages the settings take one and this the rest: the new file finds none.
        QVERIFY(testsupport::writeFile(folder + QStringLiteral("/filler"), QByteArray(12288, 'x')));
    } else if (fault == QLatin1String("full") || fault == QLatin1String("limit")) {
        std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = 20;   // no room for the settings
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    } else if (fault == QLatin1String("read-only") && ::geteuid() == 0 && !root) {
        QSKIP("root that cannot mount writes through any permission");
    } else if (fault == QLatin1String("read-only")) {
        QVERIFY(root ? ::mount("tmpfs", qPrintable(folder), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0
                     : QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    }

    for (const char *value : {"ID_ARC", "ID_CIRCLE"}) {
        store->setText(section, QStringLiteral("41"), QString::fromLatin1(value));
        QVERIFY(!store->flush());
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    if (unreadable)
        QVERIFY(!store->load());
    QCOMPARE(store->text(section, QStringLiteral("41")), QStringLiteral("ID_CIRCLE"));
    QVERIFY(!store->isPersistent());
    QCOMPARE(m_problems.size(), 1);
    QVERIFY(m_problems.first().contains(QDir::toNativeSeparators(file)));
    if (fault == QLatin1String("folder"))
        QVERIFY(QFileInfo(file).isDir());
    else if (huge)
        QCOMPARE(QFileInfo(file).size(), hugeSize);
    else if (fault != QLatin1String("blocked"))
        QCOMPARE(contents(file), before);
    if (fault == QLatin1String("full") || fault == QLatin1String("limit"))
        QVERIFY2(m_problems.first().contains(QString::fromLocal8Bit(std::strerror(root && fault == "full" ? ENOSPC : EFBIG))),
                 qPrintable(m_problems.first()));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("settings.ini.")), QStringList());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--writer") == 0)
        return runWriter(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    tst_SettingsStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore.moc"
