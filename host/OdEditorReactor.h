// Strokewheel - mouse gestures for CAD drawing views.
// Drawing SDK: editor notifications and the editor that sends them.
#pragma once

#include "OdRxObject.h"

class OdDbDatabase;
class OdEdCommand;
class OdEdCommandContext;

class FX_HOST_API OdRxEventReactor : public OdRxObject
{
    ODRX_DECLARE_MEMBERS(OdRxEventReactor);

public:
    virtual void dwgFileOpened(OdDbDatabase *database, const OdString &fileName);
    virtual void initialDwgFileOpenComplete(OdDbDatabase *database);
    virtual void databaseConstructed(OdDbDatabase *database);
    virtual void databaseToBeDestroyed(OdDbDatabase *database);
    virtual void beginSave(OdDbDatabase *database, const OdString &intendedName);
    virtual void saveComplete(OdDbDatabase *database, const OdString &actualName);
    virtual void abortSave(OdDbDatabase *database);
};

class FX_HOST_API OdEditorReactor : public OdRxEventReactor
{
    ODRX_DECLARE_MEMBERS(OdEditorReactor);

public:
    virtual void commandWillStart(OdDbDatabase *database, const OdString &commandName);
    virtual void commandEnded(OdDbDatabase *database, const OdString &commandName);
    virtual void commandCancelled(OdDbDatabase *database, const OdString &commandName);
    virtual void commandFailed(OdDbDatabase *database, const OdString &commandName);
    virtual void lispWillStart(OdDbDatabase *database, const OdString &firstLine);
    virtual void lispEnded(OdDbDatabase *database);
    virtual void lispCancelled(OdDbDatabase *database);
    virtual void beginDwgOpen(const OdString &fileName);
    virtual void endDwgOpen(const OdString &fileName, OdDbDatabase *database);
    virtual void beginClose(OdDbDatabase *database);
    virtual void pickfirstModified(OdDbDatabase *database);
    virtual void layoutSwitched(OdDbDatabase *database, const OdString &newLayoutName);
    virtual void sysVarChanged(OdDbDatabase *database, const OdString &variableName);
    virtual void sysVarWillChange(OdDbDatabase *database, const OdString &variableName);
};

class FX_HOST_API OdEdCommandStackReactor : public OdRxObject
{
    ODRX_DECLARE_MEMBERS(OdEdCommandStackReactor);

public:
    virtual void commandAdded(OdEdCommand *command);
    virtual void commandWillBeRemoved(OdEdCommand *command);
    virtual void commandStackWillStart(OdEdCommand *command, OdEdCommandContext *context);
    virtual void commandStackEnded(OdEdCommand *command, OdEdCommandContext *context);
};

class FX_HOST_API OdEdLispEngineReactor : public OdRxObject
{
    ODRX_DECLARE_MEMBERS(OdEdLispEngineReactor);

public:
    virtual void lispEngineLoaded();
    virtual void lispEngineUnloaded();
};

class FX_HOST_API OdEditor
{
public:
    virtual ~OdEditor();
    virtual void AddEditorReactor(OdEditorReactor *reactor) = 0;
    virtual void RemoveEditorReactor(OdEditorReactor *reactor) = 0;
};

// The host's editor, or null while the host has none.
FX_HOST_API OdEditor *odedEditor();
