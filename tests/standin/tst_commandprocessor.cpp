// Strokewheel - mouse gestures for CAD drawing views.
// Tests of the stand-in's command processor: how it reads a command-line text, what it
// runs, what it reports on the command history and what it records.
#include "host/CFxSystemServices.h"
#include "host/OdEdCommand.h"
#include "standin/Catalogue.h"
#include "standin/CommandGroup.h"
#include "standin/CommandProcessor.h"
#include "standin/HostSignals.h"
#include "standin/StandIn.h"

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

OdRxObjectPtr execute(const QString &text, bool menuMacro = true, bool addToHistory = false)
{
    CFxSystemServices::CFxExpressionParserData data;
    data.m_bMenuMacro = menuMacro;
    data.m_bAddToHistory = addToHistory;
    return GetFxSystemServices()->ExecuteCommand(CFxString(text), data);
}

} // namespace

class tst_CommandProcessor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void parse_data();
    void parse();
    void history_data();
    void history();
    void actionGetsInput_data();
    void actionGetsInput();

private:
    OdStaticRxObject<EchoCommand> m_ping{"PING"};
    OdStaticRxObject<EchoCommand> m_fail{"FAIL", true};
};

void tst_CommandProcessor::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_CommandProcessor::init()
{
    standin::reset();
    standin::openDocument(QStringLiteral("Drawing1"));
    standin::CommandGroup *group = standin::catalogue()->addCommandGroup(QStringLiteral("View"));
    group->add(standin::catalogue()->addCommand(QStringLiteral("ID_ZOOM_EXTENTS"), QStringLiteral("^C^C_ZOOM _E"),
                                                QStringLiteral("Zoom Extents")));
    odedRegCmds()->AddCommand(&m_ping);
    odedRegCmds()->AddCommand(&m_fail);
}

void tst_CommandProcessor::cleanup()
{
    odedRegCmds()->RemoveCommand(&m_ping);
    odedRegCmds()->RemoveCommand(&m_fail);
}

void tst_CommandProcessor::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cancels");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("input");

    QTest::newRow("menu macro with input") << "^C^C_ZOOM _E" << 2 << "ZOOM" << "_E";
    QTest::newRow("typed, lower case") << "line" << 0 << "LINE" << "";
    QTest::newRow("transparent") << "'_PAN" << 0 << "PAN" << "";
    QTest::newRow("undefined-command prefix") << "._LINE 0,0" << 0 << "LINE" << "0,0";
    QTest::newRow("semicolons as enter") << "^C_ZOOM;_W;" << 1 << "ZOOM" << "_W;";
    QTest::newRow("cancels only") << "^C^C" << 2 << "" << "";
    QTest::newRow("blank") << "  " << 0 << "" << "";
    QTest::newRow("cancel after a blank is no cancel") << " ^C^C_LINE" << 0 << "^C^C_LINE" << "";
}

void tst_CommandProcessor::parse()
{
    QFETCH(QString, text);
    QFETCH(int, cancels);
    QFETCH(QString, name);
    QFETCH(QString, input);

    const standin::CommandLine line = standin::CommandLine::parse(text);
    QCOMPARE(line.cancels, cancels);
    QCOMPARE(line.name, name);
    QCOMPARE(line.input, input);
}

void tst_CommandProcessor::history_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("history");

    QTest::newRow("catalogue command") << "^C^C_ZOOM _W" << QStringList{"Command: _ZOOM _W"};
    QTest::newRow("catalogue command, typed") << "zoom" << QStringList{"Command: zoom"};
    QTest::newRow("registered command") << "^C^C_PING" << QStringList{"Command: _PING", "pong"};
    QTest::newRow("registered command, typed") << "ping" << QStringList{"Command: ping", "pong"};
    QTest::newRow("failing command") << "_FAIL" << QStringList{"Command: _FAIL", "FAIL failed: broken"};
    QTest::newRow("unknown command") << "^C^C_NOSUCH 1,1"
                                     << QStringList{"Command: _NOSUCH 1,1", "Unknown command \"NOSUCH\"."};
    QTest::newRow("cancels only") << "^C^C" << QStringList();
    QTest::newRow("empty") << "" << QStringList();
}

void tst_CommandProcessor::history()
{
    QFETCH(QString, text);
    QFETCH(QStringList, history);

    QSignalSpy lines(standin::hostSignals(), &standin::HostSignals::historyLine);
    QSignalSpy executed(standin::hostSignals(), &standin::HostSignals::commandExecuted);
    execute(text);

    QStringList actual;
    for (const QList<QVariant> &line : qAsConst(lines))
        actual.append(line.at(0).toString());
    QCOMPARE(actual, history);
    QCOMPARE(executed.size(), 1);
    QCOMPARE(executed.at(0).at(0).toString(), text);
}

void tst_CommandProcessor::actionGetsInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("inputs");

    QTest::newRow("macro with input") << "^C^C_ZOOM _E" << QStringList{"_E"};
    QTest::newRow("semicolons") << "_ZOOM;_W;" << QStringList{"_W;"};
    QTest::newRow("bare name") << "ZOOM" << QStringList{""};
    QTest::newRow("another command") << "^C^C_PING" << QStringList();
    QTest::newRow("cancels only") << "^C^C" << QStringList();
}

void tst_CommandProcessor::actionGetsInput()
{
    QFETCH(QString, text);
    QFETCH(QStringList, inputs);

    QStringList received;
    standin::setCommandAction(QStringLiteral("zoom"), [&received](const QString &input) { received.append(input); });
    execute(text);
    QCOMPARE(received, inputs);
}

QTEST_MAIN(tst_CommandProcessor)
#include "tst_commandprocessor.moc"
