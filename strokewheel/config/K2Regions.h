// Strokewheel - mouse gestures for CAD drawing views.
// Region vocabulary: settings keys, factory commands and pictures of both schemes.
#pragma once

#include <QString>
#include <QStringList>

// The fourteen setting names; created when the module file is loaded.
namespace K2Keys {
extern const QString kEnableMouseGesture;
extern const QString kActiveScheme;
extern const QString kFourGestureRegions[4];   // "41".."44"
extern const QString kEightGestureRegions[8];  // "81".."88"
// All fourteen, in the order a factory reset writes them.
const QStringList &all();
}

// "41".."44" for eightGestures 0 and number 1..4, "81".."88" for 1 and 1..8, else "".
QString regionKey(quint32 eightGestures, int number);
// The factory command identifier of a region key, "" for any other text.
QString factoryCommand(const QString &key);
// Picture base name of an overlay region name such as "targetDonut_83", "" when none.
QString regionPictureName(const QString &name);
