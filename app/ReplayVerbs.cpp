// Strokewheel - mouse gestures for CAD drawing views.
// The steps of a replay script: name, arguments, what the README says, and the runner.
#include "app/ReplayRunner.h"
#include "app/ReplayStep.h"

const QVector<ReplayVerb> &replayVerbs()
{
    using A = ReplayArguments;
    using R = ReplayRunner;
    static const QVector<ReplayVerb> verbs = {
        {QStringLiteral("press"), A::PointButton, QStringLiteral("X Y [left|middle|right]"),
         QStringLiteral("a button goes down at a point of the active drawing view (default: right)"), &R::mouse},
        {QStringLiteral("move"), A::Point, QStringLiteral("X Y"), QStringLiteral("the pointer moves there: one move event"),
         &R::mouse},
        {QStringLiteral("release"), A::PointButton, QStringLiteral("X Y [left|middle|right]"),
         QStringLiteral("the button goes up there"), &R::mouse},
        {QStringLiteral("quick"), A::Switch, QStringLiteral("on|off"),
         QStringLiteral("on: the mouse steps (and waits) up to the next other step go out together without waiting "
                        "for the application, through the X server as one burst, as fast as a hand's"),
         &R::quick},
        {QStringLiteral("repeat"), A::Count1, QStringLiteral("N"),
         QStringLiteral("the steps up to the matching `end` run N times"), nullptr},
        {QStringLiteral("end"), A::None, QString(), QStringLiteral("closes a `repeat`"), nullptr},
        {QStringLiteral("key"), A::KeyName, QStringLiteral("NAME"),
         QStringLiteral("a key press and release (Qt key names: `Escape`, `Ctrl+Z`) to the keyboard grabber, else an "
                        "open menu, else the focus widget"),
         &R::pressKey},
        {QStringLiteral("type"), A::Text, QStringLiteral("TEXT"),
         QStringLiteral("types TEXT key by key (letters as capitals), then Return, wherever `key` would send them"),
         &R::typeKeys},
        {QStringLiteral("command"), A::Text, QStringLiteral("TEXT"),
         QStringLiteral("types TEXT on the command line and presses Return"), &R::typeCommand},
        {QStringLiteral("answer"), A::Answer, QStringLiteral("CODE"),
         QStringLiteral("the next host message box returns CODE (`1`/`ok`, `2`/`cancel`, `6`/`yes`, `7`/`no`) without "
                        "showing"),
         &R::answer},
        {QStringLiteral("click"), A::NeededText, QStringLiteral("NAME"),
         QStringLiteral("clicks the button of that object name, or text (`OK`), in the open dialog, else the main "
                        "window"),
         &R::click},
        {QStringLiteral("check"), A::NameSwitch, QStringLiteral("NAME on|off"),
         QStringLiteral("checks or unchecks that check box or radio button"), &R::check},
        {QStringLiteral("text"), A::NameText, QStringLiteral("NAME TEXT"),
         QStringLiteral("replaces the text of that line edit (`\"\"` for empty)"), &R::setText},
        {QStringLiteral("choose"), A::NameText, QStringLiteral("NAME TEXT"),
         QStringLiteral("chooses the item TEXT of that combo box"), &R::choose},
        {QStringLiteral("select"), A::NeededText, QStringLiteral("CAPTION"),
         QStringLiteral("presses the row of the dialog's command table showing that command"), &R::selectRow},
        {QStringLiteral("region"), A::Count0, QStringLiteral("N"),
         QStringLiteral("picks item N (0 = None) of the open region editor in the table"), &R::chooseRegion},
        {QStringLiteral("print"), A::NeededText, QStringLiteral("FILE"),
         QStringLiteral("accepts the open print dialog, printing to the PDF file FILE; fails when nothing was printed there"), &R::print},
        {QStringLiteral("layout"), A::NeededText, QStringLiteral("NAME"),
         QStringLiteral("makes that layout of the active drawing current"), &R::layout},
        {QStringLiteral("document"), A::Count1, QStringLiteral("N"),
         QStringLiteral("activates drawing N (from 1)"), &R::document},
        {QStringLiteral("theme"), A::Theme, QStringLiteral("light|dark"), QStringLiteral("the host's theme"), &R::theme},
        {QStringLiteral("block"), A::Switch, QStringLiteral("on|off"),
         QStringLiteral("opens or closes the block editor"), &R::block},
        {QStringLiteral("state"), A::State, QStringLiteral("NAME on|off"),
         QStringLiteral("one of `command-in-progress`, `modal-state`, `grip-editing`, `window-selecting`, `panning`, "
                        "`transparent-command`, `dragging`"),
         &R::setState},
        {QStringLiteral("wait"), A::Count0, QStringLiteral("MS"), QStringLiteral("pause"), &R::wait},
        {QStringLiteral("await"), A::NeededText, QStringLiteral("FILE"),
         QStringLiteral("pause until FILE exists in the output folder (another process says it is done), "
                        "at most 2 minutes"),
         &R::await},
        {QStringLiteral("screenshot"), A::NeededText, QStringLiteral("FILE"),
         QStringLiteral("picture of the ring over the window, else of the dialog, else of the window"), &R::screenshot},
        {QStringLiteral("expect executed"), A::NeededText, QStringLiteral("TEXT"),
         QStringLiteral("TEXT ran since the command the previous `expect executed` matched (or since "
                        "`nothing-executed`)"), &R::expectExecuted},
        {QStringLiteral("expect runs"), A::Count0, QStringLiteral("N"),
         QStringLiteral("exactly N commands ran since the previous expectation of what ran (which they leave to the "
                        "next one)"),
         &R::expectRuns},
        {QStringLiteral("expect nothing-executed"), A::None, QString(), QStringLiteral("nothing ran since then"),
         &R::expectNothingExecuted},
        {QStringLiteral("expect setting"), A::NameText, QStringLiteral("KEY VALUE"),
         QStringLiteral("the `Strokewheel` settings hold KEY = VALUE (`\"\"` for empty)"), &R::expectSetting},
        {QStringLiteral("expect status"), A::Text, QStringLiteral("TEXT"), QStringLiteral("the status line shows TEXT"),
         &R::expectStatus},
        {QStringLiteral("expect ring"), A::RingState, QStringLiteral("hidden|shown|committed|region N"),
         QStringLiteral("the ring is off screen, on screen, on screen with its choice made, or on screen pointing at "
                        "region N (from 1; 0 = none)"),
         &R::expectRing},
        {QStringLiteral("expect see-through"), A::None, QString(),
         QStringLiteral("on the X server's screen the drawing shows around the shown ring and in its middle"),
         &R::expectSeeThrough},
        {QStringLiteral("expect translucent"), A::None, QString(),
         QStringLiteral("on the X server's screen the shown ring's band shows the drawing beneath it: darker where "
                        "the drawing is dark"),
         &R::expectTranslucent},
        {QStringLiteral("expect context-menu"), A::MenuState, QStringLiteral("open|closed"),
         QStringLiteral("the drawing view's context menu is open or not"), &R::expectContextMenu},
    };
    return verbs;
}

QStringList replayStepTable()
{
    QStringList rows = {QStringLiteral("| step | does |"), QStringLiteral("|---|---|")};
    for (const ReplayVerb &verb : replayVerbs()) {
        QString step = verb.usage.isEmpty() ? verb.name : verb.name + QLatin1Char(' ') + verb.usage;
        rows << QStringLiteral("| `%1` | %2 |").arg(step.replace(QLatin1Char('|'), QLatin1String("\\|")), verb.does);
    }
    return rows;
}
