// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: the user-interface customisation: command groups and menu groups.
#pragma once

#include "CFxString.h"
#include "OdRxObject.h"

#include <QIcon>

// A command as the user interface offers it.
class FX_HOST_API CFxUICommand
{
public:
    virtual ~CFxUICommand();
    virtual CFxString GetMacro() const = 0;
    virtual CFxString GetId() const = 0;
    virtual CFxString GetCaption() const = 0;
    virtual CFxString GetHelpText() const = 0;
    // The icon at size x size pixels; null when the command has none.
    virtual QIcon GetIcon(int size) const = 0;
    // True for commands the host keeps out of customisation.
    virtual bool IsExcluded() const = 0;
};

class FX_HOST_API CFxUICommandIterator : public OdRxObject
{
public:
    virtual bool Done() const = 0;
    virtual void Next() = 0;
    virtual CFxUICommand *GetCommand() const = 0;   // may be null
};
using CFxUICommandIteratorPtr = OdSmartPtr<CFxUICommandIterator>;

class FX_HOST_API CFxCommandGroup
{
public:
    virtual ~CFxCommandGroup();
    virtual CFxString GetName() const = 0;
    virtual CFxUICommandIteratorPtr NewCommandIterator() const = 0;
};

class FX_HOST_API CFxCommandGroupIterator : public OdRxObject
{
public:
    virtual bool Done() const = 0;
    virtual void Next() = 0;
    virtual CFxCommandGroup *GetGroup() const = 0;   // may be null
};
using CFxCommandGroupIteratorPtr = OdSmartPtr<CFxCommandGroupIterator>;

class CFxMenu;

class FX_HOST_API CFxMenuItem
{
public:
    virtual ~CFxMenuItem();
    virtual CFxString GetCaption() const = 0;   // with "&" before the accelerator
    virtual CFxUICommand *GetCommand() const = 0;   // may be null
    virtual CFxMenu *GetSubMenu() const = 0;   // may be null
};

class FX_HOST_API CFxMenu
{
public:
    virtual ~CFxMenu();
    virtual int GetItemCount() const = 0;
    virtual CFxMenuItem *GetItem(int index) const = 0;   // may be null
};

class FX_HOST_API CFxMenuGroup
{
public:
    virtual ~CFxMenuGroup();
    virtual CFxString GetName() const = 0;
    // The menu bar of the group; may be null.
    virtual CFxMenu *GetRootMenu() const = 0;
};

class FX_HOST_API CFxMenuGroupIterator : public OdRxObject
{
public:
    virtual bool Done() const = 0;
    virtual void Next() = 0;
    virtual CFxMenuGroup *GetMenuGroup() const = 0;   // may be null
};
using CFxMenuGroupIteratorPtr = OdSmartPtr<CFxMenuGroupIterator>;

class FX_HOST_API CFxUICustomization
{
public:
    virtual ~CFxUICustomization();
    virtual CFxCommandGroupIteratorPtr NewCommandGroupIterator() const = 0;
    virtual CFxMenuGroupIteratorPtr NewMenuGroupIterator() const = 0;
};
