// Strokewheel - mouse gestures for CAD drawing views.
// The replay script parser: what each step reads, and the line and reason of each mistake.
#include "app/ReplayScript.h"

#include <QtTest>

using Kind = ReplayStep::Kind;
Q_DECLARE_METATYPE(ReplayStep::Kind)

class tst_ReplayScript : public QObject
{
    Q_OBJECT

private slots:
    void step_data();
    void step();
    void malformed_data();
    void malformed();
    void commentsAndBlankLinesKeepLineNumbers();
    void failureDropsEarlierSteps();
    void missingFile();
};

void tst_ReplayScript::step_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const int right = Qt::RightButton;
    QTest::newRow("press defaults to the right button")
        << "press 10 20" << Kind::Press << QPoint(10, 20) << right << 0 << false << "" << "";
    QTest::newRow("press with the middle button")
        << "press 10 20 middle" << Kind::Press << QPoint(10, 20) << int(Qt::MiddleButton) << 0 << false << "" << "";
    QTest::newRow("negative coordinates") << "move -5 -7" << Kind::Move << QPoint(-5, -7) << right << 0 << false << ""
                                          << "";
    QTest::newRow("release with the left button")
        << "release 1 2 left" << Kind::Release << QPoint(1, 2) << int(Qt::LeftButton) << 0 << false << "" << "";
    QTest::newRow("real press") << "real press 3 4" << Kind::RealPress << QPoint(3, 4) << right << 0 << false << ""
                                << "";
    QTest::newRow("real move") << "real move 3 4" << Kind::RealMove << QPoint(3, 4) << right << 0 << false << "" << "";
    QTest::newRow("key Escape") << "key Escape" << Kind::Key << QPoint() << right << int(Qt::Key_Escape) << false
                                << "Escape" << "";
    QTest::newRow("key with modifier") << "key Ctrl+Z" << Kind::Key << QPoint() << right
                                       << int(Qt::CTRL | Qt::Key_Z) << false << "Ctrl+Z" << "";
    QTest::newRow("command keeps its blanks inside")
        << "command   ZOOM  2X  " << Kind::Command << QPoint() << right << 0 << false << "" << "ZOOM  2X";
    QTest::newRow("answer by code") << "answer 7" << Kind::Answer << QPoint() << right << 7 << false << "" << "";
    QTest::newRow("answer by name") << "answer Cancel" << Kind::Answer << QPoint() << right << 2 << false << "" << "";
    QTest::newRow("click by a text with blanks")
        << "click Reset to Defaults" << Kind::Click << QPoint() << right << 0 << false << "Reset to Defaults"
        << "Reset to Defaults";
    QTest::newRow("check off") << "check enableGesture_checkBox off" << Kind::Check << QPoint() << right << 0 << false
                               << "enableGesture_checkBox" << "";
    QTest::newRow("text to empty") << "text search_lineEdit \"\"" << Kind::Text << QPoint() << right << 0 << false
                                   << "search_lineEdit" << "";
    QTest::newRow("text quoted keeps blanks") << "text search_lineEdit \" zoom \"" << Kind::Text << QPoint() << right
                                              << 0 << false << "search_lineEdit" << " zoom ";
    QTest::newRow("choose") << "choose category_comboBox Draw" << Kind::Choose << QPoint() << right << 0 << false
                            << "category_comboBox" << "Draw";
    QTest::newRow("select") << "select Zoom Extents" << Kind::Select << QPoint() << right << 0 << false
                            << "Zoom Extents" << "Zoom Extents";
    QTest::newRow("region 0 is none") << "region 0" << Kind::Region << QPoint() << right << 0 << false << "" << "";
    QTest::newRow("layout") << "layout Sheet1" << Kind::Layout << QPoint() << right << 0 << false << "Sheet1"
                            << "Sheet1";
    QTest::newRow("document") << "document 2" << Kind::Document << QPoint() << right << 2 << false << "" << "";
    QTest::newRow("theme dark") << "theme dark" << Kind::Theme << QPoint() << right << 0 << true << "" << "";
    QTest::newRow("block on") << "block on" << Kind::Block << QPoint() << right << 0 << true << "" << "";
    QTest::newRow("last state") << "state dragging on" << Kind::State << QPoint() << right << 6 << true << "dragging"
                                << "";
    QTest::newRow("first state") << "state command-in-progress off" << Kind::State << QPoint() << right << 0 << false
                                 << "command-in-progress" << "";
    QTest::newRow("wait") << "wait 250" << Kind::Wait << QPoint() << right << 250 << false << "" << "";
    QTest::newRow("screenshot") << "screenshot shots/a.png" << Kind::Screenshot << QPoint() << right << 0 << false
                                << "" << "shots/a.png";
    QTest::newRow("print") << "print list.pdf" << Kind::Print << QPoint() << right << 0 << false << "" << "list.pdf";
    QTest::newRow("expect executed a macro")
        << "expect executed ^C^C_ZOOM _E" << Kind::ExpectExecuted << QPoint() << right << 0 << false << ""
        << "^C^C_ZOOM _E";
    QTest::newRow("expect nothing") << "expect nothing-executed" << Kind::ExpectNothingExecuted << QPoint() << right
                                    << 0 << false << "" << "";
    QTest::newRow("expect setting") << "expect setting 44 ID_CIRCLE" << Kind::ExpectSetting << QPoint() << right
                                    << 0 << false << "44" << "ID_CIRCLE";
    QTest::newRow("expect setting empty") << "expect setting 81 \"\"" << Kind::ExpectSetting << QPoint() << right
                                          << 0 << false << "81" << "";
    QTest::newRow("expect empty status") << "expect status" << Kind::ExpectStatus << QPoint() << right << 0 << false
                                         << "" << "";
}

void tst_ReplayScript::step()
{
    QFETCH(QString, line);
    ReplayScript script;
    QVERIFY2(script.parse(line), qPrintable(script.error()));
    QCOMPARE(script.steps().size(), 1);
    const ReplayStep step = script.steps().first();
    QTEST(step.kind, "kind");
    QTEST(step.point, "point");
    QTEST(int(step.button), "button");
    QTEST(step.number, "number");
    QTEST(step.on, "on");
    QTEST(step.name, "name");
    QTEST(step.text, "text");
    QCOMPARE(step.line, 1);
    QCOMPARE(step.source, line.trimmed());
}

void tst_ReplayScript::malformed_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reason");

    QTest::newRow("unknown step") << "jump 1 2" << "unknown step \"jump\"";
    QTest::newRow("steps are lower case") << "Press 1 2" << "unknown step \"Press\"";
    QTest::newRow("one coordinate") << "press 10" << "needs two whole numbers";
    QTest::newRow("fractional coordinate") << "move 1.5 2" << "needs two whole numbers";
    QTest::newRow("unknown button") << "press 1 2 fourth" << "left, middle or right";
    QTest::newRow("move takes no button") << "move 1 2 left" << "unexpected text";
    QTest::newRow("real without action") << "real click 1 2" << "press, move or release";
    QTest::newRow("unknown key") << "key Hyperspace" << "unknown key";
    QTest::newRow("two keys") << "key Ctrl+A, B" << "unknown key";
    QTest::newRow("answer word") << "answer maybe" << "message-box code";
    QTest::newRow("click nothing") << "click" << "needs a name";
    QTest::newRow("check without switch") << "check four_radioButton" << "on or off";
    QTest::newRow("check with yes") << "check four_radioButton yes" << "on or off";
    QTest::newRow("text without name") << "text" << "needs a widget name";
    QTest::newRow("region negative") << "region -1" << "at least 0";
    QTest::newRow("document zero") << "document 0" << "at least 1";
    QTest::newRow("wait without time") << "wait" << "whole number";
    QTest::newRow("theme blue") << "theme blue" << "light or dark";
    QTest::newRow("block maybe") << "block maybe" << "on or off";
    QTest::newRow("unknown state") << "state sleeping on" << "unknown state \"sleeping\"";
    QTest::newRow("state without switch") << "state panning" << "on or off";
    QTest::newRow("screenshot without file") << "screenshot" << "needs a file name";
    QTest::newRow("expect what") << "expect miracle" << "unknown expectation";
    QTest::newRow("expect executed nothing") << "expect executed" << "needs the executed text";
    QTest::newRow("nothing-executed with text") << "expect nothing-executed GESTURE" << "unexpected text";
    QTest::newRow("setting without key") << "expect setting" << "needs a key";
}

void tst_ReplayScript::malformed()
{
    QFETCH(QString, line);
    QFETCH(QString, reason);
    ReplayScript script;
    QVERIFY(!script.parse(QStringLiteral("# first\ncommand LINE\n") + line + QStringLiteral("\nwait 10\n")));
    QCOMPARE(script.errorLine(), 3);
    QVERIFY2(script.error().contains(reason), qPrintable(script.error()));
}

void tst_ReplayScript::commentsAndBlankLinesKeepLineNumbers()
{
    ReplayScript script;
    QVERIFY(script.parse(QStringLiteral("# a comment\n\n   # indented comment\n  press 1 2  \n\r\nrelease 1 2\n")));
    QCOMPARE(script.steps().size(), 2);
    QCOMPARE(script.steps().at(0).line, 4);
    QCOMPARE(script.steps().at(1).line, 6);
    // "#" inside a text is no comment.
    QVERIFY(script.parse(QStringLiteral("command ZOOM #2")));
    QCOMPARE(script.steps().first().text, QStringLiteral("ZOOM #2"));
}

void tst_ReplayScript::failureDropsEarlierSteps()
{
    ReplayScript script;
    QVERIFY(!script.parse(QStringLiteral("press 1 2\nrelease 1 2\nbogus\n")));
    QVERIFY(script.steps().isEmpty());
    QCOMPARE(script.errorLine(), 3);
    // A later good parse starts afresh.
    QVERIFY(script.parse(QStringLiteral("wait 5")));
    QCOMPARE(script.steps().size(), 1);
    QCOMPARE(script.errorLine(), 0);
    QVERIFY(script.error().isEmpty());
}

void tst_ReplayScript::missingFile()
{
    QTemporaryDir folder;
    ReplayScript script;
    QVERIFY(!script.load(folder.filePath(QStringLiteral("absent.replay"))));
    QCOMPARE(script.errorLine(), 0);
    QVERIFY(script.error().startsWith(QLatin1String("cannot read the script")));
}

QTEST_GUILESS_MAIN(tst_ReplayScript)
#include "tst_replayscript.moc"
