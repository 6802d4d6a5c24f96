// Strokewheel - mouse gestures for CAD drawing views.
// The stand-in behind the SDK library's entry points. Stateless: every answer comes from
// the current HostState, built on first use, so the host's links can be switched off
// (answered null) and the state rebuilt between tests.
#pragma once

#include "sdk/HostBackend.h"

namespace standin {

class Backend : public fxsdk::HostBackend
{
public:
    CFxSystemServices *systemServices() override;
    CFxDocument *activeDocument() override;
    OdEdCommandStack *commandStack() override;
    OdEditor *editor() override;
    CFxBorealQtGate *qtGate() override;
    bool isDarkStyle() const override;
    int toolbarIconSize() const override;
    void refreshRestrictedCommands() override;
    bool isRestrictedCommand(const QString &command, CommandMode &mode) const override;
    bool isCustomBlockCommand(CFxDocument *document, const QString &command, int flags) const override;
    void record(const QString &entry) override;
    // On the command history, and in Qt's log (standard error).
    void report(const QString &text) override;
    QString helpPage(int topic) const override;
};

} // namespace standin
