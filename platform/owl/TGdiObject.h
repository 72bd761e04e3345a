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
        if (owned_ && handle_)
            DeleteObject(handle_);
    }
    HGDIOBJ GetHandle() const { return handle_; }
    bool IsValid() const { return handle_ != nullptr; }

protected:
    TGdiObject(HGDIOBJ handle, bool owned) : handle_(handle), owned_(owned) {}

private:
    HGDIOBJ handle_;
    bool owned_;
};

} // namespace OWL
