// Strokewheel - mouse gestures for CAD drawing views.
// Real strokewheel-host processes on one profile: neither loses what the other saved,
// and a termination signal still saves what a held lock kept back.
#include "standin/IniFile.h"
#include "standin/SettingsFile.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

#include <csignal>
#include <memory>

class tst_SharedProfile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void neitherHostLosesTheOthersChange_data();
    void neitherHostLosesTheOthersChange();
    void terminationSavesWhatTheLockHeldBack();

private:
    // Starts the host on a script of these steps, on the shared profile and output folder.
    std::unique_ptr<QProcess> start(const QString &name, const QStringList &steps);
    QString stored(const QString &section, const QString &key) const;

    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_SharedProfile::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void tst_SharedProfile::cleanup()
{
    m_folder->setAutoRemove(!QTest::currentTestFailed());
    m_folder.reset();
}

std::unique_ptr<QProcess> tst_SharedProfile::start(const QString &name, const QStringList &steps)
{
    const QString script = m_folder->filePath(name + QStringLiteral(".replay"));
    testsupport::writeFile(script, steps.join(QLatin1Char('\n')).toUtf8() + '\n');
    auto host = std::make_unique<QProcess>();
    host->setProcessChannelMode(QProcess::SeparateChannels);
    host->start(QStringLiteral(SW_HOST), {"--replay", script, "--profile", m_folder->filePath(QStringLiteral("profile")),
                                          "--output", m_folder->path(), "--module",
                                          qEnvironmentVariable("STROKEWHEEL_MODULE")});
    return host;
}

QString tst_SharedProfile::stored(const QString &section, const QString &key) const
{
    standin::IniFile::Sections read;
    QString error;
    standin::IniFile::parse(testsupport::contents(m_folder->filePath(QStringLiteral("profile/settings.ini"))), &read,
                            &error);
    return read.value(section).value(key, QStringLiteral("(absent)"));
}

void tst_SharedProfile::neitherHostLosesTheOthersChange_data()
{
    // B is started first and signals "ready"; A runs whole; then B goes on ("go").
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<QStringList>("b");
    QTest::addColumn<QStringList>("a");
    QTest::addColumn<QStringList>("expected");   // key, value, ...

    const QStringList schemeFour = {"command GESTURE", "check four_radioButton on", "click OK"};
    const QStringList gesturesOff = {"command GESTURE", "check enableGesture_checkBox off", "click OK"};
    const QStringList ready = {"screenshot ready.png", "await go"};
    const QStringList flick = {"press 450 240", "move 450 215", "move 450 160", "release 450 160", "wait 400"};
    // The dialog shows the store as it is when it opens; OK writes what it shows.
    QTest::newRow("B's dialog after A saved")
        << QByteArray() << flick + ready + gesturesOff << schemeFour
        << QStringList{"EnableMouseGesture", "0", "ActiveScheme", "4"};
    QTest::newRow("B's next gesture after A switched gestures off")
        << QByteArray() << flick + QStringList{"expect executed ^C^C_ZOOM _E"} + ready + flick + QStringList{"expect nothing-executed"}
        << gesturesOff << QStringList{"EnableMouseGesture", "0"};
    QTest::newRow("B's dialog after A reset to defaults")
        << QByteArray("[Strokewheel]\n87=ID_CIRCLE\n") << flick + ready + schemeFour
        << QStringList{"command GESTURE", "answer ok", "click reset_pushButton", "click OK"}
        << QStringList{"87", "ID_LINE", "ActiveScheme", "4"};
    // The first use fills in only what is missing on disk then.
    QTest::newRow("B's first gesture after A saved")
        << QByteArray() << ready + flick << schemeFour << QStringList{"ActiveScheme", "4", "EnableMouseGesture", "1"};
}

void tst_SharedProfile::neitherHostLosesTheOthersChange()
{
    QFETCH(QByteArray, profile);
    QFETCH(QStringList, b);
    QFETCH(QStringList, a);
    QFETCH(QStringList, expected);
    if (!profile.isEmpty())
        QVERIFY(testsupport::writeFile(m_folder->filePath(QStringLiteral("profile/settings.ini")), profile));

    const auto hostB = start(QStringLiteral("b"), b);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_folder->filePath(QStringLiteral("ready.png"))), 120000);
    const auto hostA = start(QStringLiteral("a"), a);
    QVERIFY(hostA->waitForFinished(120000));
    QVERIFY2(hostA->exitCode() == 0, hostA->readAllStandardError().constData());
    QVERIFY(testsupport::writeFile(m_folder->filePath(QStringLiteral("go")), "go"));
    QVERIFY(hostB->waitForFinished(120000));
    QVERIFY2(hostB->exitCode() == 0, hostB->readAllStandardError().constData());

    for (int i = 0; i + 1 < expected.size(); i += 2)
        QCOMPARE(stored(QStringLiteral("Strokewheel"), expected.at(i)), expected.at(i + 1));
}

void tst_SharedProfile::terminationSavesWhatTheLockHeldBack()
{
    // Another program holds the profile's lock: the change waits in memory.
    const QString file = m_folder->filePath(QStringLiteral("profile/settings.ini"));
    standin::SettingsFile other(file);
    QString reason;
    QVERIFY(other.lock(0, &reason));
    const auto host = start(QStringLiteral("theme"), {"theme dark", "wait 100000"});
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += host->readAllStandardError()).contains(standin::SettingsFile::lockBusyReason().toUtf8()),
                             120000);
    QVERIFY2(!QFileInfo::exists(file), said.constData());

    // A logout: the signal first, the lock comes free while the host is on its way out.
    ::kill(pid_t(host->processId()), SIGTERM);
    QTest::qSleep(200);
    other.unlock();
    QVERIFY(host->waitForFinished(60000));
    said += host->readAllStandardError();
    QCOMPARE(host->exitStatus(), QProcess::NormalExit);
    QCOMPARE(host->exitCode(), 128 + SIGTERM);
    QVERIFY2(stored(QStringLiteral("Host"), QStringLiteral("ColorScheme")).toInt() > 0, said.constData());
    // Told once, not at every try.
    QCOMPARE(said.count(standin::SettingsFile::lockBusyReason().toUtf8()), 1);
}

QTEST_MAIN(tst_SharedProfile)
#include "tst_sharedprofile.moc"
