// Strokewheel - mouse gestures for CAD drawing views.
// A command text run inside QGIS: the action it names, QGIS's map tool cancelled by "^C",
// the host's own commands, and what the user is told when an action cannot run.
#include "qgis/ActionCommandProcessor.h"
#include "qgis/MenuCatalogue.h"

#include "sdk/CommandStack.h"

#include "host/OdEdCommand.h"

#include <qgsapplication.h>
#include <qgsmapcanvas.h>
#include <qgsmaptool.h>

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

using qgishost::ActionCommandProcessor;

namespace {

class CountingTool : public QgsMapTool
{
public:
    explicit CountingTool(QgsMapCanvas *canvas) : QgsMapTool(canvas) {}
    void clean() override { ++cleaned; }
    int cleaned = 0;
};

class RecordingCommand : public OdEdCommand
{
public:
    OdString globalName() const override { return OdString("GESTURE"); }
    void execute(OdEdCommandContext *) override { ++runs; }
    int runs = 0;
};

}

class tst_ActionCommands : public QObject
{
    Q_OBJECT

private slots:
    void actions_data();
    void actions();
    void hostCommandRunsAsSuch();
};

void tst_ActionCommands::actions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("triggers");
    QTest::addColumn<int>("toolCleans");
    QTest::addColumn<QString>("report");
    QTest::newRow("menu macro: cancels the tool, then triggers")
        << "^C^CmActionZoomFullExtent" << true << 1 << 1 << QString();
    QTest::newRow("disabled action: not triggered, and said why")
        << "^C^CmActionZoomFullExtent" << false << 0 << 1 << "Zoom Full is not available now.";
    QTest::newRow("name's case matters") << "mactionzoomfullextent" << true << 0 << 0
                                         << "Unknown command \"mactionzoomfullextent\".";
    QTest::newRow("cancels alone") << "^C^C" << true << 0 << 1 << QString();
    QTest::newRow("one ^C cancels too") << "^CmActionZoomFullExtent" << true << 1 << 1 << QString();
}

void tst_ActionCommands::actions()
{
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(int, triggers);
    QFETCH(int, toolCleans);
    QFETCH(QString, report);
    QMainWindow window;
    QAction *zoom = window.menuBar()->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("Zoom &Full"));
    zoom->setObjectName(QStringLiteral("mActionZoomFullExtent"));
    zoom->setEnabled(enabled);
    QSignalSpy triggered(zoom, &QAction::triggered);
    QgsMapCanvas canvas;
    CountingTool tool(&canvas);
    canvas.setMapTool(&tool);
    const qgishost::MenuCatalogue catalogue(&window);
    fxsdk::CommandStack commands;
    QStringList reports;
    ActionCommandProcessor processor(catalogue, commands, &canvas, nullptr, [&](const QString &line) { reports << line; });

    processor.execute(text);
    // Not inside the input event that chose it.
    QCOMPARE(triggered.count(), 0);
    QTest::qWait(20);
    QCOMPARE(triggered.count(), triggers);
    QCOMPARE(tool.cleaned, toolCleans);
    QCOMPARE(reports, report.isEmpty() ? QStringList() : QStringList{report});
    canvas.unsetMapTool(&tool);
}

void tst_ActionCommands::hostCommandRunsAsSuch()
{
    QMainWindow window;
    // An action of the same name loses to the host's command.
    window.menuBar()->addMenu(QStringLiteral("&Plugins"))->addAction(QStringLiteral("x"))->setObjectName(QStringLiteral("GESTURE"));
    QgsMapCanvas canvas;
    const qgishost::MenuCatalogue catalogue(&window);
    fxsdk::CommandStack commands;
    OdStaticRxObject<RecordingCommand> gesture;
    commands.AddCommand(&gesture);
    QStringList reports;
    ActionCommandProcessor processor(catalogue, commands, &canvas, nullptr, [&](const QString &line) { reports << line; });
    processor.execute(QStringLiteral("gesture"));
    QCOMPARE(gesture.runs, 1);
    QVERIFY(reports.isEmpty());
    commands.RemoveCommand(&gesture);
}

int main(int argc, char *argv[])
{
    QgsApplication application(argc, argv, true);
    tst_ActionCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_actioncommands.moc"
