// Strokewheel - mouse gestures for CAD drawing views.
// The text form of the profile settings.
#include "standin/IniFile.h"

#include <QStringList>
#include <QTextCodec>

namespace standin {

QString IniFile::escaped(const QString &text, bool isName)
{
    static const QString nameSpecials = QString::fromLatin1("=[];#");
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // Blanks at either end would be trimmed away when read.
        const bool atEnd = i == 0 || i == text.size() - 1;
        if (c == QLatin1Char('\\'))
            result += QLatin1String("\\\\");
        else if (c == QLatin1Char(' ') && atEnd)
            result += QLatin1String("\\ ");
        else if (c == QLatin1Char('\t') && atEnd)
            result += QLatin1String("\\t");
        else if (c == QLatin1Char('\n'))
            result += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            result += QLatin1String("\\r");
        else if (isName && nameSpecials.contains(c))
            result += QLatin1Char('\\') + QString(c);
        else
            result += c;
    }
    return result;
}

bool IniFile::unescape(const QString &text, QString *result)
{
    static const QString verbatim = QString::fromLatin1("\\=[];# ");
    result->clear();
    result->reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\')) {
            *result += c;
            continue;
        }
        if (++i == text.size())
            return false;
        const QChar next = text.at(i);
        if (next == QLatin1Char('n'))
            *result += QLatin1Char('\n');
        else if (next == QLatin1Char('r'))
            *result += QLatin1Char('\r');
        else if (next == QLatin1Char('t'))
            *result += QLatin1Char('\t');
        else if (verbatim.contains(next))
            *result += next;
        else
            return false;
    }
    return true;
}

QString IniFile::trimmed(const QString &text)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && text.at(begin).isSpace())
        ++begin;
    while (end > begin && text.at(end - 1).isSpace())
        --end;
    // A blank after an escaping backslash belongs to the text.
    int backslashes = 0;
    while (end - backslashes > begin && text.at(end - 1 - backslashes) == QLatin1Char('\\'))
        ++backslashes;
    if (backslashes % 2 == 1 && end < text.size())
        ++end;
    return text.mid(begin, end - begin);
}

int IniFile::unescapedIndexOf(const QString &text, QChar c)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\'))
            ++i;
        else if (text.at(i) == c)
            return i;
    }
    return -1;
}

struct IniFile::Line
{
    QString text;      // without its line end
    bool isValue = false;
    bool isHeader = false;
    QString section;   // the section the line belongs to
    QString key;
    QString value;
};

bool IniFile::split(const QByteArray &data, QVector<Line> *lines, QString *lineEnd, QString *error)
{
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(data.constData(), data.size(), &state);
    if (state.invalidChars > 0) {
        *error = QString::fromLatin1("not UTF-8 text");
        return false;
    }
    // New lines follow the file's first line end; a fresh file uses LF.
    *lineEnd = QString::fromLatin1("\n");
    QStringList texts;
    int begin = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        const bool crlf = c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n');
        if (texts.isEmpty())
            *lineEnd = crlf ? QString::fromLatin1("\r\n") : QString(c);
        texts << text.mid(begin, i - begin);
        i += crlf ? 1 : 0;
        begin = i + 1;
    }
    if (begin < text.size())
        texts << text.mid(begin);

    QString current;
    bool inSection = false;
    for (int n = 0; n < texts.size(); ++n) {
        Line line;
        line.text = texts.at(n);
        const auto fail = [&](const char *reason) {
            *error = QString::fromLatin1("line %1: %2").arg(n + 1).arg(QLatin1String(reason));
            return false;
        };
        // Blanks around section names, keys, values and comments are Qt's INI layout too.
        const QString t = trimmed(line.text);
        if (t.startsWith(QLatin1Char('['))) {
            const int close = unescapedIndexOf(t, QLatin1Char(']'));
            if (close != t.size() - 1 || !unescape(trimmed(t.mid(1, close - 1)), &current))
                return fail("malformed section header");
            inSection = true;
        } else if (!t.isEmpty() && !t.startsWith(QLatin1Char(';')) && !t.startsWith(QLatin1Char('#'))) {
            const int equals = unescapedIndexOf(t, QLatin1Char('='));
            if (equals < 0)
                return fail("expected key=value");
            if (!inSection)
                return fail("value outside a section");
            if (!unescape(trimmed(t.left(equals)), &line.key) || !unescape(trimmed(t.mid(equals + 1)), &line.value))
                return fail("unknown escape sequence");
            line.isValue = true;
        }
        line.isHeader = t.startsWith(QLatin1Char('['));
        line.section = current;
        lines->append(line);
    }
    return true;
}

bool IniFile::parse(const QByteArray &data, Sections *sections, QString *error)
{
    QVector<Line> lines;
    QString lineEnd;
    if (!split(data, &lines, &lineEnd, error))
        return false;
    Sections result;
    for (const Line &line : qAsConst(lines)) {
        if (line.isValue)
            result[line.section][line.key] = line.value;
        else if (line.isHeader)
            result[line.section];
    }
    *sections = result;
    return true;
}

bool IniFile::apply(const QByteArray &data, const QVector<Change> &changes, QByteArray *result, QString *error)
{
    QVector<Line> lines;
    QString lineEnd;
    if (!split(data, &lines, &lineEnd, error))
        return false;
    if (lines.isEmpty())
        lines.append({QString::fromLatin1("; Strokewheel stand-in host: settings of one profile"), false, false, {}, {}, {}});
    for (const Change &change : changes) {
        Line entry{escaped(change.key, true) + QLatin1Char('=') + escaped(change.value, false), true, false,
                   change.section, change.key, change.value};
        int last = -1;      // the section's last value or header
        bool done = false;
        for (int i = lines.size() - 1; i >= 0; --i) {
            Line &line = lines[i];
            if (line.section != change.section || (!line.isValue && !line.isHeader))
                continue;
            if (last < 0)
                last = i;
            if (!line.isValue || line.key != change.key)
                continue;
            if (change.fillIn) {
                done = true;   // stored meanwhile: that value stays
                break;
            }
            if (change.remove) {
                lines.remove(i);
                --last;
            } else if (!done) {
                line = entry;   // the last occurrence is the one read
                done = true;
            }
        }
        if (change.remove || done)
            continue;
        if (last < 0) {
            lines.append({QString(), false, false, {}, {}, {}});
            lines.append({QLatin1Char('[') + escaped(change.section, true) + QLatin1Char(']'), false, true,
                          change.section, {}, {}});
            last = lines.size() - 1;
        }
        lines.insert(last + 1, entry);
    }
    QString text;
    for (const Line &line : qAsConst(lines))
        text += line.text + lineEnd;
    // The decoder drops a byte order mark; the file keeps it.
    *result = (data.startsWith("\xef\xbb\xbf") ? QByteArray("\xef\xbb\xbf") : QByteArray()) + text.toUtf8();
    return true;
}

} // namespace standin
