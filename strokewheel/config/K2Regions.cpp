// Strokewheel - mouse gestures for CAD drawing views.
// Region vocabulary: settings keys, factory commands and pictures of both schemes.
#include "config/K2Regions.h"

#include <QHash>

// Built from Latin-1 at load time rather than as QStringLiteral: texts that reach the host
// (settings keys) must not point into this file's read-only data once it is unloaded.
namespace K2Keys {
const QString kEnableMouseGesture = QString::fromLatin1("EnableMouseGesture");
const QString kActiveScheme = QString::fromLatin1("ActiveScheme");
const QString kFourGestureRegions[4] = {
    QString::fromLatin1("41"), QString::fromLatin1("42"), QString::fromLatin1("43"), QString::fromLatin1("44")};
const QString kEightGestureRegions[8] = {
    QString::fromLatin1("81"), QString::fromLatin1("82"), QString::fromLatin1("83"), QString::fromLatin1("84"),
    QString::fromLatin1("85"), QString::fromLatin1("86"), QString::fromLatin1("87"), QString::fromLatin1("88")};

const QStringList &all()
{
    static const QStringList keys = [] {
        QStringList list{kEnableMouseGesture, kActiveScheme};
        for (const QString &key : kFourGestureRegions)
            list << key;
        for (const QString &key : kEightGestureRegions)
            list << key;
        return list;
    }();
    return keys;
}
} // namespace K2Keys

namespace {

int decimalDigit(const QString &text, int position)
{
    if (position < 0 || position >= text.size())
        return -1;
    const QChar c = text.at(position);
    return c.category() == QChar::Number_DecimalDigit ? c.digitValue() : -1;
}

} // namespace

QString regionKey(quint32 eightGestures, int number)
{
    if (eightGestures == 0 && number >= 1 && number <= 4)
        return K2Keys::kFourGestureRegions[number - 1];
    if (eightGestures == 1 && number >= 1 && number <= 8)
        return K2Keys::kEightGestureRegions[number - 1];
    return QString();
}

QString factoryCommand(const QString &key)
{
    // The four main directions carry the same command in both schemes.
    static const QHash<QString, QString> commands = {
        {K2Keys::kFourGestureRegions[0], QString::fromLatin1("ID_ZOOM_BOUNDS")},
        {K2Keys::kFourGestureRegions[1], QString::fromLatin1("ID_OPEN")},
        {K2Keys::kFourGestureRegions[2], QString::fromLatin1("ID_SAVE")},
        {K2Keys::kFourGestureRegions[3], QString::fromLatin1("ID_LINE")},
        {K2Keys::kEightGestureRegions[0], QString::fromLatin1("ID_ZOOM_BOUNDS")},
        {K2Keys::kEightGestureRegions[1], QString::fromLatin1("ID_OFFSET")},
        {K2Keys::kEightGestureRegions[2], QString::fromLatin1("ID_OPEN")},
        {K2Keys::kEightGestureRegions[3], QString::fromLatin1("ID_COPY")},
        {K2Keys::kEightGestureRegions[4], QString::fromLatin1("ID_SAVE")},
        {K2Keys::kEightGestureRegions[5], QString::fromLatin1("ID_DTEXT")},
        {K2Keys::kEightGestureRegions[6], QString::fromLatin1("ID_LINE")},
        {K2Keys::kEightGestureRegions[7], QString::fromLatin1("ID_TRIM")},
    };
    return commands.value(key);
}

QString regionPictureName(const QString &name)
{
    // The 8-gesture pictures are numbered from the right-hand region, the slots from the top.
    static const char *const fourPictures[] = {"gestureregion_top", "gestureregion_left", "gestureregion_bottom",
                                               "gestureregion_right"};
    static const char *const eightPictures[] = {"gestureregion3", "gestureregion4", "gestureregion5",
                                                "gestureregion6", "gestureregion7", "gestureregion8",
                                                "gestureregion1", "gestureregion2"};
    const int underscore = name.indexOf(QLatin1Char('_'));
    const int scheme = decimalDigit(name, underscore + 1);
    const int slot = decimalDigit(name, underscore + 2);
    if (scheme == 4 && slot >= 0 && slot < 4)
        return QString::fromLatin1(fourPictures[slot]);
    if (scheme == 8 && slot >= 0 && slot < 8)
        return QString::fromLatin1(eightPictures[slot]);
    return QString();
}
