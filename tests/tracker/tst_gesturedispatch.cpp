// Strokewheel - mouse gestures for CAD drawing views.
// Tests of running a gesture's command: the text the host's command processor gets, the
// block-editor rule, and the guard against re-entry.
#include "tracker/K2MouseGestureTracker.h"

#include "host/CFxUtils.h"
#include "host/OdEdCommand.h"
#include "standin/StandIn.h"
#include "tests/support/TestMain.h"

#include <QtTest>

namespace {

// Runs the tracker's pending command once more from inside its own run, as a host
// whose command processing calls back into its trackers would.
class ReenteringCommand : public OdEdCommand
{
public:
    OdString globalName() const override { return OdString("REENTER"); }
    void execute(OdEdCommandContext *) override
    {
        ++runs;
        pendingDuringRun = tracker->m_pendingCommand.toQString();
        innerResult = tracker->ExecutePendingCommand();
    }

    K2MouseGestureTracker *tracker = nullptr;
    int runs = 0;
    QString pendingDuringRun;
    bool innerResult = true;
};

} // namespace

class tst_GestureDispatch : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void sentText_data();
    void sentText();
    void reentryReturnsFalseAndKeepsText();
    void emptyPendingText();
};

void tst_GestureDispatch::init()
{
    standin::reset();
    standin::openDocument(QStringLiteral("Drawing1"));
    standin::setRestriction(QStringLiteral("BPARAMETER"), kCommandBlockEditorOnly);
    standin::setRestriction(QStringLiteral("BCLOSE"), kCommandBlockEditorOnly);
    standin::setRestriction(QStringLiteral("COMPCLOSE"), kCommandEditComponentOnly);
    standin::setRestriction(QStringLiteral("MVIEW"), kCommandSheetOnly);
}

void tst_GestureDispatch::sentText_data()
{
    QTest::addColumn<QString>("pending");
    QTest::addColumn<QString>("editedBlock");
    QTest::addColumn<bool>("customBlock");
    QTest::addColumn<QString>("expected");

    const QString door = QStringLiteral("Door");
    const QString line = QStringLiteral("^C^C_LINE 0,0 10,10");
    const QString parameter = QStringLiteral("^C^C_BPARAMETER _Linear 0,0");

    QTest::newRow("unrestricted, outside the block editor") << line << QString() << false << line;
    QTest::newRow("unrestricted, block open") << line << door << false << line;
    QTest::newRow("unrestricted, custom block") << line << QString() << true << line;
    QTest::newRow("block editor only, block open") << parameter << door << false << QStringLiteral("^C^C_BPARAMETER");
    QTest::newRow("block editor only, custom block") << parameter << QString() << true << QStringLiteral("^C^C_BPARAMETER");
    QTest::newRow("block editor only, outside") << parameter << QString() << false << parameter;
    QTest::newRow("block editor only, without prefix")
        << QStringLiteral("_BPARAMETER _Point") << door << false << QStringLiteral("_BPARAMETER");
    QTest::newRow("block editor only, prefix twice")
        << QStringLiteral("^C^C^C^C_BPARAMETER _Point") << door << false << QStringLiteral("^C^C^C^C_BPARAMETER");
    QTest::newRow("block editor only, one word") << QStringLiteral("^C^C_BCLOSE") << door << false
                                                 << QStringLiteral("^C^C_BCLOSE");
    QTest::newRow("block editor only, leading space") << QStringLiteral(" _BCLOSE _Save") << door << false << QString();
    QTest::newRow("block editor only, two spaces") << QStringLiteral("^C^C_BCLOSE  _Save") << door << false
                                                   << QStringLiteral("^C^C_BCLOSE");
    QTest::newRow("component only, block open") << QStringLiteral("^C^C_COMPCLOSE _Discard") << door << true
                                                 << QStringLiteral("^C^C_COMPCLOSE _Discard");
    QTest::newRow("sheet only, block open") << QStringLiteral("^C^C_MVIEW _Fit") << door << true
                                            << QStringLiteral("^C^C_MVIEW _Fit");
    QTest::newRow("sheet only, outside") << QStringLiteral("^C^C_MVIEW _Fit") << QString() << false
                                         << QStringLiteral("^C^C_MVIEW _Fit");
}

void tst_GestureDispatch::sentText()
{
    QFETCH(QString, pending);
    QFETCH(QString, editedBlock);
    QFETCH(bool, customBlock);
    QFETCH(QString, expected);

    standin::setEditedBlockName(editedBlock);
    standin::setCustomBlockCommand(customBlock);
    K2MouseGestureTracker tracker;
    tracker.m_pendingCommand = CFxString(pending);

    QVERIFY(tracker.HasPendingCommand());
    QVERIFY(tracker.ExecutePendingCommand());

    const QList<standin::ExecutedCommand> executed = standin::executedCommands();
    QCOMPARE(executed.size(), 1);
    QCOMPARE(executed.first().text, expected);
    QVERIFY(executed.first().menuMacro);
    QVERIFY(!executed.first().addToHistory);
    QVERIFY(!executed.first().transparent);
    QVERIFY(!tracker.HasPendingCommand());
    QVERIFY(!tracker.m_executing);
}

void tst_GestureDispatch::reentryReturnsFalseAndKeepsText()
{
    K2MouseGestureTracker tracker;
    OdStaticRxObject<ReenteringCommand> command;
    command.tracker = &tracker;
    odedRegCmds()->AddCommand(&command);
    const QString text = QStringLiteral("^C^C_REENTER now");
    tracker.m_pendingCommand = CFxString(text);

    QVERIFY(tracker.ExecutePendingCommand());

    QCOMPARE(command.runs, 1);
    QVERIFY(!command.innerResult);
    QCOMPARE(command.pendingDuringRun, text);
    QCOMPARE(standin::executedCommandTexts(), QStringList{text});
    QVERIFY(!tracker.HasPendingCommand());

    // The guard is down again once the run is over.
    tracker.m_pendingCommand = CFxString("_LINE");
    QVERIFY(tracker.ExecutePendingCommand());
    QCOMPARE(standin::executedCommandTexts(), (QStringList{text, QStringLiteral("_LINE")}));
    odedRegCmds()->RemoveCommand(&command);
}

void tst_GestureDispatch::emptyPendingText()
{
    K2MouseGestureTracker tracker;
    QVERIFY(!tracker.HasPendingCommand());

    // A host that runs it anyway hands the empty text to its command processor.
    QVERIFY(tracker.ExecutePendingCommand());
    QCOMPARE(standin::executedCommandTexts(), QStringList{QString()});
    QVERIFY(!tracker.HasPendingCommand());
}

SW_TEST_MAIN(tst_GestureDispatch)
#include "tst_gesturedispatch.moc"
