// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the settings store object: host store first, read-only Qt fallback second.
#include "ConfigTestHost.h"

#include "config/K2GestureSettings.h"
#include "tests/support/TestMain.h"

#include <QtTest>

#include <memory>

using namespace configtest;

class tst_GestureSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hostValueIsReadInItsLatin1Form_data();
    void hostValueIsReadInItsLatin1Form();
    void noKeyStored_data();
    void noKeyStored();
    void restoreDefaultsClearsOnlyTheGestureGroup();

private:
    K2GestureSettings *settings() const { return K2GestureSettings::instance(); }
    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_GestureSettings::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    useFallbackFolder(m_folder->path());
    standin::reset();
}

void tst_GestureSettings::cleanup()
{
    m_folder->setAutoRemove(!QTest::currentTestFailed());
    m_folder.reset();
}

void tst_GestureSettings::hostValueIsReadInItsLatin1Form_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read");

    QTest::newRow("ASCII") << "ID_LINE" << "ID_LINE";
    QTest::newRow("Latin-1 letter kept") << QString::fromUtf8("ID_CAF\u00c9") << QString::fromUtf8("ID_CAF\u00c9");
    QTest::newRow("beyond Latin-1 becomes ?") << QString::fromUtf8("ID_\u03a9") << "ID_?";
    QTest::newRow("empty text") << "" << "";
}

void tst_GestureSettings::hostValueIsReadInItsLatin1Form()
{
    QFETCH(QString, stored);
    QFETCH(QString, read);
    store(QStringLiteral("41"), stored);
    QString out = QStringLiteral("untouched");
    QVERIFY(settings()->value(QStringLiteral("41"), out));
    QCOMPARE(out, read);
    QCOMPARE(storedText(QStringLiteral("41")), stored);
}

void tst_GestureSettings::noKeyStored_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("noFour");
    QTest::addColumn<bool>("noEight");

    QTest::newRow("fresh profile") << "" << true << true;
    QTest::newRow("last 4-ring key") << "44" << false << true;
    QTest::newRow("last 8-ring key") << "88" << true << false;
    QTest::newRow("flags are no region keys") << "ActiveScheme" << true << true;
}

void tst_GestureSettings::noKeyStored()
{
    QFETCH(QString, key);
    if (!key.isEmpty())
        store(key, QString());
    QTEST(settings()->noFourGestureKeyStored(), "noFour");
    QTEST(settings()->noEightGestureKeyStored(), "noEight");
}

void tst_GestureSettings::restoreDefaultsClearsOnlyTheGestureGroup()
{
    writeFallback(QStringLiteral("41"), QStringLiteral("ID_CIRCLE"));
    {
        QSettings other(QStringLiteral("Corvanta"), appTitle());
        other.setValue(QStringLiteral("Gesture/Version"), 3);
        other.setValue(QStringLiteral("Window/Geometry"), QStringLiteral("kept"));
    }
    store(QStringLiteral("44"), QStringLiteral("ID_CIRCLE"));
    store(QStringLiteral("Unrelated"), QStringLiteral("kept"));

    settings()->restoreDefaults();

    QVERIFY(fallbackKeys(QStringLiteral("Gesture")).isEmpty());
    QCOMPARE(fallbackKeys(QStringLiteral("Window")), QStringList{QStringLiteral("Geometry")});
    const QMap<QString, QString> factory = testsupport::factorySettings();
    for (const QString &key : allKeys())
        QCOMPARE(storedText(key), factory.value(key));
    QCOMPARE(storedText(QStringLiteral("Unrelated")), QStringLiteral("kept"));
}

SW_TEST_MAIN(tst_GestureSettings)
#include "tst_gesturesettings.moc"
