// Strokewheel - mouse gestures for CAD drawing views.
// The text form of the profile settings: INI sections whose values keep their exact text.
#pragma once

#include "standin/StandInExport.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

namespace standin {

// "[section]" lines followed by "key=value" lines, UTF-8, laid out as Qt's INI reader
// accepts: blanks around section names, keys, "=" and values are not part of them. Values
// are taken verbatim after the first "=", except that "\\", "\n", "\r", "\t" and "\ " stand
// for a backslash, a line feed, a carriage return, a tab and a blank; keys and section names
// also escape "=", "[", "]", ";" and "#". Blank lines and lines starting with ";" or "#" are
// ignored. Lines end in LF, CRLF or CR.
class STANDIN_API IniFile
{
public:
    using Sections = QMap<QString, QMap<QString, QString>>;
    struct Change
    {
        QString section;
        QString key;
        QString value;
        bool remove = false;
        // Made because the key was missing: dropped when the data holds the key by then.
        bool fillIn = false;
    };

    // False with error "line N: reason" when data is no such text.
    static bool parse(const QByteArray &data, Sections *sections, QString *error);
    // data with the changes applied in order, every other line kept as it was: a changed
    // key is rewritten in place, a new one follows its section's last value. False with
    // the parse error when data is no such text.
    static bool apply(const QByteArray &data, const QVector<Change> &changes, QByteArray *result,
                      QString *error);

private:
    struct Line;
    static bool split(const QByteArray &data, QVector<Line> *lines, QString *lineEnd, QString *error);
    static QString escaped(const QString &text, bool isName);
    static QString trimmed(const QString &text);
    static bool unescape(const QString &text, QString *result);
    static int unescapedIndexOf(const QString &text, QChar c);
};

} // namespace standin
