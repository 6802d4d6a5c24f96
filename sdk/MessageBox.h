// Strokewheel - mouse gestures for CAD drawing views.
// The host's modal message box, with the platform's flags and answer codes.
#pragma once

#include "sdk/SdkExport.h"

#include <QString>

class QWidget;

namespace fxsdk {

// flags and the answer: CFxSystemServices::MessageFlags and MessageAnswer. With
// FXSDK_MESSAGE_BOXES=fail in the environment (the test suite's) no box opens: the process
// ends at once, naming the box's title and text.
FXSDK_API int showMessageBox(QWidget *parent, const QString &text, const QString &title, unsigned flags);

} // namespace fxsdk
