// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the overlay's geometry without a window: offset angle, hit-test with hysteresis,
// item placement and label elision.
#include "overlay/K2DonutDialog.h"
#include "overlay/K2DonutLayout.h"
#include "overlay/TextOfWidth.h"

#include <QFontMetrics>
#include <QtTest>

#include <cmath>

class tst_DonutGeometry : public QObject
{
    Q_OBJECT

private slots:
    void vectorAngle_data();
    void vectorAngle();
    void regionAt_data();
    void regionAt();
    void itemCentre_data();
    void itemCentre();
    void labelRotation_data();
    void labelRotation();
    void elidedLabel_data();
    void elidedLabel();
};

void tst_DonutGeometry::vectorAngle_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("angle");

    // atan(1) * 7 * 180 / 22: the overlay's pi of 22/7 puts a diagonal at 44.98 degrees.
    const double diagonal = std::atan(1.0) * 7.0 * 180.0 / 22.0;
    QTest::newRow("zero offset points up") << 0.0 << 0.0 << 90.0;
    QTest::newRow("straight up") << 0.0 << 5.0 << 90.0;
    QTest::newRow("straight down") << 0.0 << -5.0 << 270.0;
    QTest::newRow("straight right") << 5.0 << 0.0 << 0.0;
    QTest::newRow("straight left") << -5.0 << 0.0 << 180.0;
    QTest::newRow("up-right uses pi 22/7") << 3.0 << 3.0 << diagonal;
    QTest::newRow("up-left") << -3.0 << 3.0 << 180.0 - diagonal;
    QTest::newRow("down-left") << -3.0 << -3.0 << 180.0 + diagonal;
    QTest::newRow("down-right") << 3.0 << -3.0 << 360.0 - diagonal;
    QTest::newRow("just below the right stays below 360") << 1.0 << -1e-20 << 0.0;
}

void tst_DonutGeometry::vectorAngle()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, angle);

    const double actual = K2DonutDialog::vectorAngle(x, y);
    QVERIFY2(std::abs(actual - angle) < 1e-9, qPrintable(QString::number(actual, 'g', 17)));
    QVERIFY(actual >= 0.0 && actual < 360.0);
}

void tst_DonutGeometry::regionAt_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("region");

    // No current region: plain sectors, region 0 centred up, counter-clockwise.
    QTest::newRow("4: up") << 4 << -1 << 90.0 << 0;
    QTest::newRow("4: left") << 4 << -1 << 180.0 << 1;
    QTest::newRow("4: down") << 4 << -1 << 270.0 << 2;
    QTest::newRow("4: right") << 4 << -1 << 0.0 << 3;
    QTest::newRow("4: edge 45 belongs to up") << 4 << -1 << 45.0 << 0;
    QTest::newRow("4: just below 45 is right") << 4 << -1 << 44.99 << 3;
    QTest::newRow("4: 359.9 wraps to right") << 4 << -1 << 359.9 << 3;
    QTest::newRow("4: 315 belongs to right") << 4 << -1 << 315.0 << 3;
    QTest::newRow("8: up") << 8 << -1 << 90.0 << 0;
    QTest::newRow("8: up-left") << 8 << -1 << 135.0 << 1;
    QTest::newRow("8: down-right") << 8 << -1 << 315.0 << 5;
    QTest::newRow("8: right at 0") << 8 << -1 << 0.0 << 6;
    QTest::newRow("8: right at 337.5") << 8 << -1 << 337.5 << 6;
    QTest::newRow("8: 337.4 is down-right") << 8 << -1 << 337.4 << 5;
    QTest::newRow("8: 22.5 is up-right") << 8 << -1 << 22.5 << 7;
    QTest::newRow("8: just below 67.5 stays in range")
        << 8 << -1 << std::nextafter(67.5, 0.0) << 7;

    // Hysteresis: 4 regions keep the current one 65 degrees either side of its centre.
    QTest::newRow("4: up kept at 25") << 4 << 0 << 25.0 << 0;
    QTest::newRow("4: up left below 25") << 4 << 0 << 24.9 << 3;
    QTest::newRow("4: up kept at 155") << 4 << 0 << 155.0 << 0;
    QTest::newRow("4: up left past 155") << 4 << 0 << 155.1 << 1;
    QTest::newRow("4: right kept at 65") << 4 << 3 << 65.0 << 3;
    QTest::newRow("4: right left past 65") << 4 << 3 << 65.1 << 0;
    QTest::newRow("4: right kept across 0 at 296") << 4 << 3 << 296.0 << 3;
    QTest::newRow("4: right left below 295") << 4 << 3 << 294.9 << 2;
    QTest::newRow("4: right kept at 359") << 4 << 3 << 359.0 << 3;
    QTest::newRow("4: down kept at 335") << 4 << 2 << 335.0 << 2;
    QTest::newRow("4: down left past 335") << 4 << 2 << 336.0 << 3;
    // 8 regions: 32.5 degrees either side.
    QTest::newRow("8: up-right kept at 12.5") << 8 << 7 << 12.5 << 7;
    QTest::newRow("8: up-right left at 12") << 8 << 7 << 12.0 << 6;
    QTest::newRow("8: up-right kept at 77.5") << 8 << 7 << 77.5 << 7;
    QTest::newRow("8: up-right left past 77.5") << 8 << 7 << 77.6 << 0;
    QTest::newRow("8: right kept across 0 at 32") << 8 << 6 << 32.0 << 6;
    QTest::newRow("8: right left past 32.5") << 8 << 6 << 33.5 << 7;
    QTest::newRow("8: right kept across 0 at 328") << 8 << 6 << 328.0 << 6;
    QTest::newRow("8: right left below 327.5") << 8 << 6 << 327.0 << 5;
    QTest::newRow("8: no region without regions") << 0 << -1 << 90.0 << -1;
}

void tst_DonutGeometry::regionAt()
{
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(double, angle);
    QFETCH(int, region);

    const double stickyWidth = count == 8 ? 65.0 : 130.0;
    QCOMPARE(K2DonutDialog::regionAt(angle, count, current, stickyWidth), region);
}

void tst_DonutGeometry::itemCentre_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QPointF>("centre");

    // Radius 93 for the 250-pixel overlay; the 22/7 pi leaves the top item 0.18 px right.
    QTest::newRow("4: top") << 4 << 0 << 1.0 << QPointF(0.1764, -92.9998);
    QTest::newRow("4: left") << 4 << 1 << 1.0 << QPointF(-92.9999, -0.1176);
    QTest::newRow("4: bottom") << 4 << 2 << 1.0 << QPointF(-0.0588, 93.0);
    QTest::newRow("4: right") << 4 << 3 << 1.0 << QPointF(93.0, 0.0);
    QTest::newRow("8: up-left") << 8 << 1 << 1.0 << QPointF(-65.6569, -65.8648);
    QTest::newRow("8: down-right") << 8 << 5 << 1.0 << QPointF(65.7401, 65.7817);
    QTest::newRow("8: right") << 8 << 6 << 1.0 << QPointF(93.0, 0.0);
    QTest::newRow("other counts are laid out as 4") << 6 << 1 << 1.0 << QPointF(-92.9999, -0.1176);
    QTest::newRow("ratio 1.5: no shift") << 4 << 3 << 1.5 << QPointF(93.0, 0.0);
    QTest::newRow("ratio 1.99: no shift") << 4 << 3 << 1.99 << QPointF(93.0, 0.0);
    QTest::newRow("ratio 2: 10 px right and down") << 4 << 3 << 2.0 << QPointF(103.0, 10.0);
    QTest::newRow("ratio 2.5: 15 px") << 4 << 0 << 2.5 << QPointF(15.1764, -77.9998);
    QTest::newRow("ratio 3: 20 px") << 8 << 5 << 3.0 << QPointF(85.7401, 85.7817);
}

void tst_DonutGeometry::itemCentre()
{
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(double, ratio);
    QFETCH(QPointF, centre);

    const QPointF actual = K2DonutLayout::itemCentre(250, count, index, ratio);
    QVERIFY2(std::abs(actual.x() - centre.x()) < 1e-3 && std::abs(actual.y() - centre.y()) < 1e-3,
             qPrintable(QStringLiteral("(%1, %2)").arg(actual.x(), 0, 'f', 4).arg(actual.y(), 0, 'f', 4)));
}

void tst_DonutGeometry::labelRotation_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QVector<qreal>>("rotations");

    QTest::newRow("4 regions") << 4 << QVector<qreal>{0, -90, 0, 90};
    QTest::newRow("8 regions") << 8 << QVector<qreal>{0, -45, -90, 45, 0, -45, 90, 45};
}

void tst_DonutGeometry::labelRotation()
{
    QFETCH(int, count);
    QFETCH(QVector<qreal>, rotations);

    for (int index = 0; index < count; ++index)
        QCOMPARE(K2DonutLayout::labelRotation(count, index), rotations.at(index));
    QCOMPARE(K2DonutLayout::labelRotation(count, count), qreal(0));
}

void tst_DonutGeometry::elidedLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("expected");

    const QFontMetrics metrics(K2DonutLayout::labelFont());
    const QString fifty = textOfWidth(metrics, 50, 9);
    const QString fiftyOne = textOfWidth(metrics, 51, 9);
    QVERIFY2(!fifty.isEmpty() && !fiftyOne.isEmpty(), "no label of exactly 50 or 51 pixels in this font");
    const QString wide = QStringLiteral("WWWWWWWWWWWW");
    QVERIFY(metrics.horizontalAdvance(wide.left(8) + QLatin1String("..")) > 50);

    QTest::newRow("50 px drawn whole") << fifty << 8 << fifty;
    QTest::newRow("50 px drawn whole on the current region") << fifty << 7 << fifty;
    QTest::newRow("51 px keeps 8 characters") << fiftyOne << 8 << fiftyOne.left(8) + "..";
    QTest::newRow("51 px keeps 7 on the current region") << fiftyOne << 7 << fiftyOne.left(7) + "..";
    QTest::newRow("still too wide after one cut") << wide << 8 << QStringLiteral("WWWWWWWW..");
    QTest::newRow("empty") << QString() << 8 << QString();
}

void tst_DonutGeometry::elidedLabel()
{
    QFETCH(QString, text);
    QFETCH(int, kept);
    QFETCH(QString, expected);

    QCOMPARE(K2DonutLayout::elidedLabel(text, QFontMetrics(K2DonutLayout::labelFont()), kept), expected);
}

QTEST_MAIN(tst_DonutGeometry)
#include "tst_donutgeometry.moc"
