// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the stand-in host's settings store and its INI file.
#include "StderrCapture.h"

#include "host/CFxString.h"
#include "standin/IniFile.h"
#include "standin/SettingsStore.h"

#include <QtTest>

#include <memory>

using standin::IniFile;
using standin::SettingsStore;

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void iniKeepsExactText_data();
    void iniKeepsExactText();
    void iniRejectsMalformedText_data();
    void iniRejectsMalformedText();
    void iniReadsForeignLineEndingsAndComments();

    void profileInterfaceExchangesResultBuffers();
    void valuesSurviveARestart();
    void fileIsReadWhenFirstUsed();
    void missingFileIsAFreshProfile();
    void writesReplaceTheFileWhole();
    void unchangedValueWritesNothing();
    void unreadableFileIsKeptAndReportedOnce_data();
    void unreadableFileIsKeptAndReportedOnce();
    void unwritableFileKeepsValuesAndIsReportedOnce();

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }
    static QByteArray contents(const QString &file);
    static void write(const QString &file, const QByteArray &data);
    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_SettingsStore::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_SettingsStore::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void tst_SettingsStore::cleanup()
{
    m_folder->setAutoRemove(!QTest::currentTestFailed());
    m_folder.reset();
}

QByteArray tst_SettingsStore::contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void tst_SettingsStore::write(const QString &file, const QByteArray &data)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

void tst_SettingsStore::iniKeepsExactText_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain") << "Strokewheel" << "41" << "ID_LINE";
    QTest::newRow("empty value") << "Strokewheel" << "42" << "";
    QTest::newRow("blanks around the value") << "S" << "k" << "  two spaces  ";
    QTest::newRow("equals signs") << "S" << "a=b" << "=x=";
    QTest::newRow("backslashes") << "S" << "Settings\\41" << "C:\\path\\n";
    QTest::newRow("line breaks") << "S" << "k" << "one\ntwo\r\nthree";
    QTest::newRow("comment characters") << "S" << ";#key" << ";not a comment #";
    QTest::newRow("brackets") << "[Sec]tion]" << "[k]" << "[v]";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Stra\u00dfe") << QString::fromUtf8("\u03a9") << QString::fromUtf8("\u00e9\u4e2d");
    QTest::newRow("tab") << "S" << "k" << "a\tb";
    QTest::newRow("blank key") << "S" << " " << "x";
}

void tst_SettingsStore::iniKeepsExactText()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    IniFile::Sections sections;
    sections[section][key] = value;
    sections[QStringLiteral("Other")][QStringLiteral("k")] = QStringLiteral("v");

    IniFile::Sections read;
    QString error;
    QVERIFY2(IniFile::parse(IniFile::format(sections), &read, &error), qPrintable(error));
    QCOMPARE(read, sections);
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
    QTest::newRow("escape at the end") << QByteArray("[S]\nk=a\\\n") << "line 2: unknown escape sequence";
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
}

void tst_SettingsStore::iniReadsForeignLineEndingsAndComments()
{
    IniFile::Sections read;
    QString error;
    QVERIFY(IniFile::parse("# made by hand\r\n[A]\r\nk=v\r\n\r\n; comment\r\n[B]\r\n[A]\r\nk=w\r\nx=\r\n", &read, &error));
    QCOMPARE(read.value(QStringLiteral("A")).value(QStringLiteral("k")), QStringLiteral("w"));
    QCOMPARE(read.value(QStringLiteral("A")).value(QStringLiteral("x")), QString());
    QVERIFY(read.value(QStringLiteral("A")).contains(QStringLiteral("x")));
    QVERIFY(read.contains(QStringLiteral("B")));
}

void tst_SettingsStore::profileInterfaceExchangesResultBuffers()
{
    SettingsStore store;
    CFxProfile &profile = store;
    const OdString section = CFxString("Strokewheel").toOdString();
    QVERIFY(!profile.IsValueExist(section, CFxString("41").toOdString()));
    QVERIFY(profile.GetValue(section, CFxString("41").toOdString(), 4).isNull());

    OdResBufPtr value = OdResBuf::newRb(OdResBufType::kRtString);
    value->setString(CFxString(QString()).toOdString());
    profile.SetValue(section, CFxString("41").toOdString(), value.get());
    profile.SetValue(section, CFxString("42").toOdString(), nullptr);

    QVERIFY(profile.IsValueExist(section, CFxString("41").toOdString()));
    QVERIFY(!profile.IsValueExist(section, CFxString("42").toOdString()));
    const OdResBufPtr read = profile.GetValue(section, CFxString("41").toOdString(), 4);
    QVERIFY(!read.isNull());
    QCOMPARE(read->restype(), OdResBufType::kRtString);
    QVERIFY(read->getString().isEmpty());
    QVERIFY(!profile.IsValueExist(CFxString("strokewheel").toOdString(), CFxString("41").toOdString()));
}

void tst_SettingsStore::valuesSurviveARestart()
{
    const QString file = path(QStringLiteral("profile/settings.ini"));
    {
        SettingsStore store;
        store.setFile(file);
        store.setText(QStringLiteral("Strokewheel"), QStringLiteral("41"), QStringLiteral("ID_LINE"));
        store.setText(QStringLiteral("Strokewheel"), QStringLiteral("42"), QString());
        store.setText(QStringLiteral("Other"), QStringLiteral("k"), QStringLiteral("v"));
        store.remove(QStringLiteral("Other"), QStringLiteral("k"));
        QVERIFY(store.isPersistent());
    }
    SettingsStore restarted;
    restarted.setFile(file);
    QCOMPARE(restarted.sections(), QStringList{QStringLiteral("Strokewheel")});
    QCOMPARE(restarted.text(QStringLiteral("Strokewheel"), QStringLiteral("41")), QStringLiteral("ID_LINE"));
    QVERIFY(restarted.contains(QStringLiteral("Strokewheel"), QStringLiteral("42")));
    QCOMPARE(restarted.keys(QStringLiteral("Strokewheel")), QStringList({"41", "42"}));
}

void tst_SettingsStore::fileIsReadWhenFirstUsed()
{
    const QString file = path(QStringLiteral("settings.ini"));
    SettingsStore store;
    store.setText(QStringLiteral("Memory"), QStringLiteral("k"), QStringLiteral("dropped"));
    store.setFile(file);
    write(file, "[Strokewheel]\nActiveScheme=4\n");
    QCOMPARE(store.text(QStringLiteral("Strokewheel"), QStringLiteral("ActiveScheme")), QStringLiteral("4"));
    QVERIFY(!store.contains(QStringLiteral("Memory"), QStringLiteral("k")));

    write(file, "[Strokewheel]\nActiveScheme=8\n");
    QCOMPARE(store.text(QStringLiteral("Strokewheel"), QStringLiteral("ActiveScheme")), QStringLiteral("4"));
    QVERIFY(store.load());
    QCOMPARE(store.text(QStringLiteral("Strokewheel"), QStringLiteral("ActiveScheme")), QStringLiteral("8"));
}

void tst_SettingsStore::missingFileIsAFreshProfile()
{
    StderrCapture capture;
    SettingsStore store;
    store.setFile(path(QStringLiteral("none/settings.ini")));
    QVERIFY(store.sections().isEmpty());
    QVERIFY(store.isPersistent());
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("none"))));
    QVERIFY(capture.text().isEmpty());
}

void tst_SettingsStore::writesReplaceTheFileWhole()
{
    // A reader holding the old file (here: a second link to it) never sees a half-written
    // one: the new content arrives by renaming a complete file over the old one.
    const QString file = path(QStringLiteral("settings.ini"));
    SettingsStore store;
    store.setFile(file);
    store.setText(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("old"));
    const QByteArray before = contents(file);
    QCOMPARE(::link(qPrintable(file), qPrintable(path(QStringLiteral("held.ini")))), 0);

    store.setText(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new"));

    QCOMPARE(contents(path(QStringLiteral("held.ini"))), before);
    QVERIFY(contents(file).contains("k=new"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void tst_SettingsStore::unchangedValueWritesNothing()
{
    const QString file = path(QStringLiteral("settings.ini"));
    SettingsStore store;
    store.setFile(file);
    store.setText(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
    QVERIFY(QFile::remove(file));
    store.setText(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
    QVERIFY(!QFileInfo::exists(file));
    store.setText(QStringLiteral("S"), QStringLiteral("k"), QString());
    QVERIFY(QFileInfo::exists(file));
}

void tst_SettingsStore::unreadableFileIsKeptAndReportedOnce_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("directory");

    QTest::newRow("malformed") << QByteArray("[Strokewheel]\nActiveScheme 4\n") << false;
    QTest::newRow("not UTF-8") << QByteArray("[Strokewheel]\n41=\xc3\x28\n") << false;
    QTest::newRow("a folder in its place") << QByteArray() << true;
}

void tst_SettingsStore::unreadableFileIsKeptAndReportedOnce()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, directory);
    const QString file = path(QStringLiteral("settings.ini"));
    if (directory)
        QVERIFY(QDir().mkpath(file));
    else
        write(file, data);

    StderrCapture capture;
    SettingsStore store;
    store.setFile(file);
    QVERIFY(!store.contains(QStringLiteral("Strokewheel"), QStringLiteral("ActiveScheme")));
    QVERIFY(store.sections().isEmpty());
    store.setText(QStringLiteral("Strokewheel"), QStringLiteral("41"), QStringLiteral("ID_LINE"));
    store.setText(QStringLiteral("Strokewheel"), QStringLiteral("42"), QString());
    QString error;
    QVERIFY(!store.load(&error));
    QVERIFY(error.contains(QDir::toNativeSeparators(file)));
    QCOMPARE(store.text(QStringLiteral("Strokewheel"), QStringLiteral("41")), QStringLiteral("ID_LINE"));
    QVERIFY(store.contains(QStringLiteral("Strokewheel"), QStringLiteral("42")));

    const QByteArray messages = capture.text();
    QCOMPARE(messages.count('\n'), 1);
    QVERIFY(messages.contains(QDir::toNativeSeparators(file).toLocal8Bit()));
    QVERIFY(!store.isPersistent());
    if (directory)
        QVERIFY(QFileInfo(file).isDir());
    else
        QCOMPARE(contents(file), data);
}

void tst_SettingsStore::unwritableFileKeepsValuesAndIsReportedOnce()
{
    // The folder of the file is a regular file, so nothing can be written (not even as root).
    const QString blocker = path(QStringLiteral("profile"));
    write(blocker, "not a folder");
    const QString file = blocker + QStringLiteral("/settings.ini");

    StderrCapture capture;
    SettingsStore store;
    store.setFile(file);
    store.setText(QStringLiteral("Strokewheel"), QStringLiteral("41"), QStringLiteral("ID_LINE"));
    store.setText(QStringLiteral("Strokewheel"), QStringLiteral("42"), QStringLiteral("ID_OPEN"));
    store.setText(QStringLiteral("Strokewheel"), QStringLiteral("42"), QStringLiteral("ID_SAVE"));
    QVERIFY(!store.isPersistent());
    QCOMPARE(store.text(QStringLiteral("Strokewheel"), QStringLiteral("41")), QStringLiteral("ID_LINE"));
    QCOMPARE(store.text(QStringLiteral("Strokewheel"), QStringLiteral("42")), QStringLiteral("ID_SAVE"));
    const QByteArray messages = capture.text();
    QCOMPARE(messages.count('\n'), 1);
    QVERIFY(messages.contains("cannot write"));

    // Once the folder can be made, the next write brings everything held in memory.
    QVERIFY(QFile::remove(blocker));
    store.setText(QStringLiteral("Strokewheel"), QStringLiteral("43"), QString());
    QVERIFY(store.isPersistent());
    SettingsStore restarted;
    restarted.setFile(file);
    QCOMPARE(restarted.keys(QStringLiteral("Strokewheel")), QStringList({"41", "42", "43"}));
    QCOMPARE(restarted.text(QStringLiteral("Strokewheel"), QStringLiteral("42")), QStringLiteral("ID_SAVE"));
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
