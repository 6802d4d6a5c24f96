// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: utility functions.
#pragma once

#include "CFxString.h"

#include <QColor>
#include <QIcon>

class CFxDocument;

// Where a command works.
enum CommandMode : int {
    kCommandAnywhere = 0,
    kCommandBlockEditorOnly = 1,
    kCommandEditComponentOnly = 2,
    kCommandSheetOnly = 3
};

class FX_HOST_API CFxUtils
{
public:
    // True when command works only in a special mode, which is written to mode.
    static bool IsRestrictedCommand(const CFxString &command, CommandMode &mode);
    // Refreshes the table IsRestrictedCommand reads.
    static void SetRestrictedCommands();
    static bool IsDarkStyleDialogUsed();
    static int GetToolbarsIconSize();
    // Loads the named icon from directory: name.png, or the light or dark
    // svg_icons/<scheme>/name.svg, whichever suits the host's colour scheme.
    static QIcon loadIcon(const QString &name, const QString &variant, const QString &directory,
                          int windowType);
    // Theme colours by role (0 window, 1 text, 2 icon column background).
    static QColor GetLumenColor(int role);
};

class FX_HOST_API CFxCustBlockUtils
{
public:
    static CFxCustBlockUtils &Get();
    virtual ~CFxCustBlockUtils();
    // True when command runs inside a custom block's editing session of document.
    virtual bool IsCustomBlockCommand(CFxDocument *document, const CFxString &command, int flags) const = 0;
};
