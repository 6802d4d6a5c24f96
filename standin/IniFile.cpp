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
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            result += QLatin1String("\\\\");
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
    static const QString verbatim = QString::fromLatin1("\\=[];#");
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
        else if (verbatim.contains(next))
            *result += next;
        else
            return false;
    }
    return true;
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

QByteArray IniFile::format(const Sections &sections)
{
    QString text = QString::fromLatin1("; Strokewheel stand-in host: settings of one profile\n");
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        text += QLatin1String("\n[") + escaped(section.key(), true) + QLatin1String("]\n");
        for (auto value = section->cbegin(); value != section->cend(); ++value)
            text += escaped(value.key(), true) + QLatin1Char('=') + escaped(value.value(), false) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool IniFile::parse(const QByteArray &data, Sections *sections, QString *error)
{
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(data.constData(), data.size(), &state);
    if (state.invalidChars > 0) {
        *error = QString::fromLatin1("not UTF-8 text");
        return false;
    }
    Sections result;
    QString current;
    bool inSection = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines.at(n);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const auto fail = [&](const char *reason) {
            *error = QString::fromLatin1("line %1: %2").arg(n + 1).arg(QLatin1String(reason));
            return false;
        };
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const int close = unescapedIndexOf(line, QLatin1Char(']'));
            if (close != line.size() - 1 || !unescape(line.mid(1, close - 1), &current))
                return fail("malformed section header");
            inSection = true;
            result[current];
            continue;
        }
        const int equals = unescapedIndexOf(line, QLatin1Char('='));
        if (equals < 0)
            return fail("expected key=value");
        if (!inSection)
            return fail("value outside a section");
        QString key;
        QString value;
        if (!unescape(line.left(equals), &key) || !unescape(line.mid(equals + 1), &value))
            return fail("unknown escape sequence");
        result[current][key] = value;
    }
    *sections = result;
    return true;
}

} // namespace standin
