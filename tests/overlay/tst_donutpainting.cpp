// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the overlay's pictures, rendered into images and probed where it matters; also
// writes the pictures of both schemes and styles into the build folder for a look.
#include "overlay/K2DonutDialogTLStyleImpl.h"
#include "overlay/K2DonutLayout.h"
#include "overlay/TextOfWidth.h"
#include "standin/StandIn.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFontMetrics>
#include <QMainWindow>
#include <QPainter>
#include <QStyle>
#include <QtTest>

#include <cmath>

namespace {

const QPoint Centre(125, 125);

QPoint ringPoint(double degrees, double radius)
{
    const double radians = degrees * M_PI / 180.0;
    return QPoint(qRound(Centre.x() + radius * std::cos(radians)), qRound(Centre.y() - radius * std::sin(radians)));
}

QPoint itemPoint(int count, int index)
{
    return (QPointF(Centre) + K2DonutLayout::itemCentre(250, count, index, 1.0)).toPoint();
}

using testsupport::solidIcon;

QColor regionColour(int index)
{
    return QColor::fromHsv(index * 45, 255, 230);
}

// Channel-wise comparison, alpha included.
bool near(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance && std::abs(qGreen(actual) - qGreen(expected)) <= tolerance
        && std::abs(qBlue(actual) - qBlue(expected)) <= tolerance
        && std::abs(qAlpha(actual) - qAlpha(expected)) <= tolerance;
}

QString describe(QRgb pixel)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel)).arg(qAlpha(pixel));
}

#define VERIFY_PIXEL(image, point, expected, tolerance)                                                                    \
    QVERIFY2(near((image).pixel(point), (expected), (tolerance)),                                                          \
             qPrintable(QStringLiteral("at (%1, %2): %3, expected %4")                                                     \
                            .arg((point).x())                                                                              \
                            .arg((point).y())                                                                              \
                            .arg(describe((image).pixel(point)), describe(expected))))

QImage resourceImage(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// What the ring image gives at point when drawn at opacity over nothing.
QRgb ringAt(const QPoint &point, bool dark)
{
    const QRgb source = resourceImage(K2DonutLayout::ringImage(dark)).pixel(point);
    return qRgba(qRed(source), qGreen(source), qBlue(source), qRound(qAlpha(source) * K2DonutLayout::ringOpacity(dark)));
}

struct Ink
{
    int left = INT_MAX;
    int right = -1;
    int top = INT_MAX;
    int bottom = -1;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

// Dark opaque pixels (label text) inside area.
Ink inkIn(const QImage &image, const QRect &area)
{
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 200 && qGray(pixel) < 110) {
                ink.left = qMin(ink.left, x);
                ink.right = qMax(ink.right, x);
                ink.top = qMin(ink.top, y);
                ink.bottom = qMax(ink.bottom, y);
            }
        }
    }
    return ink;
}

} // namespace

class tst_DonutPainting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ringOnlyWithoutCurrentRegion_data();
    void ringOnlyWithoutCurrentRegion();
    void styleChoosesImagesAndOpacity_data();
    void styleChoosesImagesAndOpacity();
    void currentRegion_data();
    void currentRegion();
    void iconDrawnAtItsOwnSize_data();
    void iconDrawnAtItsOwnSize();
    void labelElision_data();
    void labelElision();
    void labelsAlongTheRing();

private:
    void setRegions(int count, int current, const QVector<RegionContent> &contents);
    void setColourIcons(int count, int current);
    QImage render();

    K2DonutDialogTLStyleImpl *m_overlay = nullptr;
};

void tst_DonutPainting::init()
{
    standin::reset();
    m_overlay = new K2DonutDialogTLStyleImpl(standin::mainWindow());
    m_overlay->resize(m_overlay->donutSize());
    QCOMPARE(m_overlay->size(), QSize(250, 250));
}

void tst_DonutPainting::cleanup()
{
    delete m_overlay;
    m_overlay = nullptr;
}

void tst_DonutPainting::setRegions(int count, int current, const QVector<RegionContent> &contents)
{
    m_overlay->m_regionCount = quint16(count);
    m_overlay->m_currentRegion = qint16(current);
    m_overlay->m_regionContents = contents;
    m_overlay->m_regionHelpTexts.clear();
    for (int index = 0; index < count; ++index)
        m_overlay->m_regionHelpTexts.append(QStringLiteral("Help of region %1").arg(index));
}

void tst_DonutPainting::setColourIcons(int count, int current)
{
    QVector<RegionContent> contents;
    for (int index = 0; index < count; ++index)
        contents.append({0, QVariant::fromValue(solidIcon(regionColour(index), 20))});
    setRegions(count, current, contents);
}

QImage tst_DonutPainting::render()
{
    QImage image(m_overlay->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    m_overlay->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image.convertToFormat(QImage::Format_ARGB32);
}

void tst_DonutPainting::ringOnlyWithoutCurrentRegion_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("4 regions") << 4;
    QTest::newRow("8 regions") << 8;
}

void tst_DonutPainting::ringOnlyWithoutCurrentRegion()
{
    QFETCH(int, count);
    setColourIcons(count, -1);
    const int statusTexts = standin::statusTexts().size();

    const QImage image = render();

    for (int index = 0; index < count; ++index)
        VERIFY_PIXEL(image, itemPoint(count, index), ringAt(itemPoint(count, index), false), 3);
    QCOMPARE(qAlpha(image.pixel(Centre)), 0);
    QCOMPARE(standin::statusTexts().size(), statusTexts);
}

void tst_DonutPainting::styleChoosesImagesAndOpacity_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<bool>("profile");
    QTest::addColumn<bool>("dark");

    QTest::newRow("scheme 0 is light") << 0 << true << false;
    QTest::newRow("scheme 1 is light") << 1 << true << false;
    QTest::newRow("scheme 2 is dark") << 2 << true << true;
    QTest::newRow("scheme 3 is dark") << 3 << true << true;
    QTest::newRow("dark scheme without a profile is light") << 2 << false << false;
}

void tst_DonutPainting::styleChoosesImagesAndOpacity()
{
    QFETCH(int, scheme);
    QFETCH(bool, profile);
    QFETCH(bool, dark);
    // The overlay was built in the light style: the style is asked again when painting.
    standin::setColorScheme(scheme);
    standin::setPresent(standin::Link::CurrentProfile, profile);
    setColourIcons(4, -1);

    const QPoint onRing = ringPoint(135, 93);
    const QImage ring = render();
    QVERIFY(qAlpha(resourceImage(K2DonutLayout::ringImage(dark)).pixel(onRing)) == 255);
    VERIFY_PIXEL(ring, onRing, ringAt(onRing, dark), 3);
    QVERIFY(std::abs(qAlpha(ring.pixel(onRing)) - (dark ? 210 : 120)) <= 2);

    m_overlay->m_currentRegion = 0;
    const QPoint inTopSector = ringPoint(120, 100);
    const QImage highlighted = render();
    const QRgb highlight = resourceImage(K2DonutLayout::highlightImage(4, 0, dark)).pixel(inTopSector);
    QCOMPARE(qAlpha(highlight), 255);
    VERIFY_PIXEL(highlighted, inTopSector, highlight, 3);
}

void tst_DonutPainting::currentRegion_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("committed");

    QTest::newRow("4 regions, bottom") << 4 << 2 << false << false;
    QTest::newRow("4 regions, top") << 4 << 0 << false << false;
    QTest::newRow("8 regions, down-right") << 8 << 5 << false << false;
    QTest::newRow("8 regions, up-right") << 8 << 7 << false << false;
    QTest::newRow("committed, 4 regions, left, light") << 4 << 1 << false << true;
    QTest::newRow("committed, 4 regions, left, dark") << 4 << 1 << true << true;
    QTest::newRow("committed, 8 regions, down-left, light") << 8 << 3 << false << true;
    QTest::newRow("committed, 8 regions, down-left, dark") << 8 << 3 << true << true;
}

// Every item shows above the current one's opaque highlight; once committed, only the choice.
void tst_DonutPainting::currentRegion()
{
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(bool, dark);
    QFETCH(bool, committed);
    standin::setColorScheme(dark ? 2 : 0);
    setColourIcons(count, current);
    m_overlay->m_committed = committed;

    const QImage image = render();

    for (int index = 0; index < count; ++index) {
        const QRgb expected = !committed || index == current ? regionColour(index).rgba() : qRgba(0, 0, 0, 0);
        VERIFY_PIXEL(image, itemPoint(count, index), expected, 3);
    }
    const double sector = 360.0 / count;
    const double centreAngle = 90.0 + current * sector;
    const QPoint inSector = ringPoint(centreAngle + sector / 3.0, 100);
    const QRgb highlight = resourceImage(K2DonutLayout::highlightImage(count, current, dark)).pixel(inSector);
    QCOMPARE(qAlpha(highlight), 255);
    VERIFY_PIXEL(image, inSector, highlight, 3);
    const QPoint opposite = ringPoint(centreAngle + 180.0 + sector / 3.0, 100);
    VERIFY_PIXEL(image, opposite, committed ? qRgba(0, 0, 0, 0) : ringAt(opposite, dark), 3);
    QCOMPARE(standin::currentStatusText(), QStringLiteral("Help of region %1").arg(current));
}

void tst_DonutPainting::iconDrawnAtItsOwnSize_data()
{
    QTest::addColumn<QVariant>("content");
    QTest::addColumn<int>("drawnSide");

    QTest::newRow("16 x 16 only: 16 x 16") << QVariant::fromValue(solidIcon(Qt::red, 16)) << 16;
    QTest::newRow("40 x 40: scaled to 20 x 20") << QVariant::fromValue(solidIcon(Qt::red, 40)) << 20;
    QTest::newRow("text where an icon belongs: nothing") << QVariant(QStringLiteral("Line")) << 0;
}

void tst_DonutPainting::iconDrawnAtItsOwnSize()
{
    QFETCH(QVariant, content);
    QFETCH(int, drawnSide);
    QVector<RegionContent> contents(3, RegionContent{1, QString()});
    contents.append(RegionContent{0, content});
    setRegions(4, 0, contents);

    const QImage image = render();

    // The right item sits exactly on (218, 125).
    const QPoint item = itemPoint(4, 3);
    QCOMPARE(item, QPoint(218, 125));
    auto isRed = [&image](int x, int y) {
        const QRgb pixel = image.pixel(x, y);
        return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60 && qAlpha(pixel) == 255;
    };
    if (drawnSide == 0) {
        VERIFY_PIXEL(image, item, ringAt(item, false), 3);
        return;
    }
    const int first = -drawnSide / 2;
    const int last = drawnSide / 2 - 1;
    QVERIFY(isRed(item.x() + first, item.y()) && isRed(item.x() + last, item.y()));
    QVERIFY(isRed(item.x(), item.y() + first) && isRed(item.x(), item.y() + last));
    QVERIFY(isRed(item.x() + first, item.y() + first) && isRed(item.x() + last, item.y() + last));
    QVERIFY(!isRed(item.x() + first - 1, item.y()) && !isRed(item.x() + last + 1, item.y()));
    QVERIFY(!isRed(item.x(), item.y() + first - 1) && !isRed(item.x(), item.y() + last + 1));
}

void tst_DonutPainting::labelElision_data()
{
    QTest::addColumn<bool>("fiftyPixels");
    QTest::addColumn<bool>("current");
    QTest::addColumn<int>("kept");

    QTest::newRow("50 px whole") << true << false << 0;
    QTest::newRow("50 px whole on the current region") << true << true << 0;
    QTest::newRow("wide label keeps 8") << false << false << 8;
    QTest::newRow("wide label keeps 7 on the current region") << false << true << 7;
}

void tst_DonutPainting::labelElision()
{
    QFETCH(bool, fiftyPixels);
    QFETCH(bool, current);
    QFETCH(int, kept);
    // Measured as the overlay paints: its screen's resolution, not the test's default.
    const QFontMetrics metrics(K2DonutLayout::labelFont(), m_overlay);
    const QString label = fiftyPixels ? textOfWidth(metrics, 50, 12) : QStringLiteral("WWWWWWWWWWWW");
    QVERIFY2(!label.isEmpty(), "no label of exactly 50 pixels in this font");
    const QString drawn = kept ? label.left(kept) + ".." : label;
    const int otherKept = kept == 8 || (kept == 0 && current) ? 7 : 8;
    const QString notDrawn = label.left(otherKept) + "..";
    QVector<RegionContent> contents(4, RegionContent{1, QString()});
    contents[0] = {1, label};
    setRegions(4, current ? 0 : 2, contents);

    const QImage image = render();

    // The top item's label runs level through (125, 32) with its baseline 3 px below.
    const Ink ink = inkIn(image, QRect(20, 14, 210, 30));
    const int drawnWidth = metrics.horizontalAdvance(drawn);
    const int otherWidth = metrics.horizontalAdvance(notDrawn);
    QVERIFY2(std::abs(ink.width() - drawnWidth) < std::abs(ink.width() - otherWidth),
             qPrintable(QStringLiteral("ink %1 px, \"%2\" %3 px, \"%4\" %5 px")
                            .arg(ink.width()).arg(drawn).arg(drawnWidth).arg(notDrawn).arg(otherWidth)));
    QVERIFY2(std::abs((ink.left + ink.right) / 2 - 125) <= 2, qPrintable(QString::number(ink.left)));
    QCOMPARE(ink.bottom, 32 + 3 - 1);
}

void tst_DonutPainting::labelsAlongTheRing()
{
    QVector<RegionContent> contents(4, RegionContent{1, QStringLiteral("MMMMM")});
    setRegions(4, 0, contents);

    const QImage image = render();

    // Side labels stand upright along the ring, top and bottom ones lie level.
    for (int index = 0; index < 4; ++index) {
        const Ink ink = inkIn(image, QRect(itemPoint(4, index) - QPoint(30, 30), QSize(61, 61)));
        const bool level = index % 2 == 0;
        QVERIFY2(level ? ink.width() > 2 * ink.height() : ink.height() > 2 * ink.width(),
                 qPrintable(QStringLiteral("region %1: %2 x %3").arg(index).arg(ink.width()).arg(ink.height())));
    }
}

SW_TEST_MAIN(tst_DonutPainting)
#include "tst_donutpainting.moc"
