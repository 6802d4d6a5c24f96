// Strokewheel - mouse gestures for CAD drawing views.
// Drawing SDK: the drawing database, object identifiers and layouts.
#pragma once

#include "OdRxObject.h"

class OdDbObject;
class OdDbStub;
using OdDbObjectPtr = OdSmartPtr<OdDbObject>;

namespace OdDb {
enum OpenMode { kNotOpen = -1, kForRead = 0, kForWrite = 1, kForNotify = 2 };
}

// Identifies an object of a database; null when it identifies nothing.
class FX_HOST_API OdDbObjectId
{
public:
    OdDbObjectId() = default;
    explicit OdDbObjectId(OdDbStub *stub) : m_stub(stub) {}

    bool isNull() const { return m_stub == nullptr; }
    bool isErased() const;
    // Opens the object; throws OdError for a null id, or for an erased object
    // unless openErased is true.
    OdDbObjectPtr safeOpenObject(OdDb::OpenMode mode = OdDb::kForRead, bool openErased = false) const;
    OdDbStub *stub() const { return m_stub; }

    bool operator==(const OdDbObjectId &other) const { return m_stub == other.m_stub; }
    bool operator!=(const OdDbObjectId &other) const { return m_stub != other.m_stub; }

private:
    OdDbStub *m_stub = nullptr;
};

class FX_HOST_API OdDbObject : public OdRxObject
{
    ODRX_DECLARE_MEMBERS(OdDbObject);

public:
    virtual OdDbObjectId objectId() const = 0;
    virtual bool isErased() const = 0;
};

class FX_HOST_API OdDbLayout : public OdDbObject
{
    ODRX_DECLARE_MEMBERS(OdDbLayout);

public:
    virtual OdString getLayoutName() const = 0;
    // The block table record (model space or a paper space) the layout shows.
    virtual OdDbObjectId getBlockTableRecordId() const = 0;
};
using OdDbLayoutPtr = OdSmartPtr<OdDbLayout>;

class FX_HOST_API OdDbDatabase : public OdRxObject
{
    ODRX_DECLARE_MEMBERS(OdDbDatabase);

public:
    virtual OdDbObjectId currentLayoutId() const = 0;
    virtual OdDbObjectId getModelSpaceId() const = 0;
};
using OdDbDatabasePtr = OdSmartPtr<OdDbDatabase>;
