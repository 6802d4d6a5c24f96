// Strokewheel - mouse gestures for CAD drawing views.
// The drawing SDK's object runtime: classes, objects, errors, allocation, result buffers.
#include "host/OdAlloc.h"
#include "host/OdResBuf.h"
#include "host/OdRxObject.h"

#include <cstdlib>
#include <cstring>

// ---- allocation ----------------------------------------------------------------

void *odrxAlloc(std::size_t size)
{
    return std::malloc(size);
}

void odrxFree(void *memory)
{
    std::free(memory);
}

// ---- run-time classes ----------------------------------------------------------

OdRxClass::OdRxClass(const char *name, OdRxClass *parent) : m_name(name), m_parent(parent) {}

OdString OdRxClass::name() const
{
    return OdString(m_name);
}

OdRxClass *OdRxClass::myParent() const
{
    return m_parent;
}

bool OdRxClass::isDerivedFrom(const OdRxClass *other) const
{
    for (const OdRxClass *c = this; c; c = c->m_parent) {
        if (c == other)
            return true;
    }
    return false;
}

// ---- objects -------------------------------------------------------------------

OdRxObject::~OdRxObject() = default;

OdRxClass *OdRxObject::desc()
{
    static OdRxClass rxClass("OdRxObject", nullptr);
    return &rxClass;
}

OdRxClass *OdRxObject::isA() const
{
    return desc();
}

OdRxObject *OdRxObject::queryX(const OdRxClass *protocolClass) const
{
    if (!isA()->isDerivedFrom(protocolClass))
        return nullptr;
    auto *self = const_cast<OdRxObject *>(this);
    self->addRef();
    return self;
}

OdRxObject *OdRxObject::x(const OdRxClass *protocolClass) const
{
    OdRxObject *result = queryX(protocolClass);
    if (!result)
        throw OdError_NotThatKindOfClass(isA(), protocolClass);
    return result;
}

long OdRxObject::numRefs() const
{
    return 1;
}

OdRxObjectPtr OdRxObject::clone() const
{
    return OdRxObjectPtr();
}

void OdRxObject::copyFrom(const OdRxObject *) {}

OdRx::Ordering OdRxObject::comparedTo(const OdRxObject *) const
{
    return OdRx::kNotOrderable;
}

bool OdRxObject::isEqualTo(const OdRxObject *other) const
{
    return other == this;
}

bool OdRxObject::isKindOf(const OdRxClass *protocolClass) const
{
    return isA()->isDerivedFrom(protocolClass);
}

// ---- errors --------------------------------------------------------------------

OdError::OdError(const OdString &description) : m_description(description) {}

OdError::~OdError() = default;

OdString OdError::description() const
{
    return m_description;
}

namespace {
OdString notThatKindText(const OdRxClass *objectClass, const OdRxClass *wantedClass)
{
    std::wstring text = L"Object of class ";
    text += objectClass ? objectClass->name().c_str() : L"(null)";
    text += L" can't be converted to ";
    text += wantedClass ? wantedClass->name().c_str() : L"(null)";
    return OdString(text.c_str());
}
}

OdError_NotThatKindOfClass::OdError_NotThatKindOfClass(const OdRxClass *objectClass, const OdRxClass *wantedClass)
    : OdError(notThatKindText(objectClass, wantedClass)), m_objectClass(objectClass), m_wantedClass(wantedClass)
{
}

const OdRxClass *OdError_NotThatKindOfClass::objectClass() const
{
    return m_objectClass;
}

const OdRxClass *OdError_NotThatKindOfClass::wantedClass() const
{
    return m_wantedClass;
}

// ---- result buffers --------------------------------------------------------------

OdResBuf::OdResBuf() = default;

OdResBufPtr OdResBuf::newRb(int restype)
{
    OdResBufPtr buffer = OdRxObjectImpl<OdResBuf>::createObject();
    buffer->setRestype(restype);
    return buffer;
}

int OdResBuf::restype() const
{
    return m_restype;
}

void OdResBuf::setRestype(int restype)
{
    m_restype = restype;
}

OdString OdResBuf::getString() const
{
    return m_string;
}

void OdResBuf::setString(const OdString &value)
{
    m_string = value;
}
