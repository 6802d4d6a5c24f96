// Strokewheel - mouse gestures for CAD drawing views.
// Abstract gesture overlay: the region state, the hit-test and the hooks a style implements.
#include "overlay/K2DonutDialog.h"

#include <algorithm>
#include <cmath>

K2DonutDialog::K2DonutDialog(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
}

void K2DonutDialog::updateRegion(double x, double y)
{
    computeRegion(x, y);
    update();
}

QSize K2DonutDialog::sizeHint() const
{
    return m_donutSize;
}

void K2DonutDialog::paintEvent(QPaintEvent *event)
{
    drawDonut(event);
}

int K2DonutDialog::computeRegion(double x, double y)
{
    m_currentRegion = static_cast<qint16>(regionAt(vectorAngle(x, y), m_regionCount, m_currentRegion, m_stickyWidth));
    return m_currentRegion;
}

double K2DonutDialog::vectorAngle(double x, double y)
{
    if (x == 0.0)
        return y >= 0.0 ? 90.0 : 270.0;
    const double t = std::atan(y / x) * 7.0 * 180.0 / 22.0;
    double angle = t + 180.0;
    if (x > 0.0)
        angle = y >= 0.0 ? t : t + 360.0;
    // A tiny negative t rounds up to 360, which is 0.
    return angle >= 360.0 ? angle - 360.0 : angle;
}

int K2DonutDialog::regionAt(double angle, int count, int current, double stickyWidth)
{
    if (count <= 0)
        return -1;
    const double sector = 360.0 / count;
    if (current >= 0) {
        const double centre = std::fmod(90.0 + current * sector, 360.0);
        const double distance = std::abs(angle - centre);
        if (std::min(distance, 360.0 - distance) <= stickyWidth / 2.0)
            return current;
    }
    double fromFirstEdge = angle - (90.0 - sector / 2.0);
    if (fromFirstEdge < 0.0)
        fromFirstEdge += 360.0;
    // Just below an edge the sum above can round to exactly 360.
    return std::min(static_cast<int>(std::floor(fromFirstEdge / sector)), count - 1);
}
