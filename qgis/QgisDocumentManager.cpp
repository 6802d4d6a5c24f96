// Strokewheel - mouse gestures for CAD drawing views.
// The one QGIS document.
#include "qgis/QgisDocumentManager.h"

#include "qgis/CanvasInput.h"

#include "sdk/ListIterator.h"

#include "host/OdDbDatabase.h"

#include <qgsmapcanvas.h>
#include <qgsproject.h>

#include <QCoreApplication>

namespace qgishost {

namespace {
class DocumentIterator : public fxsdk::ListIterator<CFxDocumentIterator, QgisDocument>
{
public:
    using ListIterator::ListIterator;
    CFxDocument *GetDocument() const override { return current(); }
};
}

QgisDocument::QgisDocument(QgsMapCanvas *canvas, std::function<bool()> gesturesEnabled)
    : m_canvas(canvas), m_input(std::make_unique<CanvasInput>(canvas, this, std::move(gesturesEnabled)))
{
}

QgisDocument::~QgisDocument() = default;

CFxString QgisDocument::GetTitle() const
{
    const QString name = QgsProject::instance()->baseName();
    return name.isEmpty() ? QCoreApplication::translate("qgishost", "Untitled") : name;
}

CFxInputPointManager *QgisDocument::GetInputPointManager() const
{
    return m_input.get();
}

QWidget *QgisDocument::GetViewWidget() const
{
    return m_canvas->viewport();
}

OdDbDatabasePtr QgisDocument::GetDatabase() const
{
    return OdDbDatabasePtr();
}

QWidget *QgisDocument::GetWidget() const
{
    return m_canvas->viewport();
}

QgisDocumentManager::QgisDocumentManager(QgsMapCanvas *canvas, std::function<bool()> gesturesEnabled)
    : m_document(std::make_unique<QgisDocument>(canvas, std::move(gesturesEnabled)))
{
}

QgisDocumentManager::~QgisDocumentManager() = default;

void QgisDocumentManager::AddReactor(CFxDocumentManagerReactor *reactor)
{
    if (reactor && !m_reactors.contains(reactor))
        m_reactors.append(reactor);
}

void QgisDocumentManager::RemoveReactor(CFxDocumentManagerReactor *reactor)
{
    m_reactors.removeAll(reactor);
}

CFxDocumentIteratorPtr QgisDocumentManager::NewIterator() const
{
    return OdRxObjectImpl<DocumentIterator>::createObject(QVector<QgisDocument *>{m_document.get()});
}

QgisDocument *QgisDocumentManager::active() const
{
    return m_document.get();
}

} // namespace qgishost
