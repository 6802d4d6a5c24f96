// Strokewheel - mouse gestures for CAD drawing views.
// Qt Test's main, with the standard folders in test mode before any test can reach them.
#pragma once

#include <QStandardPaths>
#include <QtTest>

#define SW_TEST_MAIN(TestObject)                                                                                        \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QStandardPaths::setTestModeEnabled(true);                                                                      \
        QTEST_MAIN_IMPL(TestObject)                                                                                    \
    }
