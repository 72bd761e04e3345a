#pragma once
// The base of the framework's drawing objects: one GDI handle, deleted with
// the object unless it was only borrowed.

#include "platform/gdi/gdi.h"

namespace OWL {

class TGdiObject {
public:
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    virtual ~TGdiObject() {
        if (mOwned && mHandle)
            DeleteObject(mHandle);
    }
    HGDIOBJ GetHandle() const { return mHandle; }
    bool IsValid() const { return mHandle != nullptr; }

protected:
    TGdiObject(HGDIOBJ handle, bool owned) : mHandle(handle), mOwned(owned) {}

private:
    HGDIOBJ mHandle;
    bool mOwned;
};

} // namespace OWL
