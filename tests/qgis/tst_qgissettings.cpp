// Strokewheel - mouse gestures for CAD drawing views.
// The module's settings inside QGIS's own: what is written, and what is not.
#include "qgis/QgisSettingsProfile.h"

#include "host/CFxString.h"
#include "host/OdResBuf.h"

#include <QtTest>

using qgishost::QgisSettingsProfile;

namespace {
const OdString kSection = CFxString(QStringLiteral("Strokewheel")).toOdString();

OdString od(const QString &text)
{
    return CFxString(text).toOdString();
}

void set(QgisSettingsProfile &profile, const QString &key, const QString &value)
{
    OdResBufPtr buffer = OdResBuf::newRb();
    buffer->setString(od(value));
    profile.SetValue(kSection, od(key), buffer.get());
}
}

class tst_QgisSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void writesOnlyItsOwnKeys();
    void readingWritesNothing();
    void keyStaysOneEntry();
    void unsavableSettingsAreReportedOnce();

private:
    QString iniFile() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    QStringList m_reports;
    std::unique_ptr<QgisSettingsProfile> m_profile;
};

void tst_QgisSettings::init()
{
    QCoreApplication::setOrganizationName(QStringLiteral("QGIS"));
    QCoreApplication::setApplicationName(QStringLiteral("QGIS3"));
    m_folder = std::make_unique<QTemporaryDir>();
    m_folder->setAutoRemove(!QTest::currentTestFailed());
    // As QGIS sets them up: INI files in the profile's folder.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder->path());
    m_reports.clear();
    m_profile = std::make_unique<QgisSettingsProfile>([this](const QString &text) { m_reports << text; });
}

void tst_QgisSettings::cleanup()
{
    m_profile.reset();
    m_folder.reset();
}

QString tst_QgisSettings::iniFile() const
{
    return m_folder->filePath(QStringLiteral("QGIS/QGIS3.ini"));
}

void tst_QgisSettings::writesOnlyItsOwnKeys()
{
    QSettings(iniFile(), QSettings::IniFormat).setValue(QStringLiteral("qgis/style"), QStringLiteral("Fusion"));
    set(*m_profile, QStringLiteral("81"), QStringLiteral("ID_SAVE"));
    set(*m_profile, QStringLiteral("EnableMouseGesture"), QStringLiteral("0"));
    // Both at the end of this event-loop turn, in one write; meanwhile read back as set.
    QCOMPARE(QSettings(iniFile(), QSettings::IniFormat).allKeys(), QStringList{QStringLiteral("qgis/style")});
    QVERIFY(!m_profile->gesturesEnabled());
    QCoreApplication::processEvents();
    QSettings file(iniFile(), QSettings::IniFormat);
    QCOMPARE(file.allKeys(), (QStringList{QStringLiteral("Strokewheel/81"), QStringLiteral("Strokewheel/EnableMouseGesture"),
                                          QStringLiteral("qgis/style")}));
    QCOMPARE(file.value(QStringLiteral("Strokewheel/81")).toString(), QStringLiteral("ID_SAVE"));
    const OdResBufPtr stored = m_profile->GetValue(kSection, od(QStringLiteral("EnableMouseGesture")), 0);
    QCOMPARE(CFxString(stored->getString()).toQString(), QStringLiteral("0"));
    QVERIFY(m_reports.isEmpty());
}

void tst_QgisSettings::readingWritesNothing()
{
    QVERIFY(!m_profile->IsValueExist(kSection, od(QStringLiteral("81"))));
    QVERIFY(m_profile->gesturesEnabled());
    QVERIFY(!m_profile->GetValue(kSection, od(QStringLiteral("81")), 0));
    m_profile->SetValue(kSection, od(QStringLiteral("81")), nullptr);
    QVERIFY(!QFile::exists(iniFile()));
}

void tst_QgisSettings::keyStaysOneEntry()
{
    // A separator would open a group of QGIS's own ("Strokewheel/a/b" under "a").
    set(*m_profile, QStringLiteral("a/b\\c"), QStringLiteral("x"));
    m_profile->flush();
    QCOMPARE(QSettings(iniFile(), QSettings::IniFormat).allKeys(), QStringList{QStringLiteral("Strokewheel/a_b_c")});
    QVERIFY(m_profile->IsValueExist(kSection, od(QStringLiteral("a/b\\c"))));
}

void tst_QgisSettings::unsavableSettingsAreReportedOnce()
{
    // The settings file's place is taken by a folder: nothing can be saved there.
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("QGIS/QGIS3.ini")));
    set(*m_profile, QStringLiteral("81"), QStringLiteral("ID_SAVE"));
    QCoreApplication::processEvents();
    set(*m_profile, QStringLiteral("82"), QStringLiteral("ID_OPEN"));
    QCoreApplication::processEvents();
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports.first().contains(QStringLiteral("cannot be saved")), qPrintable(m_reports.first()));
    // Still there for this session.
    QCOMPARE(CFxString(m_profile->GetValue(kSection, od(QStringLiteral("82")), 0)->getString()).toQString(),
             QStringLiteral("ID_OPEN"));
}

QTEST_GUILESS_MAIN(tst_QgisSettings)
#include "tst_qgissettings.moc"
