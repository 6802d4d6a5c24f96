// Strokewheel - mouse gestures for CAD drawing views.
// A drawing database: model space, sheet layouts and the current layout.
#pragma once

#include "host/OdDbDatabase.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// What an object id points at: the object, and whether it was erased.
class OdDbStub
{
public:
    OdDbObjectPtr object;
    bool erased = false;
};

namespace fxsdk {

// A block table record: model space or one paper space.
class BlockTableRecord : public OdDbObject
{
public:
    BlockTableRecord(OdDbStub *stub, const QString &name);
    OdDbObjectId objectId() const override;
    bool isErased() const override;
    QString name() const;

private:
    OdDbStub *m_stub;
    QString m_name;
};

class Layout : public OdDbLayout
{
public:
    Layout(OdDbStub *stub, const QString &name, OdDbObjectId blockTableRecord);
    OdDbObjectId objectId() const override;
    bool isErased() const override;
    OdString getLayoutName() const override;
    OdDbObjectId getBlockTableRecordId() const override;

private:
    OdDbStub *m_stub;
    QString m_name;
    OdDbObjectId m_blockTableRecord;
};

class Database : public OdDbDatabase
{
public:
    Database();
    ~Database() override;

    OdDbObjectId currentLayoutId() const override;
    OdDbObjectId getModelSpaceId() const override;

    void addSheetLayout(const QString &name);
    bool setCurrentLayout(const QString &name);
    QString currentLayout() const;
    QStringList layouts() const;
    // The current layout id then names model space's block table record instead.
    void setCurrentLayoutNotALayout(bool notALayout);

private:
    OdDbStub *newStub();
    OdDbObjectId addLayout(const QString &name, OdDbObjectId blockTableRecord);

    std::vector<std::unique_ptr<OdDbStub>> m_stubs;
    OdDbObjectId m_modelSpace;
    QStringList m_layoutNames;
    std::vector<OdDbObjectId> m_layoutIds;
    int m_current = 0;
    bool m_currentNotALayout = false;
};

} // namespace fxsdk
