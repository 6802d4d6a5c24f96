// Strokewheel - mouse gestures for CAD drawing views.
// Drawing SDK: the module object a module file creates, and its dynamic-module implementation.
#pragma once

#include "OdAlloc.h"
#include "OdRxObject.h"
#include "WinModule.h"

#include <atomic>
#include <cstdint>
#include <new>

class FX_HOST_API rz_OdRxModule : public OdRxObject
{
    ODRX_DECLARE_MEMBERS(rz_OdRxModule);

public:
    // Module interface, in the order the host calls through it.
    virtual void *sysData() = 0;
    virtual void deleteModule() = 0;
    virtual void initApp() = 0;
    virtual void uninitApp() = 0;
    virtual OdString moduleName() const = 0;
};

// The object a module file hands to the host: adds an atomic reference count, the
// module handle and the module-interface operations to the module class T.
// Releasing never deletes; the host deletes through deleteModule().
template <class T, class TBase = T>
class OdRxWin32Module : public T
{
public:
    static constexpr unsigned kModuleNameBufferSize = 260;

    // Returns the module object of this file, creating it on the first call. The
    // handle moves into the object and the caller's variable becomes null.
    static rz_OdRxModule *createModule(HMODULE &handle)
    {
        if (s_instance)
            return s_instance;
        void *memory = odrxAlloc(sizeof(OdRxWin32Module));
        if (!memory)
            throw std::bad_alloc();
        OdRxWin32Module *module;
        try {
            module = ::new (memory) OdRxWin32Module(handle);
        } catch (...) {
            odrxFree(memory);
            throw;
        }
        s_instance = module;
        return module;
    }
    static OdRxWin32Module *instance() { return s_instance; }

    void addRef() override { m_refs.fetch_add(1); }
    void release() override { m_refs.fetch_sub(1); }
    long numRefs() const override { return m_refs.load(); }

    void *sysData() override { return m_handle; }
    void deleteModule() override
    {
        s_instance = nullptr;
        delete this;
    }
    OdString moduleName() const override
    {
        wchar_t path[kModuleNameBufferSize] = {};
        GetModuleFileNameW(m_handle, path, kModuleNameBufferSize);
        return OdString(path);
    }

    static void operator delete(void *memory) { odrxFree(memory); }

private:
    explicit OdRxWin32Module(HMODULE &handle) : m_handle(handle) { handle = nullptr; }

    std::atomic<std::int32_t> m_refs{0};
    HMODULE m_handle = nullptr;
    static inline OdRxWin32Module *s_instance = nullptr;
};

// Signatures of the two functions every module file exports.
using OdRxCreateModuleObjectFn = rz_OdRxModule *(*)(HMODULE &handle);
using OdRxGetAPIVersionFn = void (*)(int &major, int &minor, int &release, int &build);
