// Strokewheel - mouse gestures for CAD drawing views.
// The GESTURE command.
#include "module/CFxGestureCommand.h"

#include "config/K2GestureConfig.h"
#include "dialog/K2DonutDialogManager.h"
#include "hostaccess/K2Host.h"
#include "host/CFxDocument.h"
#include "host/CFxString.h"
#include "host/OdDbDatabase.h"

#include <QCoreApplication>

namespace {

// A sheet is a layout that shows a paper space, not the model space. Opening a
// current layout that is no layout throws OdError_NotThatKindOfClass to the host.
bool currentLayoutIsSheet(CFxCommandContext *context)
{
    const CFxDocument *document = context ? context->GetDocument() : nullptr;
    const OdDbDatabasePtr database = document ? document->GetDatabase() : OdDbDatabasePtr();
    if (!database)
        return false;
    const OdDbLayoutPtr layout = database->currentLayoutId().safeOpenObject(OdDb::kForRead);
    return layout->getBlockTableRecordId() != database->getModelSpaceId();
}

} // namespace

OdString CFxGestureCommand::globalName() const
{
    return OdString("_GESTURE");
}

OdString CFxGestureCommand::localName() const
{
    return CFxString(QCoreApplication::translate("Strokewheel", "GESTURE")).toOdString();
}

int CFxGestureCommand::Run(CFxCommandContext *context)
{
    const bool sheetLayout = currentLayoutIsSheet(context);
    // The dialog shows the store as it is now: another host on it may have saved since.
    K2GestureConfig::instance()->reload();
    K2DonutDialogManager dialog(K2Host::windowParent(), false, sheetLayout);
    dialog.exec();
    return kStatusDone;
}
