// Strokewheel - mouse gestures for CAD drawing views.
// The SDK's help window: where it opens and how it closes. (Its pages: tst_hostparts.)
#include "sdk/HelpWindow.h"

#include <QtTest>

class tst_HelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void closesLikeADialog_data();
    void closesLikeADialog();
    void opensBesideItsOwner_data();
    void opensBesideItsOwner();
};

void tst_HelpWindow::closesLikeADialog_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
    const QList<QKeySequence> close = QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence &keys : close)
        QTest::newRow(qPrintable(keys.toString())) << keys;
    QVERIFY(!close.isEmpty());
}

void tst_HelpWindow::closesLikeADialog()
{
    QFETCH(QKeySequence, keys);
    QWidget owner;
    owner.setGeometry(10, 20, 150, 100);
    owner.show();
    QPointer<fxsdk::HelpWindow> window = fxsdk::HelpWindow::open(1, &owner);
    QVERIFY(window->isVisible());
    QVERIFY(window->x() > owner.frameGeometry().right());
    QTest::keySequence(window, keys);
    QTRY_VERIFY(!window);
}

void tst_HelpWindow::opensBesideItsOwner_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("place");
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("room on the right") << QRect(100, 50, 461, 600) << screen << QPoint(561, 50);
    QTest::newRow("room on the left only") << QRect(700, 50, 461, 600) << screen << QPoint(140, 50);
    QTest::newRow("no room on either side") << QRect(300, 50, 900, 600) << screen << QPoint(720, 50);
    QTest::newRow("low on the screen") << QRect(100, 500, 461, 400) << screen << QPoint(561, 384);
    QTest::newRow("second screen") << QRect(1400, 100, 461, 400) << screen.translated(1280, 0) << QPoint(1861, 100);
}

void tst_HelpWindow::opensBesideItsOwner()
{
    QFETCH(QRect, owner);
    QFETCH(QRect, screen);
    QTEST(fxsdk::HelpWindow::placeBeside(owner, QSize(560, 640), screen), "place");
}

QTEST_MAIN(tst_HelpWindow)
#include "tst_helpwindow.moc"
