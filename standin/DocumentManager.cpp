// Strokewheel - mouse gestures for CAD drawing views.
// The document manager.
#include "standin/DocumentManager.h"

#include "standin/Document.h"
#include "standin/HostState.h"

namespace standin {

namespace {
class DocumentIterator : public CFxDocumentIterator
{
public:
    explicit DocumentIterator(QList<Document *> documents) : m_documents(std::move(documents)) {}
    bool Done() const override { return m_index >= m_documents.size(); }
    void Next() override { ++m_index; }
    CFxDocument *GetDocument() const override { return Done() ? nullptr : m_documents.at(m_index); }

private:
    QList<Document *> m_documents;
    int m_index = 0;
};
}

DocumentManager::DocumentManager() = default;
DocumentManager::~DocumentManager() = default;

void DocumentManager::AddReactor(CFxDocumentManagerReactor *reactor)
{
    HostState::get().log(QStringLiteral("AddReactor"));
    if (reactor && !m_reactors.contains(reactor))
        m_reactors.append(reactor);
}

void DocumentManager::RemoveReactor(CFxDocumentManagerReactor *reactor)
{
    HostState::get().log(QStringLiteral("RemoveReactor"));
    m_reactors.removeAll(reactor);
}

CFxDocumentIteratorPtr DocumentManager::NewIterator() const
{
    QList<Document *> walk = documents();
    if (m_iteratorYieldsNull)
        walk.prepend(nullptr);
    return OdRxObjectImpl<DocumentIterator>::createObject(walk);
}

template <class Notification>
void DocumentManager::notify(Notification notification)
{
    const QList<CFxDocumentManagerReactor *> reactors = m_reactors;
    for (CFxDocumentManagerReactor *reactor : reactors)
        notification(reactor);
}

Document *DocumentManager::open(const QString &title, bool withInputPointManager)
{
    m_documents.push_back(std::make_unique<Document>(title, withInputPointManager));
    Document *document = m_documents.back().get();
    notify([document](CFxDocumentManagerReactor *r) { r->DocumentCreated(document); });
    notify([document](CFxDocumentManagerReactor *r) { r->DocumentReady(document); });
    activate(document);
    return document;
}

void DocumentManager::close(Document *document)
{
    notify([document](CFxDocumentManagerReactor *r) { r->DocumentToBeReleased(document); });
    notify([document](CFxDocumentManagerReactor *r) { r->DocumentToBeDestroyed(document); });
    const OdString title = document->GetTitle().toOdString();
    if (m_active == document)
        m_active = nullptr;
    for (auto it = m_documents.begin(); it != m_documents.end(); ++it) {
        if (it->get() == document) {
            m_documents.erase(it);
            break;
        }
    }
    notify([&title](CFxDocumentManagerReactor *r) { r->DocumentDestroyed(title); });
    if (!m_active && !m_documents.empty())
        activate(m_documents.back().get());
}

void DocumentManager::activate(Document *document)
{
    if (m_active == document)
        return;
    m_active = document;
    notify([document](CFxDocumentManagerReactor *r) { r->DocumentActivated(document); });
}

Document *DocumentManager::active() const
{
    return m_active;
}

QList<Document *> DocumentManager::documents() const
{
    QList<Document *> result;
    for (const auto &document : m_documents)
        result.append(document.get());
    return result;
}

int DocumentManager::reactorCount() const
{
    return m_reactors.size();
}

void DocumentManager::setIteratorYieldsNull(bool yieldsNull)
{
    m_iteratorYieldsNull = yieldsNull;
}

} // namespace standin
