// Strokewheel - mouse gestures for CAD drawing views.
// The document manager: open documents and the reactors told about them.
#pragma once

#include "host/CFxDocument.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

namespace standin {

class Document;

class DocumentManager : public CFxDocumentManager
{
public:
    DocumentManager();
    ~DocumentManager() override;

    void AddReactor(CFxDocumentManagerReactor *reactor) override;
    void RemoveReactor(CFxDocumentManagerReactor *reactor) override;
    CFxDocumentIteratorPtr NewIterator() const override;

    Document *open(const QString &title, bool withInputPointManager);
    void close(Document *document);
    void activate(Document *document);
    Document *active() const;
    QList<Document *> documents() const;
    int reactorCount() const;
    void setIteratorYieldsNull(bool yieldsNull);

private:
    template <class Notification>
    void notify(Notification notification);

    std::vector<std::unique_ptr<Document>> m_documents;
    QList<CFxDocumentManagerReactor *> m_reactors;
    Document *m_active = nullptr;
    bool m_iteratorYieldsNull = false;
};

} // namespace standin
