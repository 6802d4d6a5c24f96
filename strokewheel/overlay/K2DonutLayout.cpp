// Strokewheel - mouse gestures for CAD drawing views.
// Where the overlay puts its items and which pictures it draws; no widget needed.
#include "overlay/K2DonutLayout.h"

#include "config/K2Regions.h"

#include <QFontMetrics>

#include <cmath>
#include <iterator>

namespace {

const char kResourcePrefix[] = ":/strokewheelimages/Resources/";

QString resource(const QString &baseName, bool dark)
{
    return QLatin1String(kResourcePrefix) + baseName + (dark ? QLatin1String("_dark.png") : QLatin1String(".png"));
}

} // namespace

namespace K2DonutLayout {

qreal densityShift(qreal devicePixelRatio)
{
    return devicePixelRatio >= 2.0 ? (devicePixelRatio - 1.0) * 10.0 : 0.0;
}

QPointF itemCentre(qreal widgetWidth, int count, int index, qreal devicePixelRatio)
{
    const double shift = densityShift(devicePixelRatio);
    const double radius = widgetWidth * 0.5 - 32.0;
    const double step = count == 8 ? 45.0 : 90.0;
    // The negated direction of the region in radians with pi = 22/7, so that it points
    // at the region with the screen's y axis downwards.
    const double x = 44.0 / 7.0 - (index * step + 90.0) * 22.0 / 1260.0;
    return QPointF(std::cos(x) * radius + shift, std::sin(x) * radius + shift);
}

qreal labelRotation(int count, int index)
{
    static const qreal four[] = {0, -90, 0, 90};
    static const qreal eight[] = {0, -45, -90, 45, 0, -45, 90, 45};
    if (count == 8)
        return index >= 0 && index < int(std::size(eight)) ? eight[index] : 0;
    return index >= 0 && index < int(std::size(four)) ? four[index] : 0;
}

QString elidedLabel(const QString &text, const QFontMetrics &metrics, int keptCharacters)
{
    if (metrics.horizontalAdvance(text) <= kElisionWidth)
        return text;
    return text.left(keptCharacters) + QLatin1String("..");
}

QFont labelFont()
{
    // Not a literal: Qt's font cache keeps the family beyond the module's unloading.
    return QFont(QString::fromLatin1("TAHOMA"), 10);
}

qreal ringOpacity(bool dark)
{
    return dark ? 14.0 / 17.0 : 8.0 / 17.0;
}

QString ringImage(bool dark)
{
    return resource(QStringLiteral("gesture_widget"), dark);
}

QString highlightImage(int count, int index, bool dark)
{
    const QString name = regionPictureName(QStringLiteral("targetDonut_") + QString::number(count) + QString::number(index));
    return resource(name, dark);
}

} // namespace K2DonutLayout
