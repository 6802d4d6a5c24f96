// Strokewheel - mouse gestures for CAD drawing views.
// The replay script parser: what each step reads, and the line and reason of each mistake.
#include "app/ReplayScript.h"

#include <QtTest>


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
    void readmeListsEveryStep();
    void missingFile();
};

void tst_ReplayScript::step_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const int right = Qt::RightButton;
    QTest::newRow("press defaults to the right button")
        << "press 10 20" << "press" << QPoint(10, 20) << right << 0 << false << "" << "";
    QTest::newRow("negative coordinates") << "move -5 -7" << "move" << QPoint(-5, -7) << right << 0 << false << ""
                                          << "";
    QTest::newRow("release with the left button")
        << "release 1 2 left" << "release" << QPoint(1, 2) << int(Qt::LeftButton) << 0 << false << "" << "";
    QTest::newRow("key Escape") << "key Escape" << "key" << QPoint() << right << int(Qt::Key_Escape) << false
                                << "Escape" << "";
    QTest::newRow("key with modifier") << "key Ctrl+Z" << "key" << QPoint() << right
                                       << int(Qt::CTRL | Qt::Key_Z) << false << "Ctrl+Z" << "";
    QTest::newRow("command keeps its blanks inside")
        << "command   ZOOM  2X  " << "command" << QPoint() << right << 0 << false << "" << "ZOOM  2X";
    QTest::newRow("answer by name") << "answer Cancel" << "answer" << QPoint() << right << 2 << false << "" << "";
    QTest::newRow("click by a text with blanks")
        << "click Reset to Defaults" << "click" << QPoint() << right << 0 << false << "Reset to Defaults"
        << "Reset to Defaults";
    QTest::newRow("check off") << "check enableGesture_checkBox off" << "check" << QPoint() << right << 0 << false
                               << "enableGesture_checkBox" << "";
    QTest::newRow("text quoted keeps blanks") << "text search_lineEdit \" zoom \"" << "text" << QPoint() << right
                                              << 0 << false << "search_lineEdit" << " zoom ";
    QTest::newRow("choose") << "choose category_comboBox Draw" << "choose" << QPoint() << right << 0 << false
                            << "category_comboBox" << "Draw";
    QTest::newRow("region 0 is none") << "region 0" << "region" << QPoint() << right << 0 << false << "" << "";
    QTest::newRow("document") << "document 2" << "document" << QPoint() << right << 2 << false << "" << "";
    QTest::newRow("theme dark") << "theme dark" << "theme" << QPoint() << right << 0 << true << "" << "";
    QTest::newRow("block on") << "block on" << "block" << QPoint() << right << 0 << true << "" << "";
    QTest::newRow("last state") << "state dragging on" << "state" << QPoint() << right << 6 << true << "dragging"
                                << "";
    QTest::newRow("wait") << "wait 250" << "wait" << QPoint() << right << 250 << false << "" << "";
    QTest::newRow("screenshot") << "screenshot shots/a.png" << "screenshot" << QPoint() << right << 0 << false
                                << "shots/a.png" << "shots/a.png";
    QTest::newRow("print") << "print list.pdf" << "print" << QPoint() << right << 0 << false << "list.pdf" << "list.pdf";
    QTest::newRow("expect executed a macro")
        << "expect executed ^C^C_ZOOM _E" << "expect executed" << QPoint() << right << 0 << false
        << "^C^C_ZOOM _E" << "^C^C_ZOOM _E";
    QTest::newRow("expect nothing") << "expect nothing-executed" << "expect nothing-executed" << QPoint() << right
                                    << 0 << false << "" << "";
    QTest::newRow("expect setting") << "expect setting 44 ID_CIRCLE" << "expect setting" << QPoint() << right
                                    << 0 << false << "44" << "ID_CIRCLE";
    QTest::newRow("expect ring region") << "expect ring region 3" << "expect ring" << QPoint() << right << 3 << false
                                        << "region" << "";
    QTest::newRow("expect context menu open") << "expect context-menu open" << "expect context-menu" << QPoint()
                                              << right << 0 << true << "" << "";
    QTest::newRow("expect empty status") << "expect status" << "expect status" << QPoint() << right << 0 << false
                                         << "" << "";
}

void tst_ReplayScript::step()
{
    QFETCH(QString, line);
    ReplayScript script;
    QVERIFY2(script.parse(line), qPrintable(script.error()));
    QCOMPARE(script.steps().size(), 1);
    const ReplayStep step = script.steps().first();
    QTEST(step.verb->name, "verb");
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
    QTest::newRow("one coordinate") << "press 10" << "\"press\" takes X Y";
    QTest::newRow("unknown button") << "press 1 2 fourth" << "left|middle|right";
    QTest::newRow("move takes no button") << "move 1 2 left" << "unexpected text";
    QTest::newRow("unknown expectation") << "expect miracle" << "unknown step \"expect miracle\"";
    QTest::newRow("ring region without number") << "expect ring region" << "hidden|shown|committed|region N";
    QTest::newRow("ring half-open") << "expect ring open" << "hidden|shown|committed|region N";
    QTest::newRow("context menu shown") << "expect context-menu shown" << "open|closed";
    QTest::newRow("unknown key") << "key Hyperspace" << "unknown key";
    QTest::newRow("two keys") << "key Ctrl+A, B" << "unknown key";
    QTest::newRow("answer word") << "answer maybe" << "\"answer\" takes CODE";
    QTest::newRow("click nothing") << "click" << "\"click\" takes NAME";
    QTest::newRow("check without switch") << "check four_radioButton" << "NAME on|off";
    QTest::newRow("text without name") << "text" << "\"text\" takes NAME TEXT";
    QTest::newRow("region negative") << "region -1" << "\"region\" takes N";
    QTest::newRow("document zero") << "document 0" << "\"document\" takes N";
    QTest::newRow("wait without time") << "wait" << "\"wait\" takes MS";
    QTest::newRow("theme blue") << "theme blue" << "light|dark";
    QTest::newRow("block maybe") << "block maybe" << "\"block\" takes on|off";
    QTest::newRow("unknown state") << "state sleeping on" << "unknown state \"sleeping\"";
    QTest::newRow("state without switch") << "state panning" << "\"state\" takes NAME on|off";
    QTest::newRow("screenshot without file") << "screenshot" << "\"screenshot\" takes FILE";
    QTest::newRow("expect executed nothing") << "expect executed" << "\"expect executed\" takes TEXT";
    QTest::newRow("nothing-executed with text") << "expect nothing-executed GESTURE" << "unexpected text";
    QTest::newRow("setting without key") << "expect setting" << "\"expect setting\" takes KEY VALUE";
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

void tst_ReplayScript::readmeListsEveryStep()
{
    // The README's table is the one replayStepTable() writes: a new step shows up in both.
    QFile readme(QStringLiteral(SW_README));
    QVERIFY(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(readme.readAll());
    const QStringList rows = replayStepTable();
    QVERIFY2(text.contains(rows.join(QLatin1Char('\n'))), qPrintable(rows.join(QLatin1Char('\n'))));
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
