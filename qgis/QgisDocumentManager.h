// Strokewheel - mouse gestures for CAD drawing views.
// QGIS has one project open at a time, drawn in one map canvas: one document, whose view
// is the canvas and which has no layouts of its own (no drawing database).
#pragma once

#include "host/CFxDocument.h"
#include "host/CFxInputPointManager.h"

#include <QList>

#include <functional>
#include <memory>

class QgsMapCanvas;

namespace qgishost {

class CanvasInput;

class QgisDocument : public CFxDocument, public CFxView
{
public:
    QgisDocument(QgsMapCanvas *canvas, std::function<bool()> gesturesEnabled);
    ~QgisDocument() override;

    CFxString GetTitle() const override;
    CFxInputPointManager *GetInputPointManager() const override;
    QWidget *GetViewWidget() const override;
    OdDbDatabasePtr GetDatabase() const override;
    QWidget *GetWidget() const override;

private:
    QgsMapCanvas *m_canvas;
    std::unique_ptr<CanvasInput> m_input;
};

class QgisDocumentManager : public CFxDocumentManager
{
public:
    // gesturesEnabled: whether the user has gestures on.
    QgisDocumentManager(QgsMapCanvas *canvas, std::function<bool()> gesturesEnabled);
    ~QgisDocumentManager() override;

    void AddReactor(CFxDocumentManagerReactor *reactor) override;
    void RemoveReactor(CFxDocumentManagerReactor *reactor) override;
    CFxDocumentIteratorPtr NewIterator() const override;

    QgisDocument *active() const;

private:
    std::unique_ptr<QgisDocument> m_document;
    QList<CFxDocumentManagerReactor *> m_reactors;
};

} // namespace qgishost
