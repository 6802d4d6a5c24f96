// Strokewheel - mouse gestures for CAD drawing views.
// One assignable host command of the catalogue.
#pragma once

#include <QIcon>
#include <QString>

struct K2CommandInfo
{
    QString id;        // the host's identifier, e.g. "ID_LINE"; what the settings store
    QString macro;     // the text the host runs; never empty in the catalogue
    QString caption;
    QString category;  // top-level menu caption without "&", or "Others"
    QString helpText;
    QIcon icon;        // may be null
    quint8 region4 = 0;  // region number in the 4-gesture scheme, 0 = none
    quint8 region8 = 0;  // region number in the 8-gesture scheme, 0 = none
};
