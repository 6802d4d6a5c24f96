// Strokewheel - mouse gestures for CAD drawing views.
// What the overlay shows for the active scheme.
#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

struct RegionContent
{
    qint32 isText = 1;   // non-zero: content holds a QString label, else a QIcon
    QVariant content;
};

struct K2OverlayContent
{
    qint32 regionCount = 0;                // 4 or 8
    QMap<int, RegionContent> contents;     // by slot, 0..regionCount-1
    QMap<int, QString> helpTexts;          // by slot
};
