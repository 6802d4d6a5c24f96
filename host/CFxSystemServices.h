// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: the services object, the root of every host accessor chain.
#pragma once

#include "CFxString.h"
#include "OdRxObject.h"

class CFxApplication;
class CFxDocumentManager;
class CFxMainFrame;
class CFxProfileManager;
class CFxUICustomization;

class FX_HOST_API CFxSystemServices
{
public:
    // How a text handed to ExecuteCommand is run.
    struct FX_HOST_API CFxExpressionParserData
    {
        bool m_bMenuMacro = false;      // run as a menu macro: "^C" cancels what runs
        bool m_bAddToHistory = true;    // keep the text in the command line's recall list
        bool m_bTransparent = false;    // run inside the running command
    };

    // Message-box flags and answers, as the platform's message box has them.
    enum MessageFlags : unsigned {
        kOk = 0x0, kOkCancel = 0x1, kYesNoCancel = 0x3, kYesNo = 0x4,
        kIconStop = 0x10, kIconQuestion = 0x20, kIconExclamation = 0x30, kIconInformation = 0x40
    };
    enum MessageAnswer { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

    virtual ~CFxSystemServices();

    virtual CFxMainFrame *GetMainFrame() const = 0;
    // Shows a modal message box; returns the code of the button pressed.
    virtual int ShowMessage(const CFxString &text, const CFxString &title, unsigned flags) = 0;
    virtual CFxDocumentManager *GetDocumentManager() const = 0;
    virtual CFxApplication *GetApplication() const = 0;
    // Runs text as if typed on the command line.
    virtual OdRxObjectPtr ExecuteCommand(const CFxString &text, CFxExpressionParserData &data) = 0;
    virtual CFxProfileManager *GetProfileManager() const = 0;
    virtual CFxUICustomization *GetUICustomization() const = 0;
    // 0 and 1 are light schemes, 2 and more dark ones.
    virtual int GetUIColorScheme() const = 0;
};

// The host's services, or null before the host has started them.
FX_HOST_API CFxSystemServices *GetFxSystemServices();
