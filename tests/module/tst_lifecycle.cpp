// Strokewheel - mouse gestures for CAD drawing views.
// The module object against the stand-in host: what it registers, when, and in which order.
#include "module/K2Strokewheel.h"

#include "standin/StandIn.h"

#include <QtTest>

extern "C" rz_OdRxModule *odrxCreateModuleObject(HMODULE &handle);

namespace {
// The module object a host gets, deleted through the module interface as a host does.
struct ModuleHandle
{
    rz_OdRxModule *module = nullptr;
    ModuleHandle()
    {
        HMODULE handle = reinterpret_cast<HMODULE>(0x1234);
        module = odrxCreateModuleObject(handle);
    }
    ~ModuleHandle()
    {
        if (module)
            module->deleteModule();
    }
    K2Strokewheel *strokewheel() const { return static_cast<K2StrokewheelModule *>(module); }
};
}

class tst_Lifecycle : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void createTwiceKeepsHandle();
    void referenceCountNeverDeletes();
    void closingOrder();
    void commandWaitsForMainFrame();
    void appStartedAddsCommandAgain();
    void documentsBeforeAndAfterInit();
    void closingDocumentDetachesTracker();
    void missingLinkSkipsOnlyItsStep_data();
    void missingLinkSkipsOnlyItsStep();
    void nullDocumentAndNoInputManagerSkipped();
    void hostWithoutAppClosing();
};

void tst_Lifecycle::init()
{
    standin::reset();
}

void tst_Lifecycle::createTwiceKeepsHandle()
{
    HMODULE first = reinterpret_cast<HMODULE>(0x1111);
    rz_OdRxModule *module = odrxCreateModuleObject(first);
    QVERIFY(module);
    QCOMPARE(first, HMODULE(nullptr));   // the handle moved into the object
    QCOMPARE(module->sysData(), reinterpret_cast<void *>(0x1111));

    HMODULE second = reinterpret_cast<HMODULE>(0x2222);
    QCOMPARE(odrxCreateModuleObject(second), module);
    QCOMPARE(second, reinterpret_cast<HMODULE>(0x2222));
    QCOMPARE(module->sysData(), reinterpret_cast<void *>(0x1111));

    module->deleteModule();
    HMODULE third = reinterpret_cast<HMODULE>(0x3333);
    rz_OdRxModule *fresh = odrxCreateModuleObject(third);
    QCOMPARE(third, HMODULE(nullptr));   // the singleton was cleared by the delete
    QCOMPARE(fresh->sysData(), reinterpret_cast<void *>(0x3333));
    fresh->deleteModule();
}

void tst_Lifecycle::referenceCountNeverDeletes()
{
    ModuleHandle handle;
    QCOMPARE(handle.module->numRefs(), 0L);
    OdRxObjectPtr a(handle.module);
    OdRxObjectPtr b(handle.module);
    QCOMPARE(handle.module->numRefs(), 2L);
    // References through the other bases count on the same counter.
    static_cast<OdEdCommandStackReactor *>(handle.strokewheel())->addRef();
    QCOMPARE(handle.module->numRefs(), 3L);
    static_cast<OdEdCommandStackReactor *>(handle.strokewheel())->release();
    a.release();
    b.release();
    QCOMPARE(handle.module->numRefs(), 0L);
    handle.module->release();   // below zero: still alive, deletion is deleteModule's
    QCOMPARE(handle.module->numRefs(), -1L);
    QCOMPARE(handle.module->sysData(), reinterpret_cast<void *>(0x1234));
}

void tst_Lifecycle::closingOrder()
{
    standin::openDocument(QStringLiteral("A"));
    standin::openDocument(QStringLiteral("B"));
    ModuleHandle handle;
    handle.module->initApp();
    standin::clearRegistrationLog();
    standin::sendAppClosing();
    QCOMPARE(standin::registrationLog(), QStringList({"RemoveCommand _GESTURE", "RemoveReactor", "RemoveTracker A",
                                                      "RemoveTracker B", "RemoveEditorReactor"}));
    standin::clearRegistrationLog();
    handle.module->uninitApp();
    QCOMPARE(standin::registrationLog(), QStringList({"RemoveEditorReactor"}));
    QCOMPARE(standin::registeredCommandCount(), 0);
    QCOMPARE(standin::documentReactorCount(), 0);
    QCOMPARE(standin::editorReactorCount(), 0);
}

void tst_Lifecycle::commandWaitsForMainFrame()
{
    standin::setPresent(standin::Link::MainFrame, false);
    ModuleHandle handle;
    handle.module->initApp();
    QVERIFY(!standin::lookupCommand(QStringLiteral("GESTURE")));
    QCOMPARE(standin::documentReactorCount(), 1);   // the rest did not wait
    standin::setPresent(standin::Link::MainFrame, true);
    standin::sendAppStarted();
    QVERIFY(standin::lookupCommand(QStringLiteral("GESTURE")));
}

void tst_Lifecycle::appStartedAddsCommandAgain()
{
    ModuleHandle handle;
    handle.module->initApp();
    standin::sendAppStarted();
    QCOMPARE(standin::registrationLog().count(QStringLiteral("AddCommand _GESTURE")), 2);
    QCOMPARE(standin::registeredCommandCount(), 1);
}

void tst_Lifecycle::documentsBeforeAndAfterInit()
{
    standin::Document *before = standin::openDocument(QStringLiteral("Before"));
    ModuleHandle handle;
    handle.module->initApp();
    standin::clearRegistrationLog();
    standin::Document *after = standin::openDocument(QStringLiteral("After"));
    QCOMPARE(standin::registrationLog(), QStringList({"AddTracker After"}));
    // One tracker object serves every document.
    QCOMPARE(standin::trackersOf(before).size(), 1);
    QCOMPARE(standin::trackersOf(after), standin::trackersOf(before));
}

void tst_Lifecycle::closingDocumentDetachesTracker()
{
    ModuleHandle handle;
    handle.module->initApp();
    standin::Document *document = standin::openDocument(QStringLiteral("Doomed"));
    standin::clearRegistrationLog();
    standin::closeDocument(document);
    QCOMPARE(standin::registrationLog(), QStringList({"RemoveTracker Doomed"}));
}

void tst_Lifecycle::missingLinkSkipsOnlyItsStep_data()
{
    QTest::addColumn<int>("link");
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<QStringList>("expected");
    using standin::Link;
    const QStringList all = {"AddCommand _GESTURE", "AddReactor", "AddTracker A", "AddTracker B", "AddEditorReactor"};
    QTest::newRow("everything there: the registration order") << -1 << false << all;
    QTest::newRow("gate closed: nothing") << -1 << true << QStringList();
    QTest::newRow("no gate: a closed one is ignored") << int(Link::QtGate) << true << all;
    QTest::newRow("no services") << int(Link::SystemServices) << false << QStringList({"AddEditorReactor"});
    QTest::newRow("no main frame") << int(Link::MainFrame) << false
                                   << QStringList({"AddReactor", "AddTracker A", "AddTracker B", "AddEditorReactor"});
    QTest::newRow("no document manager") << int(Link::DocumentManager) << false
                                         << QStringList({"AddCommand _GESTURE", "AddEditorReactor"});
    QTest::newRow("no editor") << int(Link::Editor) << false
                               << QStringList({"AddCommand _GESTURE", "AddReactor", "AddTracker A", "AddTracker B"});
}

void tst_Lifecycle::missingLinkSkipsOnlyItsStep()
{
    QFETCH(int, link);
    QFETCH(bool, disabled);
    QFETCH(QStringList, expected);
    standin::openDocument(QStringLiteral("A"));
    standin::openDocument(QStringLiteral("B"));
    standin::setModuleDisabled(disabled);
    if (link >= 0)
        standin::setPresent(standin::Link(link), false);
    ModuleHandle handle;
    standin::clearRegistrationLog();
    handle.module->initApp();
    QCOMPARE(standin::registrationLog(), expected);
    if (expected.isEmpty()) {
        handle.module->uninitApp();
        QVERIFY(standin::registrationLog().isEmpty());
    }
}

void tst_Lifecycle::nullDocumentAndNoInputManagerSkipped()
{
    standin::openDocument(QStringLiteral("Plain"), false);
    standin::openDocument(QStringLiteral("Drawing"));
    standin::setIteratorYieldsNull(true);
    ModuleHandle handle;
    standin::clearRegistrationLog();
    handle.module->initApp();
    QCOMPARE(standin::registrationLog(),
             QStringList({"AddCommand _GESTURE", "AddReactor", "AddTracker Drawing", "AddEditorReactor"}));
    standin::clearRegistrationLog();
    standin::sendAppClosing();
    QCOMPARE(standin::registrationLog(), QStringList({"RemoveCommand _GESTURE", "RemoveReactor",
                                                      "RemoveTracker Drawing", "RemoveEditorReactor"}));
}

void tst_Lifecycle::hostWithoutAppClosing()
{
    standin::openDocument(QStringLiteral("A"));
    ModuleHandle handle;
    handle.module->initApp();
    handle.module->uninitApp();
    QVERIFY(standin::lookupCommand(QStringLiteral("_GESTURE")));
    QCOMPARE(standin::documentReactorCount(), 1);
    QCOMPARE(standin::editorReactorCount(), 0);
    QVERIFY(!standin::registrationLog().contains(QStringLiteral("RemoveTracker A")));
    // The host still holds the registrations; drop it before the module goes.
    standin::reset();
}

QTEST_MAIN(tst_Lifecycle)
#include "tst_lifecycle.moc"
