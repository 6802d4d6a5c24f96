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
#include <qgsapplication.h>
#include <qgsmessagebar.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QPalette>

namespace qgishost {

QgisHost::QgisHost(QgisInterface *iface)
    : m_iface(iface),
      m_commandStack(std::make_unique<fxsdk::CommandStack>()),
      m_editor(std::make_unique<fxsdk::Editor>()),
      m_gate(std::make_unique<fxsdk::QtGate>()),
      m_application(std::make_unique<QgisApplication>()),
      m_mainFrame(std::make_unique<QgisMainFrame>(iface)),
      m_settings(std::make_unique<QgisSettingsProfile>(
          [this](const QString &text) { tell(text, Qgis::MessageLevel::Warning); })),
      m_catalogue(std::make_unique<MenuCatalogue>(iface->mainWindow(), m_settings.get())),
      m_documents(std::make_unique<QgisDocumentManager>(
          iface->mapCanvas(), [settings = m_settings.get()] { return settings->gesturesEnabled(); })),
      m_processor(std::make_unique<ActionCommandProcessor>(
          *m_catalogue, *m_commandStack, iface->mapCanvas(), m_documents->active(),
          [this](const QString &text) { tell(text, Qgis::MessageLevel::Info); })),
      m_services(std::make_unique<QgisServices>(*this))
{
}

QgisHost::~QgisHost() = default;

void QgisHost::tell(const QString &text, Qgis::MessageLevel level) const
{
    // The message bar, not the status bar: it holds a sentence long enough to be read whole.
    m_iface->messageBar()->pushMessage(QCoreApplication::translate("qgishost", "Mouse Gestures"), text, level);
}

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

QString QgisHost::uiLanguage() const
{
    // QGIS sets the default locale for numbers and dates; its interface language is its own.
    return QLocale(QgsApplication::locale()).name().section(QLatin1Char('_'), 0, 0);
}

bool QgisHost::isDarkStyle() const
{
    // QGIS's UI themes set the application palette; a dark window means a dark theme.
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

} // namespace qgishost
