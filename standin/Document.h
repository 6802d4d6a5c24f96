// Strokewheel - mouse gestures for CAD drawing views.
// An open drawing: its view, its input-point manager and its database.
#pragma once

#include "host/CFxDocument.h"

#include <QPointer>

#include <memory>

namespace fxsdk {
class Database;
}

namespace standin {

class DrawingView;
class InputPointManager;

class Document : public CFxDocument
{
public:
    Document(const QString &title, bool withInputPointManager);
    ~Document() override;

    CFxString GetTitle() const override;
    CFxInputPointManager *GetInputPointManager() const override;
    QWidget *GetViewWidget() const override;
    OdDbDatabasePtr GetDatabase() const override;

    QString title() const;
    DrawingView *view() const;
    InputPointManager *inputPointManager() const;
    fxsdk::Database *database() const;
    void setDatabasePresent(bool present);

private:
    QString m_title;
    QPointer<DrawingView> m_view;
    std::unique_ptr<InputPointManager> m_inputPointManager;
    OdDbDatabasePtr m_database;
    bool m_databasePresent = true;
};

} // namespace standin
