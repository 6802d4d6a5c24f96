// Strokewheel - mouse gestures for CAD drawing views.
// Reads the text of a replay script into steps.
#include "app/ReplayScript.h"

#include <QFile>
#include <QHash>
#include <QKeySequence>

namespace {

// Reads the words of one line from left to right; the rest of the line is a text.
class LineReader
{
public:
    explicit LineReader(const QString &line) : m_line(line) {}

    QString word()
    {
        skipBlanks();
        const int start = m_position;
        while (m_position < m_line.size() && !m_line.at(m_position).isSpace())
            ++m_position;
        return m_line.mid(start, m_position - start);
    }

    // The rest of the line, trimmed; "" stands for the empty text and a text in double
    // quotes keeps its blanks.
    QString rest()
    {
        skipBlanks();
        QString text = m_line.mid(m_position).trimmed();
        m_position = m_line.size();
        if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
            text = text.mid(1, text.size() - 2);
        return text;
    }

    bool atEnd()
    {
        skipBlanks();
        return m_position >= m_line.size();
    }

private:
    void skipBlanks()
    {
        while (m_position < m_line.size() && m_line.at(m_position).isSpace())
            ++m_position;
    }

    QString m_line;
    int m_position = 0;
};

bool toInt(const QString &word, int minimum, int *value)
{
    bool ok = false;
    const int number = word.toInt(&ok);
    if (!ok || number < minimum)
        return false;
    *value = number;
    return true;
}

bool toSwitch(const QString &word, bool *on)
{
    if (word == QLatin1String("on") || word == QLatin1String("off")) {
        *on = word == QLatin1String("on");
        return true;
    }
    return false;
}

bool toButton(const QString &word, Qt::MouseButton *button)
{
    static const QHash<QString, Qt::MouseButton> buttons = {
        {QStringLiteral("left"), Qt::LeftButton},
        {QStringLiteral("middle"), Qt::MiddleButton},
        {QStringLiteral("right"), Qt::RightButton},
    };
    if (!buttons.contains(word))
        return false;
    *button = buttons.value(word);
    return true;
}

// Message-box answers by code or by the button's name.
bool toAnswer(const QString &word, int *code)
{
    static const QHash<QString, int> names = {
        {QStringLiteral("ok"), 1}, {QStringLiteral("cancel"), 2}, {QStringLiteral("yes"), 6}, {QStringLiteral("no"), 7}};
    if (names.contains(word.toLower())) {
        *code = names.value(word.toLower());
        return true;
    }
    return toInt(word, 0, code);
}

} // namespace

const QStringList &ReplayScript::stateNames()
{
    static const QStringList names = {
        QStringLiteral("command-in-progress"), QStringLiteral("modal-state"),
        QStringLiteral("grip-editing"),        QStringLiteral("window-selecting"),
        QStringLiteral("panning"),             QStringLiteral("transparent-command"),
        QStringLiteral("dragging"),
    };
    return names;
}

bool ReplayScript::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_steps.clear();
        m_errorLine = 0;
        m_error = QStringLiteral("cannot read the script: %1").arg(file.errorString());
        return false;
    }
    return parse(QString::fromUtf8(file.readAll()));
}

bool ReplayScript::parse(const QString &text)
{
    m_steps.clear();
    m_errorLine = 0;
    m_error.clear();
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!parseLine(line, i + 1)) {
            m_steps.clear();
            return false;
        }
    }
    return true;
}

bool ReplayScript::fail(int line, const QString &message)
{
    m_errorLine = line;
    m_error = message;
    return false;
}

bool ReplayScript::parseLine(const QString &line, int number)
{
    using Kind = ReplayStep::Kind;
    ReplayStep step;
    step.line = number;
    step.source = line;
    LineReader reader(line);
    QString verb = reader.word();

    auto mouse = [&](Kind kind, bool takesButton) {
        step.kind = kind;
        const QString x = reader.word();
        const QString y = reader.word();
        bool okX = false;
        bool okY = false;
        step.point = QPoint(x.toInt(&okX), y.toInt(&okY));
        if (!okX || !okY)
            return fail(number, QStringLiteral("\"%1\" needs two whole numbers X Y").arg(verb));
        if (takesButton && !reader.atEnd() && !toButton(reader.word(), &step.button))
            return fail(number, QStringLiteral("the button is left, middle or right"));
        return true;
    };
    auto needText = [&](const QString &what) {
        if (step.text.isEmpty())
            return fail(number, QStringLiteral("\"%1\" needs %2").arg(verb, what));
        return true;
    };

    bool ok = true;
    if (verb == QLatin1String("real")) {
        const QString action = reader.word();
        if (action == QLatin1String("press"))
            ok = mouse(Kind::RealPress, true);
        else if (action == QLatin1String("move"))
            ok = mouse(Kind::RealMove, false);
        else if (action == QLatin1String("release"))
            ok = mouse(Kind::RealRelease, true);
        else
            return fail(number, QStringLiteral("\"real\" is followed by press, move or release"));
        verb += QLatin1Char(' ') + action;
    } else if (verb == QLatin1String("press")) {
        ok = mouse(Kind::Press, true);
    } else if (verb == QLatin1String("move")) {
        ok = mouse(Kind::Move, false);
    } else if (verb == QLatin1String("release")) {
        ok = mouse(Kind::Release, true);
    } else if (verb == QLatin1String("key")) {
        step.kind = Kind::Key;
        step.name = reader.word();
        const QKeySequence sequence = QKeySequence::fromString(step.name, QKeySequence::PortableText);
        if (step.name.isEmpty() || sequence.count() != 1 || sequence[0] == Qt::Key_unknown)
            return fail(number, QStringLiteral("unknown key \"%1\"").arg(step.name));
        step.number = sequence[0];
    } else if (verb == QLatin1String("command")) {
        step.kind = Kind::Command;
        step.text = reader.rest();
    } else if (verb == QLatin1String("answer")) {
        step.kind = Kind::Answer;
        if (!toAnswer(reader.word(), &step.number))
            return fail(number, QStringLiteral("\"answer\" needs a message-box code (1 OK, 2 Cancel, 6 Yes, 7 No)"));
    } else if (verb == QLatin1String("click") || verb == QLatin1String("select") ||
               verb == QLatin1String("layout")) {
        step.kind = verb == QLatin1String("click") ? Kind::Click
                  : verb == QLatin1String("select") ? Kind::Select : Kind::Layout;
        step.name = reader.rest();
        step.text = step.name;
        ok = needText(QStringLiteral("a name"));
    } else if (verb == QLatin1String("check")) {
        step.kind = Kind::Check;
        step.name = reader.word();
        if (step.name.isEmpty() || !toSwitch(reader.word(), &step.on))
            return fail(number, QStringLiteral("\"check\" needs a widget name and on or off"));
    } else if (verb == QLatin1String("text") || verb == QLatin1String("choose")) {
        step.kind = verb == QLatin1String("text") ? Kind::Text : Kind::Choose;
        step.name = reader.word();
        step.text = reader.rest();
        if (step.name.isEmpty())
            return fail(number, QStringLiteral("\"%1\" needs a widget name").arg(verb));
    } else if (verb == QLatin1String("region") || verb == QLatin1String("document") ||
               verb == QLatin1String("wait")) {
        step.kind = verb == QLatin1String("region") ? Kind::Region
                  : verb == QLatin1String("document") ? Kind::Document : Kind::Wait;
        const int minimum = step.kind == Kind::Document ? 1 : 0;
        if (!toInt(reader.word(), minimum, &step.number))
            return fail(number, QStringLiteral("\"%1\" needs a whole number of at least %2").arg(verb).arg(minimum));
    } else if (verb == QLatin1String("theme")) {
        step.kind = Kind::Theme;
        const QString theme = reader.word();
        if (theme != QLatin1String("light") && theme != QLatin1String("dark"))
            return fail(number, QStringLiteral("the theme is light or dark"));
        step.on = theme == QLatin1String("dark");
    } else if (verb == QLatin1String("block")) {
        step.kind = Kind::Block;
        if (!toSwitch(reader.word(), &step.on))
            return fail(number, QStringLiteral("\"block\" needs on or off"));
    } else if (verb == QLatin1String("state")) {
        step.kind = Kind::State;
        step.name = reader.word();
        step.number = stateNames().indexOf(step.name);
        if (step.number < 0)
            return fail(number, QStringLiteral("unknown state \"%1\"; the states are %2")
                                    .arg(step.name, stateNames().join(QStringLiteral(", "))));
        if (!toSwitch(reader.word(), &step.on))
            return fail(number, QStringLiteral("\"state\" needs on or off after the name"));
    } else if (verb == QLatin1String("screenshot") || verb == QLatin1String("print")) {
        step.kind = verb == QLatin1String("print") ? Kind::Print : Kind::Screenshot;
        step.text = reader.rest();
        ok = needText(QStringLiteral("a file name"));
    } else if (verb == QLatin1String("expect")) {
        const QString what = reader.word();
        verb += QLatin1Char(' ') + what;
        if (what == QLatin1String("executed")) {
            step.kind = Kind::ExpectExecuted;
            step.text = reader.rest();
            ok = needText(QStringLiteral("the executed text"));
        } else if (what == QLatin1String("nothing-executed")) {
            step.kind = Kind::ExpectNothingExecuted;
        } else if (what == QLatin1String("setting")) {
            step.kind = Kind::ExpectSetting;
            step.name = reader.word();
            step.text = reader.rest();
            if (step.name.isEmpty())
                return fail(number, QStringLiteral("\"expect setting\" needs a key and a value"));
        } else if (what == QLatin1String("status")) {
            step.kind = Kind::ExpectStatus;
            step.text = reader.rest();
        } else {
            return fail(number, QStringLiteral("unknown expectation \"%1\"; expect executed, nothing-executed, "
                                               "setting or status").arg(what));
        }
    } else {
        return fail(number, QStringLiteral("unknown step \"%1\"").arg(verb));
    }
    if (!ok)
        return false;
    if (!reader.atEnd())
        return fail(number, QStringLiteral("unexpected text after \"%1\"").arg(verb));
    m_steps.append(step);
    return true;
}
