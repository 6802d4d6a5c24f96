// Strokewheel - mouse gestures for CAD drawing views.
// How a host's command line takes a text apart.
#include "sdk/CommandLine.h"

namespace fxsdk {

namespace {
int nameStart(const QString &text)
{
    int start = 0;
    while (start < text.size() && QStringLiteral("_.'").contains(text.at(start)))
        ++start;
    return start;
}

int nameEnd(const QString &text, int start)
{
    int end = start;
    while (end < text.size() && !text.at(end).isSpace() && text.at(end) != QLatin1Char(';'))
        ++end;
    return end;
}
}

CommandLine CommandLine::parse(const QString &text)
{
    CommandLine line;
    QString rest = text;
    while (rest.startsWith(QLatin1String("^C"))) {
        rest.remove(0, 2);
        ++line.cancels;
    }
    line.echo = rest.trimmed();
    const int start = nameStart(line.echo);
    const int end = nameEnd(line.echo, start);
    line.word = line.echo.mid(start, end - start);
    line.name = line.word.toUpper();
    line.input = line.echo.mid(end + 1);
    return line;
}

QString CommandLine::nameOf(const QString &text)
{
    const QString trimmed = text.trimmed();
    const int start = nameStart(trimmed);
    return trimmed.mid(start, nameEnd(trimmed, start) - start).toUpper();
}

} // namespace fxsdk
