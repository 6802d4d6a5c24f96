// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the compiled-in pictures: sizes, transparency, colours and where each highlight sits.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>
#include <QtTest>

namespace {

const QString gesturePrefix = QStringLiteral(":/strokewheelimages/Resources/");
constexpr double ringMiddle = 93.0;

// Angles as the overlay measures them: degrees counter-clockwise from the right, y up,
// about the point between pixels 124 and 125.
QPoint pixelAt(double degrees, double radius)
{
    const double a = qDegreesToRadians(degrees);
    return QPoint(qFloor(125.0 + radius * qCos(a)), qFloor(125.0 - radius * qSin(a)));
}

QImage loadImage(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

int alphaAt(const QImage &image, double degrees, double radius)
{
    return qAlpha(image.pixel(pixelAt(degrees, radius)));
}

QString describe(const QColor &colour)
{
    return colour.name(QColor::HexArgb);
}

bool isNear(const QColor &actual, const QColor &expected, int tolerance)
{
    return actual.alpha() == 255 && qAbs(actual.red() - expected.red()) <= tolerance
        && qAbs(actual.green() - expected.green()) <= tolerance
        && qAbs(actual.blue() - expected.blue()) <= tolerance;
}

// Where the ink's weight sits relative to the middle of the ink's bounding box, in pixels
// (x right, y down): an arrow leans towards its head, wherever it is placed in the picture.
QPointF inkLean(const QImage &image, double *inkPixels)
{
    double weight = 0.0;
    QPointF sum;
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double a = qAlpha(image.pixel(x, y)) / 255.0;
            if (a == 0.0)
                continue;
            weight += a;
            sum += QPointF(x + 0.5, y + 0.5) * a;
            bounds |= QRect(x, y, 1, 1);
        }
    }
    *inkPixels = weight;
    if (weight == 0.0)
        return {};
    return sum / weight - QRectF(bounds).center();
}

// Mean brightness of the ink, weighted by its opacity (0 black .. 255 white).
double inkLightness(const QImage &image)
{
    double weight = 0.0;
    double sum = 0.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            weight += c.alphaF();
            sum += c.alphaF() * c.lightness();
        }
    }
    return weight == 0.0 ? 0.0 : sum / weight;
}

struct Arrow
{
    const char *name;
    int dx; // screen x: right is 1
    int dy; // screen y: down is 1
};

const Arrow arrows[] = {{"up", 0, -1},        {"left", -1, 0},      {"down", 0, 1},      {"right", 1, 0},
                        {"up_left", -1, -1},  {"down_left", -1, 1}, {"down_right", 1, 1}, {"up_right", 1, -1}};

// The arrow leans towards where it points; a straight arrow stays centred across its shaft.
bool pointsTowards(double offset, int sign)
{
    if (sign == 0)
        return qAbs(offset) < 0.25;
    return offset * sign > 0.5;
}

} // namespace

class tst_Artwork : public QObject
{
    Q_OBJECT

private slots:
    void rings_data();
    void rings();
    void highlights_data();
    void highlights();
    void directionArrows_data();
    void directionArrows();
};

void tst_Artwork::rings_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QColor>("face");

    const QColor light(229, 230, 234);
    const QColor dark(51, 52, 55);
    QTest::newRow("light ring") << gesturePrefix + "gesture_widget.png" << light;
    QTest::newRow("dark ring") << gesturePrefix + "gesture_widget_dark.png" << dark;
    QTest::newRow("light ring, text checked") << gesturePrefix + "gesture_widget_text_checked.png" << light;
    QTest::newRow("dark ring, text checked") << gesturePrefix + "gesture_widget_dark_text_checked.png" << dark;
}

void tst_Artwork::rings()
{
    QFETCH(QString, path);
    QFETCH(QColor, face);

    const QImage image = loadImage(path);
    QCOMPARE(image.size(), QSize(250, 250));

    for (const QPoint &p : {QPoint(0, 0), QPoint(249, 249), QPoint(124, 124), QPoint(125, 125)})
        QCOMPARE(qAlpha(image.pixel(p)), 0);
    // Opaque from the inner to the outer edge all round, clear in the hole and outside.
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const QString where = QStringLiteral(" at %1 degrees").arg(degrees);
        QVERIFY2(alphaAt(image, degrees, 60) == 0 && alphaAt(image, degrees, 120) == 0, qPrintable("ink" + where));
        for (const double r : {74.0, ringMiddle, 112.0})
            QVERIFY2(alphaAt(image, degrees, r) == 255, qPrintable(QStringLiteral("radius %1").arg(r) + where));
    }
    for (const double degrees : {0.0, 90.0, 180.0, 270.0}) {
        const QColor c = image.pixelColor(pixelAt(degrees, ringMiddle));
        QVERIFY2(isNear(c, face, 4), qPrintable(describe(c) + QStringLiteral(" at %1 degrees").arg(degrees)));
    }
}

void tst_Artwork::highlights_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("regionCount");
    QTest::addColumn<double>("direction");
    QTest::addColumn<bool>("dark");

    const char *fourNames[] = {"top", "left", "bottom", "right"};
    const double fourDirections[] = {90, 180, 270, 0};
    const char *eightNames[] = {"right", "up-right", "top", "up-left", "left", "down-left", "bottom", "down-right"};
    for (const bool dark : {false, true}) {
        const QString suffix = dark ? QStringLiteral("_dark.png") : QStringLiteral(".png");
        const char *style = dark ? "dark" : "light";
        for (int i = 0; i < 4; ++i)
            QTest::addRow("4 regions, %s, %s", fourNames[i], style)
                << gesturePrefix + "gestureregion_" + fourNames[i] + suffix << 4 << fourDirections[i] << dark;
        for (int number = 1; number <= 8; ++number)
            QTest::addRow("8 regions, picture %d (%s), %s", number, eightNames[number - 1], style)
                << gesturePrefix + "gestureregion" + QString::number(number) + suffix << 8 << (number - 1) * 45.0
                << dark;
    }
}

void tst_Artwork::highlights()
{
    QFETCH(QString, path);
    QFETCH(int, regionCount);
    QFETCH(double, direction);
    QFETCH(bool, dark);

    const QImage image = loadImage(path);
    QCOMPARE(image.size(), QSize(250, 250));

    const QColor expected = dark ? QColor(19, 21, 24) : QColor(229, 230, 234);
    const QColor c = image.pixelColor(pixelAt(direction, ringMiddle));
    QVERIFY2(isNear(c, expected, dark ? 3 : 5), qPrintable("middle of the sector is " + describe(c)));

    const double half = 180.0 / regionCount;
    // The sector covers its own region nearly to its borders, and nothing of the opposite one.
    for (const double offset : {-(half - 4.0), 0.0, half - 4.0}) {
        for (const double r : {74.0, ringMiddle, 112.0}) {
            QVERIFY2(alphaAt(image, direction + offset, r) == 255,
                     qPrintable(QStringLiteral("not opaque %1 degrees off the middle at radius %2").arg(offset).arg(r)));
            QVERIFY2(alphaAt(image, direction + 180.0 + offset, r) == 0,
                     qPrintable(QStringLiteral("ink opposite, %1 degrees off, radius %2").arg(offset).arg(r)));
        }
    }
    QCOMPARE(alphaAt(image, direction, 60), 0);
}

void tst_Artwork::directionArrows_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("onDark");
    for (const Arrow &arrow : arrows) {
        QTest::addRow("%s, picture", arrow.name) << gesturePrefix + arrow.name + ".png" << arrow.dx << arrow.dy << false;
        for (const char *style : {"light", "dark"})
            QTest::addRow("%s, %s icon", arrow.name, style)
                << QStringLiteral("%1svg_icons/%2/%3.svg").arg(gesturePrefix, QLatin1String(style), QLatin1String(arrow.name))
                << arrow.dx << arrow.dy << (qstrcmp(style, "dark") == 0);
    }
}

void tst_Artwork::directionArrows()
{
    QFETCH(QString, path);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, onDark);

    QImage image;
    if (path.endsWith(QLatin1String(".png"))) {
        image = loadImage(path);
        QCOMPARE(image.size(), QSize(19, 16));
    } else {
        QSvgRenderer renderer(path);
        QCOMPARE(renderer.defaultSize(), QSize(16, 16));
        image = QImage(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
    }
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    double ink = 0.0;
    const QPointF lean = inkLean(image, &ink);
    QVERIFY2(ink > 20.0, qPrintable(QStringLiteral("only %1 pixels of ink").arg(ink)));
    QVERIFY2(pointsTowards(lean.x(), dx) && pointsTowards(lean.y(), dy),
             qPrintable(QStringLiteral("ink leans to (%1, %2)").arg(lean.x()).arg(lean.y())));
    const double lightness = inkLightness(image);
    QVERIFY2(onDark ? lightness > 170.0 : lightness < 110.0, qPrintable(QStringLiteral("ink lightness %1").arg(lightness)));
}

QTEST_MAIN(tst_Artwork)
#include "tst_artwork.moc"
