// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the region vocabulary: keys, factory commands, picture names.
#include "config/K2Regions.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

class tst_Regions : public QObject
{
    Q_OBJECT

private slots:
    void regionKey_data();
    void regionKey();
    void factoryCommand_data();
    void factoryCommand();
    void regionPictureName_data();
    void regionPictureName();
};

void tst_Regions::regionKey_data()
{
    QTest::addColumn<quint32>("eightGestures");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("key");

    QTest::newRow("four, first") << 0u << 1 << "41";
    QTest::newRow("four, last") << 0u << 4 << "44";
    QTest::newRow("four, number 5 is out of the ring") << 0u << 5 << "";
    QTest::newRow("four, number 0") << 0u << 0 << "";
    QTest::newRow("four, negative") << 0u << -1 << "";
    QTest::newRow("eight, first") << 1u << 1 << "81";
    QTest::newRow("eight, last") << 1u << 8 << "88";
    QTest::newRow("eight, number 0") << 1u << 0 << "";
    QTest::newRow("eight, number 9") << 1u << 9 << "";
    QTest::newRow("scheme 2 is no scheme") << 2u << 1 << "";
}

void tst_Regions::regionKey()
{
    QFETCH(quint32, eightGestures);
    QFETCH(int, number);
    QFETCH(QString, key);
    QCOMPARE(::regionKey(eightGestures, number), key);
}

void tst_Regions::factoryCommand_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("command");

    const QMap<QString, QString> factory = testsupport::factorySettings();
    for (auto entry = factory.cbegin(); entry != factory.cend(); ++entry) {
        if (entry.key().at(0).isDigit())
            QTest::newRow(qPrintable(entry.key())) << entry.key() << entry.value();
    }
    QTest::newRow("empty text") << "" << "";
    QTest::newRow("flag key has no command") << "EnableMouseGesture" << "";
    QTest::newRow("scheme key has no command") << "ActiveScheme" << "";
    QTest::newRow("region 5 of the 4-ring") << "45" << "";
    QTest::newRow("one digit") << "8" << "";
    QTest::newRow("padded key") << " 84" << "";
}

void tst_Regions::factoryCommand()
{
    QFETCH(QString, key);
    QFETCH(QString, command);
    QCOMPARE(::factoryCommand(key), command);
}

void tst_Regions::regionPictureName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");

    QTest::newRow("4-ring top") << "targetDonut_40" << "gestureregion_top";
    QTest::newRow("4-ring left") << "targetDonut_41" << "gestureregion_left";
    QTest::newRow("4-ring bottom") << "targetDonut_42" << "gestureregion_bottom";
    QTest::newRow("4-ring right") << "targetDonut_43" << "gestureregion_right";
    QTest::newRow("4-ring slot 4 is out of range") << "targetDonut_44" << "";
    QTest::newRow("8-ring top is picture 3") << "targetDonut_80" << "gestureregion3";
    QTest::newRow("8-ring down-left") << "targetDonut_83" << "gestureregion6";
    QTest::newRow("8-ring down-right is picture 8") << "targetDonut_85" << "gestureregion8";
    QTest::newRow("8-ring right is picture 1") << "targetDonut_86" << "gestureregion1";
    QTest::newRow("8-ring up-right is picture 2") << "targetDonut_87" << "gestureregion2";
    QTest::newRow("8-ring slot 8 is out of range") << "targetDonut_88" << "";
    QTest::newRow("no underscore: the first two characters") << "40" << "gestureregion_top";
    QTest::newRow("no underscore, 8-ring") << "83" << "gestureregion6";
    QTest::newRow("leading underscore") << "_41" << "gestureregion_left";
    QTest::newRow("letter as second digit") << "targetDonut_4x" << "";
    QTest::newRow("letter as first digit") << "targetDonut_x0" << "";
    QTest::newRow("first underscore counts") << "target_Donut_40" << "";
    QTest::newRow("only two characters after the underscore count") << "targetDonut_401" << "gestureregion_top";
    QTest::newRow("second digit missing") << "targetDonut_4" << "";
    QTest::newRow("nothing after the underscore") << "targetDonut_" << "";
    QTest::newRow("empty text") << "" << "";
    QTest::newRow("scheme 5") << "targetDonut_50" << "";
}

void tst_Regions::regionPictureName()
{
    QFETCH(QString, name);
    QFETCH(QString, picture);
    QCOMPARE(::regionPictureName(name), picture);
}

QTEST_APPLESS_MAIN(tst_Regions)
#include "tst_regions.moc"
