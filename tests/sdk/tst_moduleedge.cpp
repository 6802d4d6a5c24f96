// Strokewheel - mouse gestures for CAD drawing views.
// What a module throws stops at the SDK's edge, at each entry point: the host hears of it
// and runs on.
#include "host/OdEdCommand.h"
#include "sdk/CommandStack.h"
#include "sdk/ModuleLoader.h"
#include "standin/StandIn.h"

#include <QtTest>

class tst_ModuleEdge : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void throwStopsAtTheEdge_data();
    void throwStopsAtTheEdge();
};

void tst_ModuleEdge::init()
{
    standin::reset();
    standin::openDocument(QStringLiteral("A"));
}

void tst_ModuleEdge::throwStopsAtTheEdge_data()
{
    QTest::addColumn<QByteArray>("point");
    QTest::addColumn<QString>("report");
    // Unloading last: a module whose uninitApp failed stays mapped, and the next load
    // finds its module object again.
    for (const char *point : {"create", "initApp", "input", "pending", "command", "uninitApp"}) {
        QTest::addRow("%s, bad_alloc", point) << QByteArray(point) << QStringLiteral("out of memory");
        QTest::addRow("%s, int", point) << QByteArray(point) << QStringLiteral("an exception of unknown type");
    }
}

void tst_ModuleEdge::throwStopsAtTheEdge()
{
    QFETCH(QByteArray, point);
    QFETCH(QString, report);
    qputenv("SW_THROW_AT", point);
    qputenv("SW_THROW_KIND", QByteArray(QTest::currentDataTag()).endsWith("int") ? "int" : "bad_alloc");
    standin::Document *document = standin::activeDocument();
    fxsdk::ModuleLoader loader;
    QString error;
    if (point == "create" || point == "initApp") {
        QVERIFY(!loader.load(QStringLiteral(SW_FIXTURE_THROWING), &error));
        QVERIFY2(error.endsWith(QStringLiteral("failed: %1.").arg(report)), qPrintable(error));
        // What initApp registered before it threw is taken back.
        QCOMPARE(standin::registeredCommandCount(), 0);
        QVERIFY(standin::trackersOf(document).isEmpty());
        return;
    }
    QVERIFY2(loader.load(QStringLiteral(SW_FIXTURE_THROWING), &error), qPrintable(error));
    if (point == "input" || point == "pending") {
        const QString where = point == "input" ? QStringLiteral("input event") : QStringLiteral("command");
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("A tracker's %1 failed: %2").arg(where, report)));
        QTest::mousePress(standin::viewWidget(document), Qt::LeftButton, {}, QPoint(10, 10));
    } else if (point == "command") {
        QString failure;
        QVERIFY(dynamic_cast<fxsdk::CommandStack *>(odedRegCmds())->run(QStringLiteral("_THROW"), nullptr, &failure));
        QCOMPARE(failure, report);
    } else {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Unloading module .* failed: %1\\. Its file stays loaded\\.$").arg(report)));
    }
    loader.unload();
    QVERIFY(!loader.isLoaded());
    QCOMPARE(standin::registeredCommandCount(), 0);
}

QTEST_MAIN(tst_ModuleEdge)
#include "tst_moduleedge.moc"
