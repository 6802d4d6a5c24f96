// Strokewheel - mouse gestures for CAD drawing views.
// Which picture shows each slot of both rings.
#include "config/K2Regions.h"

#include <QtTest>

class tst_Regions : public QObject
{
    Q_OBJECT

private slots:
    void regionPictureName_data();
    void regionPictureName();
};

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
    QTest::newRow("8-ring slot 8 is out of range") << "targetDonut_88" << "";
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
