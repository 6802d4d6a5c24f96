// Strokewheel - mouse gestures for CAD drawing views.
// The host's modal message box.
#include "sdk/MessageBox.h"

#include "host/CFxSystemServices.h"

#include <QMessageBox>

namespace fxsdk {

namespace {
QMessageBox::StandardButtons buttonsFor(unsigned flags)
{
    switch (flags & 0xF) {
    case CFxSystemServices::kOkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case CFxSystemServices::kYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case CFxSystemServices::kYesNo: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconFor(unsigned flags)
{
    switch (flags & 0xF0) {
    case CFxSystemServices::kIconStop: return QMessageBox::Critical;
    case CFxSystemServices::kIconQuestion: return QMessageBox::Question;
    case CFxSystemServices::kIconExclamation: return QMessageBox::Warning;
    case CFxSystemServices::kIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int answerCode(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return CFxSystemServices::kAnswerCancel;
    case QMessageBox::Yes: return CFxSystemServices::kAnswerYes;
    case QMessageBox::No: return CFxSystemServices::kAnswerNo;
    default: return CFxSystemServices::kAnswerOk;
    }
}

// The platform's message box answers Cancel (or No) when closed with Escape.
int escapeAnswer(unsigned flags)
{
    switch (flags & 0xF) {
    case CFxSystemServices::kOkCancel:
    case CFxSystemServices::kYesNoCancel: return CFxSystemServices::kAnswerCancel;
    case CFxSystemServices::kYesNo: return CFxSystemServices::kAnswerNo;
    default: return CFxSystemServices::kAnswerOk;
    }
}

// Set by the test environment: there a box nobody queued an answer for would wait for a
// click that never comes, until the test's timeout.
bool unexpectedBoxesFail()
{
    static const bool fail = qEnvironmentVariable("FXSDK_MESSAGE_BOXES") == QLatin1String("fail");
    return fail;
}
}

int showMessageBox(QWidget *parent, const QString &text, const QString &title, unsigned flags)
{
    if (unexpectedBoxesFail())
        qFatal("Unexpected message box \"%s\": %s", qPrintable(title), qPrintable(text));
    QMessageBox box(iconFor(flags), title, text, buttonsFor(flags), parent);
    box.exec();
    return box.clickedButton() ? answerCode(box.standardButton(box.clickedButton())) : escapeAnswer(flags);
}

} // namespace fxsdk
