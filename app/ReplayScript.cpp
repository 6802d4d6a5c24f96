// Strokewheel - mouse gestures for CAD drawing views.
// Reads the text of a replay script into steps.
#include "app/ReplayScript.h"

#include <QFile>

#include <algorithm>
#include <QHash>
#include <QKeySequence>
#include <QPair>

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

namespace {

bool toInt(const QString &word, int minimum, int *value)
{
    bool ok = false;
    const int number = word.toInt(&ok);
    if (!ok || number < minimum)
        return false;
    *value = number;
    return true;
}

// One of two words; on tells which.
bool toChoice(const QString &word, const QString &onWord, const QString &offWord, bool *on)
{
    if (word != onWord && word != offWord)
        return false;
    *on = word == onWord;
    return true;
}

bool toSwitch(const QString &word, bool *on)
{
    return toChoice(word, QStringLiteral("on"), QStringLiteral("off"), on);
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
    // Open `repeat` steps: where their steps start, and the step itself.
    QVector<QPair<int, ReplayStep>> repeats;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!parseLine(line, i + 1)) {
            m_steps.clear();
            return false;
        }
        const ReplayStep step = m_steps.takeLast();
        if (step.is("repeat")) {
            repeats.append({m_steps.size(), step});
        } else if (step.is("end")) {
            if (repeats.isEmpty()) {
                m_steps.clear();
                return fail(i + 1, QStringLiteral("\"end\" without \"repeat\""));
            }
            const auto [start, repeat] = repeats.takeLast();
            const QVector<ReplayStep> body = m_steps.mid(start);
            for (int round = 1; round < repeat.number; ++round)
                m_steps += body;
        } else {
            m_steps.append(step);
        }
    }
    if (repeats.isEmpty())
        return true;
    m_steps.clear();
    return fail(repeats.last().second.line, QStringLiteral("\"repeat\" without \"end\""));
}

bool ReplayScript::fail(int line, const QString &message)
{
    m_errorLine = line;
    m_error = message;
    return false;
}

bool ReplayScript::parseLine(const QString &line, int number)
{
    ReplayStep step;
    step.line = number;
    step.source = line;
    LineReader reader(line);
    const QString first = reader.word();
    const QVector<ReplayVerb> &verbs = replayVerbs();
    auto findVerb = [&verbs](const QString &name) -> const ReplayVerb * {
        for (const ReplayVerb &verb : verbs) {
            if (verb.name == name)
                return &verb;
        }
        return nullptr;
    };
    step.verb = findVerb(first);
    if (!step.verb) {
        // Two-word steps: "expect executed", "expect ring".
        const bool leadsTwoWordSteps = std::any_of(verbs.begin(), verbs.end(), [&first](const ReplayVerb &verb) {
            return verb.name.startsWith(first + QLatin1Char(' '));
        });
        if (!leadsTwoWordSteps)
            return fail(number, QStringLiteral("unknown step \"%1\"").arg(first));
        const QString second = reader.word();
        step.verb = findVerb(first + QLatin1Char(' ') + second);
        if (!step.verb)
            return fail(number, QStringLiteral("unknown step \"%1 %2\"").arg(first, second));
    }
    QString reason;
    if (!readArguments(reader, step, &reason))
        return fail(number, reason.isEmpty() ? QStringLiteral("\"%1\" takes %2").arg(step.verb->name, step.verb->usage)
                                             : reason);
    if (!reader.atEnd())
        return fail(number, QStringLiteral("unexpected text after \"%1\"").arg(step.verb->name));
    m_steps.append(step);
    return true;
}

bool ReplayScript::readArguments(LineReader &reader, ReplayStep &step, QString *reason)
{
    using A = ReplayArguments;
    switch (step.verb->arguments) {
    case A::None:
        return true;
    case A::Point:
    case A::PointButton: {
        bool okX = false;
        bool okY = false;
        step.point.setX(reader.word().toInt(&okX));
        step.point.setY(reader.word().toInt(&okY));
        if (!okX || !okY)
            return false;
        return step.verb->arguments == A::Point || reader.atEnd() || toButton(reader.word(), &step.button);
    }
    case A::KeyName: {
        step.name = reader.word();
        const QKeySequence sequence = QKeySequence::fromString(step.name, QKeySequence::PortableText);
        if (!step.name.isEmpty() && sequence.count() == 1 && sequence[0] != Qt::Key_unknown) {
            step.number = sequence[0];
            return true;
        }
        *reason = QStringLiteral("unknown key \"%1\"").arg(step.name);
        return false;
    }
    case A::Text:
        step.text = reader.rest();
        return true;
    case A::NeededText:
        step.text = reader.rest();
        step.name = step.text;
        return !step.text.isEmpty();
    case A::Answer:
        return toAnswer(reader.word(), &step.number);
    case A::NameSwitch:
        step.name = reader.word();
        return !step.name.isEmpty() && toSwitch(reader.word(), &step.on);
    case A::NameText:
        step.name = reader.word();
        step.text = reader.rest();
        return !step.name.isEmpty();
    case A::Count0:
    case A::Count1:
        return toInt(reader.word(), step.verb->arguments == A::Count1 ? 1 : 0, &step.number);
    case A::Theme:
        return toChoice(reader.word(), QStringLiteral("dark"), QStringLiteral("light"), &step.on);
    case A::Switch:
        return toSwitch(reader.word(), &step.on);
    case A::State:
        step.name = reader.word();
        step.number = stateNames().indexOf(step.name);
        if (step.number >= 0)
            return toSwitch(reader.word(), &step.on);
        *reason = QStringLiteral("unknown state \"%1\"; the states are %2")
                        .arg(step.name, stateNames().join(QStringLiteral(", ")));
        return false;
    case A::RingState:
        step.name = reader.word();
        if (step.name == QLatin1String("region"))
            return toInt(reader.word(), 0, &step.number);
        return step.name == QLatin1String("hidden") || step.name == QLatin1String("shown")
            || step.name == QLatin1String("committed");
    case A::MenuState:
        return toChoice(reader.word(), QStringLiteral("open"), QStringLiteral("closed"), &step.on);
    }
    return false;
}
