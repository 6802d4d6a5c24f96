// Strokewheel - mouse gestures for CAD drawing views.
// Everything the SDK's entry points answer inside QGIS.
#include "qgis/QgisHost.h"

#include "qgis/ActionCommandProcessor.h"
#include "qgis/MenuCatalogue.h"
#include "qgis/QgisApplication.h"
#include "qgis/QgisDocumentManager.h"
#include "qgis/QgisMainFrame.h"
#include "qgis/QgisServices.h"
#include "qgis/QgisSettingsProfile.h"

#include "sdk/CommandStack.h"
#include "sdk/Editor.h"
#include "sdk/QtGate.h"

#include <qgisinterface.h>
#include <qgsmessagebar.h>

#include <QApplication>
#include <QCoreApplication>
#include <QPalette>

namespace qgishost {

QgisHost::QgisHost(QgisInterface *iface)
    : m_iface(iface),
      m_commandStack(std::make_unique<fxsdk::CommandStack>()),
      m_editor(std::make_unique<fxsdk::Editor>()),
      m_gate(std::make_unique<fxsdk::QtGate>()),
      m_application(std::make_unique<QgisApplication>()),
      m_mainFrame(std::make_unique<QgisMainFrame>(iface)),
      m_catalogue(std::make_unique<MenuCatalogue>(iface->mainWindow())),
      m_settings(std::make_unique<QgisSettingsProfile>([iface](const QString &text) {
          iface->messageBar()->pushWarning(QCoreApplication::translate("qgishost", "Mouse Gestures"), text);
      })),
      m_documents(std::make_unique<QgisDocumentManager>(iface->mapCanvas())),
      m_processor(std::make_unique<ActionCommandProcessor>(
          *m_catalogue, *m_commandStack, iface->mapCanvas(), m_documents->active(),
          [frame = m_mainFrame.get()](const QString &text) { frame->showMessage(text); })),
      m_services(std::make_unique<QgisServices>(*this))
{
}

QgisHost::~QgisHost() = default;

CFxSystemServices *QgisHost::systemServices()
{
    return m_services.get();
}

CFxDocument *QgisHost::activeDocument()
{
    return m_documents->active();
}

OdEdCommandStack *QgisHost::commandStack()
{
    return m_commandStack.get();
}

OdEditor *QgisHost::editor()
{
    return m_editor.get();
}

CFxBorealQtGate *QgisHost::qtGate()
{
    return m_gate.get();
}

void QgisHost::report(const QString &text)
{
    fxsdk::HostBackend::report(text);
    m_iface->messageBar()->pushCritical(QCoreApplication::translate("qgishost", "Mouse Gestures"), text);
}

QString QgisHost::helpPage(int topic) const
{
    // The Mouse Gestures dialog's topic; the page takes the dialog's part from the module.
    return topic == 9000 ? QStringLiteral(":/host/help/gestures") : QString();
}

bool QgisHost::isDarkStyle() const
{
    // QGIS's UI themes set the application palette; a dark window means a dark theme.
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

} // namespace qgishost
