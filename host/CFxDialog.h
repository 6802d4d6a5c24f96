// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: the base of the host's dialogs.
#pragma once

#include "HostExport.h"

#include <QDialog>

class FX_HOST_API CFxDialog : public QDialog
{
    Q_OBJECT

public:
    // option is the host's dialog option, passed through unchanged by modules.
    CFxDialog(QWidget *parent, bool option, Qt::WindowFlags flags = {});
    ~CFxDialog() override;

    int exec() override;

public slots:
    void accept() override;
    void reject() override;

public:
    // The help topic Help() opens.
    virtual int GetHelpContextId() const;
    bool option() const;

public slots:
    void Help();

private:
    bool m_option;
};
