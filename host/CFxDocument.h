// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: documents, their manager, its iterator and its reactor.
#pragma once

#include "CFxString.h"
#include "OdDbDatabase.h"
#include "OdRxObject.h"

class CFxInputPointManager;
class QWidget;

class FX_HOST_API CFxDocument
{
public:
    virtual ~CFxDocument();
    virtual CFxString GetTitle() const = 0;
    // The document's input-point manager, or null.
    virtual CFxInputPointManager *GetInputPointManager() const = 0;
    // The widget of the document's active drawing view.
    virtual QWidget *GetViewWidget() const = 0;
    // The drawing's database, or null.
    virtual OdDbDatabasePtr GetDatabase() const = 0;
};

// The document of the active drawing window, or null.
FX_HOST_API CFxDocument *ACTIVE_DOCUMENT();

class FX_HOST_API CFxDocumentIterator : public OdRxObject
{
public:
    virtual bool Done() const = 0;
    virtual void Next() = 0;
    // The current document; may be null.
    virtual CFxDocument *GetDocument() const = 0;
};
using CFxDocumentIteratorPtr = OdSmartPtr<CFxDocumentIterator>;

class FX_HOST_API CFxDocumentManagerReactor : public OdRxObject
{
    ODRX_DECLARE_MEMBERS(CFxDocumentManagerReactor);

public:
    virtual void DocumentCreateStarted(CFxDocument *document);
    virtual void DocumentCreated(CFxDocument *document);
    virtual void DocumentToBeDestroyed(CFxDocument *document);
    virtual void DocumentDestroyed(const OdString &fileName);
    // The document is open and its input-point manager exists.
    virtual void DocumentReady(CFxDocument *document);
    // The document is about to go; its input-point manager still exists.
    virtual void DocumentToBeReleased(CFxDocument *document);
    virtual void DocumentToBeActivated(CFxDocument *document);
    virtual void DocumentToBeDeactivated(CFxDocument *document);
    virtual void DocumentActivated(CFxDocument *document);
    virtual void DocumentCreateCanceled(CFxDocument *document);
    virtual void DocumentBecameCurrent(CFxDocument *document);
    virtual void DocumentActivationModified(bool activation);
    virtual void DocumentPreOpen(const OdString &fileName);
};

class FX_HOST_API CFxDocumentManager
{
public:
    virtual ~CFxDocumentManager();
    virtual void AddReactor(CFxDocumentManagerReactor *reactor) = 0;
    virtual void RemoveReactor(CFxDocumentManagerReactor *reactor) = 0;
    // Iterates the open documents in the host's order.
    virtual CFxDocumentIteratorPtr NewIterator() const = 0;
};
