// Strokewheel - mouse gestures for CAD drawing views.
// Drawing SDK: the reference-counted object root, run-time classes, smart pointers, errors.
#pragma once

#include "HostExport.h"
#include "OdString.h"

#include <type_traits>
#include <utility>

class OdRxObject;

// Run-time class description: a name and the class it derives from.
class FX_HOST_API OdRxClass
{
public:
    OdRxClass(const char *name, OdRxClass *parent);
    OdString name() const;
    OdRxClass *myParent() const;
    bool isDerivedFrom(const OdRxClass *other) const;

private:
    const char *m_name;
    OdRxClass *m_parent;
};

namespace OdRx {
enum Ordering { kLessThan = -1, kEqual = 0, kGreaterThan = 1, kNotOrderable = 2 };
}

template <class T> class OdSmartPtr;
using OdRxObjectPtr = OdSmartPtr<OdRxObject>;

// Declares the run-time class members of an SDK class.
#define ODRX_DECLARE_MEMBERS(ClassName)                                                  \
public:                                                                                  \
    static OdRxClass *desc();                                                            \
    OdRxClass *isA() const override;                                                     \
    OdRxObject *queryX(const OdRxClass *protocolClass) const override

class FX_HOST_API OdRxObject
{
public:
    virtual ~OdRxObject();
    // Returns this object (with a reference added) when it is of the given class, else null.
    virtual OdRxObject *queryX(const OdRxClass *protocolClass) const;
    // queryX, but throws OdError_NotThatKindOfClass instead of returning null.
    virtual OdRxObject *x(const OdRxClass *protocolClass) const;
    virtual OdRxClass *isA() const;
    virtual void addRef() = 0;
    virtual void release() = 0;
    virtual long numRefs() const;
    virtual OdRxObjectPtr clone() const;
    virtual void copyFrom(const OdRxObject *source);
    virtual OdRx::Ordering comparedTo(const OdRxObject *other) const;
    virtual bool isEqualTo(const OdRxObject *other) const;

    static OdRxClass *desc();
    bool isKindOf(const OdRxClass *protocolClass) const;

protected:
    OdRxObject() = default;
    OdRxObject(const OdRxObject &) = default;
    OdRxObject &operator=(const OdRxObject &) = default;
};

// Base of the SDK's exceptions.
class FX_HOST_API OdError
{
public:
    explicit OdError(const OdString &description);
    virtual ~OdError();
    OdString description() const;

private:
    OdString m_description;
};

// Thrown when an object is used as a class it does not belong to.
class FX_HOST_API OdError_NotThatKindOfClass : public OdError
{
public:
    OdError_NotThatKindOfClass(const OdRxClass *objectClass, const OdRxClass *wantedClass);
    const OdRxClass *objectClass() const;
    const OdRxClass *wantedClass() const;

private:
    const OdRxClass *m_objectClass;
    const OdRxClass *m_wantedClass;
};

// Owning pointer that adds a reference on copy and releases it on destruction.
template <class T>
class OdSmartPtr
{
public:
    OdSmartPtr() = default;
    OdSmartPtr(std::nullptr_t) {}
    OdSmartPtr(T *object) : m_object(object) { if (m_object) m_object->addRef(); }
    OdSmartPtr(const OdSmartPtr &other) : OdSmartPtr(other.m_object) {}
    OdSmartPtr(OdSmartPtr &&other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    // Upcasts are checked at compile time; any other conversion is a run-time
    // check that throws OdError_NotThatKindOfClass.
    template <class U>
    OdSmartPtr(const OdSmartPtr<U> &other)
    {
        if constexpr (std::is_base_of_v<T, U>) {
            m_object = other.get();
            if (m_object)
                m_object->addRef();
        } else if (other.get()) {
            m_object = static_cast<T *>(other.get()->x(T::desc()));
        }
    }
    ~OdSmartPtr() { release(); }

    OdSmartPtr &operator=(OdSmartPtr other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }

    // Takes over a reference that the caller already holds.
    void attach(T *object)
    {
        release();
        m_object = object;
    }
    void release()
    {
        if (m_object)
            std::exchange(m_object, nullptr)->release();
    }

    T *get() const { return m_object; }
    T *operator->() const { return m_object; }
    T &operator*() const { return *m_object; }
    bool isNull() const { return m_object == nullptr; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T *m_object = nullptr;
};

// An object whose lifetime is its owner's: references change nothing.
template <class T>
class OdStaticRxObject : public T
{
public:
    using T::T;
    void addRef() override {}
    void release() override {}
    long numRefs() const override { return 1; }
};

// A heap object deleted when its last reference goes.
template <class T>
class OdRxObjectImpl : public T
{
public:
    using T::T;
    void addRef() override { ++m_refs; }
    void release() override
    {
        if (--m_refs == 0)
            delete this;
    }
    long numRefs() const override { return m_refs; }

    template <class... Args>
    static OdSmartPtr<T> createObject(Args &&...args)
    {
        OdSmartPtr<T> result;
        auto *object = new OdRxObjectImpl<T>(std::forward<Args>(args)...);
        object->m_refs = 1;
        result.attach(object);
        return result;
    }

private:
    long m_refs = 0;
};
