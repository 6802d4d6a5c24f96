// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the stand-in's command processor: how it reads a command-line text, what it
// runs and what it reports on the command history.
#include "host/CFxSystemServices.h"
#include "host/OdEdCommand.h"
#include "standin/Catalogue.h"
#include "standin/CommandGroup.h"
#include "standin/CommandProcessor.h"
#include "standin/HostSignals.h"
#include "standin/StandIn.h"
#include "tests/support/TestMain.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A registered command that answers on the command history, or fails.
class EchoCommand : public OdEdCommand
{
public:
    explicit EchoCommand(const char *name, bool fails = false) : m_name(name), m_fails(fails) {}
    OdString globalName() const override { return OdString(m_name); }
    void execute(OdEdCommandContext *) override
    {
        if (m_fails)
            throw OdError(OdString("broken"));
        emit standin::hostSignals()->historyLine(QStringLiteral("pong"));
    }

private:
    const char *m_name;
    bool m_fails;
};

void runText(const QString &text)
{
    CFxSystemServices::CFxExpressionParserData data;
    data.m_bMenuMacro = true;
    GetFxSystemServices()->ExecuteCommand(CFxString(text), data);
}

} // namespace

class tst_CommandProcessor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void execute_data();
    void execute();

private:
    OdStaticRxObject<EchoCommand> m_ping{"PING"};
    OdStaticRxObject<EchoCommand> m_fail{"FAIL", true};
};

void tst_CommandProcessor::init()
{
    standin::reset();
    standin::openDocument(QStringLiteral("Drawing1"));
    standin::CommandGroup *group = standin::catalogue()->addCommandGroup(QStringLiteral("View"));
    group->add(standin::catalogue()->addCommand(QStringLiteral("ID_ZOOM_EXTENTS"), QStringLiteral("^C^C_ZOOM _E"),
                                                QStringLiteral("Zoom Extents")));
    group->add(standin::catalogue()->addCommand(QStringLiteral("ID_PAN"), QStringLiteral("'_PAN"), QStringLiteral("Pan")));
    odedRegCmds()->AddCommand(&m_ping);
    odedRegCmds()->AddCommand(&m_fail);
}

void tst_CommandProcessor::cleanup()
{
    odedRegCmds()->RemoveCommand(&m_ping);
    odedRegCmds()->RemoveCommand(&m_fail);
}

void tst_CommandProcessor::execute_data()
{
    // inputs: what the action of ZOOM receives.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<QStringList>("inputs");

    QTest::newRow("menu macro with input") << "^C^C_ZOOM _E" << QStringList{"Command: _ZOOM _E"} << QStringList{"_E"};
    QTest::newRow("semicolons as enter") << "^C_ZOOM;_W;" << QStringList{"Command: _ZOOM;_W;"} << QStringList{"_W;"};
    QTest::newRow("typed, lower case") << "zoom" << QStringList{"Command: zoom"} << QStringList{""};
    QTest::newRow("catalogue command without action") << "'_PAN" << QStringList{"Command: '_PAN"} << QStringList();
    QTest::newRow("registered command") << "^C^C_PING" << QStringList{"Command: _PING", "pong"} << QStringList();
    QTest::newRow("registered command, typed") << "ping" << QStringList{"Command: ping", "pong"} << QStringList();
    QTest::newRow("failing command") << "_FAIL" << QStringList{"Command: _FAIL", "FAIL failed: broken"} << QStringList();
    QTest::newRow("unknown command")
        << "^C^C_NOSUCH 1,1" << QStringList{"Command: _NOSUCH 1,1", "Unknown command \"NOSUCH\"."} << QStringList();
    QTest::newRow("undefined-command prefix")
        << "^C^C._LINE 0,0" << QStringList{"Command: ._LINE 0,0", "Unknown command \"LINE\"."} << QStringList();
    QTest::newRow("dash belongs to the word")
        << "^C^C_-VIEW _TOP" << QStringList{"Command: _-VIEW _TOP", "Unknown command \"-VIEW\"."} << QStringList();
    QTest::newRow("cancel after a blank is no cancel")
        << " ^C^C_LINE" << QStringList{"Command: ^C^C_LINE", "Unknown command \"^C^C_LINE\"."} << QStringList();
    QTest::newRow("cancels only") << "^C^C" << QStringList() << QStringList();
    QTest::newRow("blank") << "  " << QStringList() << QStringList();
}

void tst_CommandProcessor::execute()
{
    QFETCH(QString, text);
    QFETCH(QStringList, history);
    QFETCH(QStringList, inputs);

    QStringList received;
    standin::setCommandAction(QStringLiteral("zoom"), [&received](const QString &input) { received.append(input); });
    QSignalSpy lines(standin::hostSignals(), &standin::HostSignals::historyLine);
    QSignalSpy executed(standin::hostSignals(), &standin::HostSignals::commandExecuted);
    runText(text);

    QStringList actual;
    for (const QList<QVariant> &line : qAsConst(lines))
        actual.append(line.at(0).toString());
    QCOMPARE(actual, history);
    QCOMPARE(received, inputs);
    // Standard output says "executed" only for what ran.
    const bool unknown = !history.filter(QStringLiteral("Unknown command")).isEmpty();
    QCOMPARE(executed.size(), unknown ? 0 : 1);
    if (!unknown)
        QCOMPARE(executed.at(0).at(0).toString(), text);
}

SW_TEST_MAIN(tst_CommandProcessor)
#include "tst_commandprocessor.moc"
