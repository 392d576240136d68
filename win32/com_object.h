// The IUnknown of the program's COM objects: counting references and
// answering for the interfaces an object implements.
#pragma once

#include <objbase.h>

namespace plumaro {

// The identifier of an interface: what the Windows headers declare for it.
// An interface they do not declare specialises this.
template <class Interface> const IID &interfaceId() { return __uuidof(Interface); }

// A COM object that implements Interface, and so also the interfaces it
// derives from, named in Bases. It starts with one reference, held by
// whoever made it, and deletes itself when the last is released.
template <class Interface, class... Bases> class ComObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override {
        if (!object)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == interfaceId<Interface>() || ((iid == interfaceId<Bases>()) || ...)) {
            *object = static_cast<Interface *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~ComObject() = default;

private:
    LONG references_ = 1;
};

// Hands a COM caller one value through its out parameter, or E_POINTER if
// it gave none.
template <class Out, class Value> HRESULT handOut(Out *out, Value value, HRESULT result = S_OK) {
    if (!out)
        return E_POINTER;
    *out = value;
    return result;
}

} // namespace plumaro
