#pragma once
// The handle table: every pen, brush, font, bitmap, region and device context
// lives here under an opaque handle until it is deleted. Stock objects are
// made once and never deleted. Handles are never reused, so a stale handle
// is refused rather than mistaken for a newer object.

#include <map>
#include <memory>
#include <vector>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/handles.h"

namespace gdi {

class DeviceContext;

class ObjectTable {
public:
    static ObjectTable& Instance();

    HGDIOBJ Add(std::shared_ptr<GdiObject> object);
    std::shared_ptr<GdiObject> Find(HGDIOBJ handle) const;
    template <class T> std::shared_ptr<T> Get(HGDIOBJ handle, DWORD type) const {
        std::shared_ptr<GdiObject> o = Find(handle);
        return o && o->Type() == type ? std::static_pointer_cast<T>(o) : nullptr;
    }
    DeviceContext* Dc(HDC dc) const;

    bool IsStock(HGDIOBJ handle) const;
    // Fails for stock objects, unknown handles and objects still selected
    // into a device context (or kept by one of its saved states).
    bool Remove(HGDIOBJ handle);
    bool RemoveDc(HDC dc);

    HGDIOBJ Stock(int index) const;
    HGDIOBJ DefaultBitmap() const { return mDefaultBitmap; }
    HGDIOBJ SysColorBrush(int index);

    // Objects made by callers and not yet deleted, device contexts included.
    int LiveCount() const { return static_cast<int>(mObjects.size()); }

private:
    ObjectTable();
    HGDIOBJ AddStock(std::shared_ptr<GdiObject> object);
    void MakeStockObjects();

    std::map<std::uintptr_t, std::shared_ptr<GdiObject>> mObjects;
    std::map<std::uintptr_t, std::shared_ptr<GdiObject>> mStock;
    std::map<int, HGDIOBJ> mStockByIndex;
    std::map<int, HGDIOBJ> mSysColorBrushes;
    HGDIOBJ mDefaultBitmap = nullptr;
    std::uintptr_t mNext = 0x1000;
};

} // namespace gdi
