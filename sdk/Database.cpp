// Strokewheel - mouse gestures for CAD drawing views.
// A drawing database.
#include "sdk/Database.h"

#include "host/CFxString.h"

// ---- object ids ------------------------------------------------------------------

bool OdDbObjectId::isErased() const
{
    return m_stub && m_stub->erased;
}

OdDbObjectPtr OdDbObjectId::safeOpenObject(OdDb::OpenMode, bool openErased) const
{
    if (!m_stub || !m_stub->object)
        throw OdError(OdString("Null object id"));
    if (m_stub->erased && !openErased)
        throw OdError(OdString("Object was erased"));
    return m_stub->object;
}

namespace fxsdk {

// ---- block table records and layouts ---------------------------------------------

BlockTableRecord::BlockTableRecord(OdDbStub *stub, const QString &name) : m_stub(stub), m_name(name) {}

OdDbObjectId BlockTableRecord::objectId() const
{
    return OdDbObjectId(m_stub);
}

bool BlockTableRecord::isErased() const
{
    return m_stub->erased;
}

QString BlockTableRecord::name() const
{
    return m_name;
}

Layout::Layout(OdDbStub *stub, const QString &name, OdDbObjectId blockTableRecord)
    : m_stub(stub), m_name(name), m_blockTableRecord(blockTableRecord)
{
}

OdDbObjectId Layout::objectId() const
{
    return OdDbObjectId(m_stub);
}

bool Layout::isErased() const
{
    return m_stub->erased;
}

OdString Layout::getLayoutName() const
{
    return CFxString(m_name).toOdString();
}

OdDbObjectId Layout::getBlockTableRecordId() const
{
    return m_blockTableRecord;
}

// ---- database ----------------------------------------------------------------------

Database::Database()
{
    OdDbStub *stub = newStub();
    stub->object = OdRxObjectImpl<BlockTableRecord>::createObject(stub, QStringLiteral("*Model_Space"));
    m_modelSpace = OdDbObjectId(stub);
    addLayout(QStringLiteral("Model"), m_modelSpace);
    addSheetLayout(QStringLiteral("Sheet1"));
}

Database::~Database()
{
    // Objects hold no references to each other; dropping the stubs frees them.
    for (auto &stub : m_stubs)
        stub->object.release();
}

OdDbStub *Database::newStub()
{
    m_stubs.push_back(std::make_unique<OdDbStub>());
    return m_stubs.back().get();
}

OdDbObjectId Database::addLayout(const QString &name, OdDbObjectId blockTableRecord)
{
    OdDbStub *stub = newStub();
    stub->object = OdRxObjectImpl<Layout>::createObject(stub, name, blockTableRecord);
    m_layoutNames.append(name);
    m_layoutIds.push_back(OdDbObjectId(stub));
    return OdDbObjectId(stub);
}

void Database::addSheetLayout(const QString &name)
{
    OdDbStub *space = newStub();
    space->object = OdRxObjectImpl<BlockTableRecord>::createObject(
        space, QStringLiteral("*Paper_Space%1").arg(m_layoutNames.size() - 1));
    addLayout(name, OdDbObjectId(space));
}

OdDbObjectId Database::currentLayoutId() const
{
    return m_currentNotALayout ? m_modelSpace : m_layoutIds[std::size_t(m_current)];
}

OdDbObjectId Database::getModelSpaceId() const
{
    return m_modelSpace;
}

bool Database::setCurrentLayout(const QString &name)
{
    const int index = m_layoutNames.indexOf(name);
    if (index < 0)
        return false;
    m_current = index;
    return true;
}

QString Database::currentLayout() const
{
    return m_layoutNames.at(m_current);
}

QStringList Database::layouts() const
{
    return m_layoutNames;
}

void Database::setCurrentLayoutNotALayout(bool notALayout)
{
    m_currentNotALayout = notALayout;
}

} // namespace fxsdk
