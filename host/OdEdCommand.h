// Strokewheel - mouse gestures for CAD drawing views.
// Drawing SDK: commands and the command stack.
#pragma once

#include "OdRxObject.h"

class rz_OdRxModule;

class FX_HOST_API OdEdCommandContext : public OdRxObject
{
    ODRX_DECLARE_MEMBERS(OdEdCommandContext);
};

class FX_HOST_API OdEdCommand : public OdRxObject
{
    ODRX_DECLARE_MEMBERS(OdEdCommand);

public:
    enum Flags { kModal = 0, kTransparent = 1, kUsePickset = 2, kRedraw = 4 };

    virtual OdString groupName() const;
    virtual OdString globalName() const = 0;
    virtual OdString localName() const;
    virtual void execute(OdEdCommandContext *context) = 0;
    virtual rz_OdRxModule *module() const;
    virtual void undefine();
    virtual int flags() const;
};

// The registry of commands the host runs by name.
class FX_HOST_API OdEdCommandStack
{
public:
    virtual ~OdEdCommandStack();
    // Adding a command that is already registered leaves it registered once.
    virtual void AddCommand(OdEdCommand *command) = 0;
    virtual void RemoveCommand(OdEdCommand *command) = 0;
    // Finds a command by its global or its local name (case-insensitive), else null.
    virtual OdEdCommand *LookupCommand(const OdString &name) const = 0;
};

// The host's command stack, or null while the host has none.
FX_HOST_API OdEdCommandStack *odedRegCmds();
