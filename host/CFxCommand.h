// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: host commands and their run context.
#pragma once

#include "OdEdCommand.h"

class CFxDocument;

class FX_HOST_API CFxCommandContext : public OdEdCommandContext
{
    ODRX_DECLARE_MEMBERS(CFxCommandContext);

public:
    // The document the command runs in, or null.
    virtual CFxDocument *GetDocument() const = 0;
};

class FX_HOST_API CFxCommand : public OdEdCommand
{
public:
    OdString groupName() const override;
    // Runs Run() with the host's context.
    void execute(OdEdCommandContext *context) override;

    // The command's work; returns the host's status code.
    virtual int Run(CFxCommandContext *context) = 0;
    virtual void Help();
    virtual int GetHelpId() const;
    virtual OdString displayName() const;
};
