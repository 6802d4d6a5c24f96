// Strokewheel - mouse gestures for CAD drawing views.
// Where the overlay puts its items and which pictures it draws; no widget needed.
#pragma once

#include <QFont>
#include <QPointF>
#include <QString>

class QFontMetrics;

namespace K2DonutLayout {

// Labels wider than this (in pixels) are shortened.
constexpr int kElisionWidth = 50;
// Characters a shortened label keeps: the highlighted region has less room on its sector.
constexpr int kKeptCharacters = 8;
constexpr int kKeptCharactersCurrent = 7;
// Icons are asked for at this size and drawn at the size they come in.
constexpr int kIconSide = 20;

// Items move right and down on screens of device pixel ratio 2 and more, where the artwork
// is scaled up.
qreal densityShift(qreal devicePixelRatio);
// Centre of region index's item relative to the ring's centre (screen y downwards).
// Every count other than 8 is laid out as 4 regions.
QPointF itemCentre(qreal widgetWidth, int count, int index, qreal devicePixelRatio);
// Label rotation in degrees, clockwise on screen: tangent to the ring, never upside down.
qreal labelRotation(int count, int index);
// text, or its first keptCharacters characters and ".." when it is wider than kElisionWidth.
QString elidedLabel(const QString &text, const QFontMetrics &metrics, int keptCharacters);
QFont labelFont();

qreal ringOpacity(bool dark);
QString ringImage(bool dark);
// The highlight picture of one region; a path that loads nothing when there is none.
QString highlightImage(int count, int index, bool dark);

} // namespace K2DonutLayout
