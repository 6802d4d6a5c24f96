// Strokewheel - mouse gestures for CAD drawing views.
// What a host application plugs into the SDK library: the entry points a module calls
// (GetFxSystemServices(), odedRegCmds(), CFxUtils...) answer from the backend the host
// installed. One library, loaded by every host, so a module file links against one
// soname and one set of symbols whatever application loads it.
#pragma once

#include "sdk/SdkExport.h"

#include "host/CFxUtils.h"

class CFxBorealQtGate;
class CFxDocument;
class CFxSystemServices;
class OdEdCommandStack;
class OdEditor;

namespace fxsdk {

class FXSDK_API HostBackend
{
public:
    virtual ~HostBackend();

    // Each may answer null: the module skips what its host does not offer.
    virtual CFxSystemServices *systemServices() = 0;
    virtual CFxDocument *activeDocument() = 0;
    virtual OdEdCommandStack *commandStack() = 0;
    virtual OdEditor *editor() = 0;
    virtual CFxBorealQtGate *qtGate() = 0;

    virtual bool isDarkStyle() const = 0;
    virtual int toolbarIconSize() const;
    // Commands that run only in a special mode; a host without such modes keeps the defaults.
    virtual void refreshRestrictedCommands();
    virtual bool isRestrictedCommand(const QString &command, CommandMode &mode) const;
    virtual bool isCustomBlockCommand(CFxDocument *document, const QString &command, int flags) const;
    // Registrations the module made (commands, reactors), for hosts that keep a record.
    virtual void record(const QString &entry);
    // A failure the host should show its user (a module that threw, say); the default
    // writes it to Qt's log.
    virtual void report(const QString &text);
    // The page a help topic shows: a resource path without "_<language>.html", e.g.
    // ":/host/help/gestures" for :/host/help/gestures_en.html; empty for a topic without
    // a page.
    virtual QString helpPage(int topic) const;
    // The language of the host's interface, as its help pages name it ("de" for
    // gestures_de.html); by default the application locale's.
    virtual QString uiLanguage() const;
};

// The host installs its backend before it loads a module and removes it (null) after
// unloading. Without one every entry point answers null.
FXSDK_API void setHostBackend(HostBackend *backend);
FXSDK_API HostBackend *hostBackend();
// Passes entry to the backend's record(), when there is a backend.
FXSDK_API void record(const QString &entry);
// Passes text to the backend's report(), else to Qt's log.
FXSDK_API void report(const QString &text);

} // namespace fxsdk
