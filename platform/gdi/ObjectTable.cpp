#include "platform/gdi/ObjectTable.h"

#include <cstring>

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/BrushObject.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/PenObject.h"
#include "platform/gdi/gdi.h"

namespace gdi {
namespace {

std::uintptr_t Key(HGDIOBJ h) {
    return reinterpret_cast<std::uintptr_t>(h);
}

LOGFONTW StockFont(LONG height, LONG weight, const char16_t* face) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    for (int i = 0; face[i] && i < LF_FACESIZE - 1; ++i)
        lf.lfFaceName[i] = face[i];
    return lf;
}

} // namespace

ObjectTable& ObjectTable::Instance() {
    static ObjectTable table;
    return table;
}

ObjectTable::ObjectTable() {
    MakeStockObjects();
}

void ObjectTable::MakeStockObjects() {
    auto brush = [&](int index, COLORREF c) {
        mStockByIndex[index] = AddStock(std::make_shared<BrushObject>(BS_SOLID, c));
    };
    brush(WHITE_BRUSH, RGB(255, 255, 255));
    brush(LTGRAY_BRUSH, RGB(192, 192, 192));
    brush(GRAY_BRUSH, RGB(128, 128, 128));
    brush(DKGRAY_BRUSH, RGB(64, 64, 64));
    brush(BLACK_BRUSH, RGB(0, 0, 0));
    mStockByIndex[NULL_BRUSH] = AddStock(std::make_shared<BrushObject>(BS_NULL, 0));
    mStockByIndex[DC_BRUSH] =
        AddStock(std::make_shared<BrushObject>(BS_SOLID, 0, BrushObject::Source::DcBrush));
    mStockByIndex[WHITE_PEN] = AddStock(std::make_shared<PenObject>(PS_SOLID, 0, RGB(255, 255, 255)));
    mStockByIndex[BLACK_PEN] = AddStock(std::make_shared<PenObject>(PS_SOLID, 0, RGB(0, 0, 0)));
    mStockByIndex[NULL_PEN] = AddStock(std::make_shared<PenObject>(PS_NULL, 0, 0));
    mStockByIndex[DC_PEN] = AddStock(std::make_shared<PenObject>(PS_SOLID, 0, 0, true));
    // The system font is the classic bold cell-16 font; every other stock
    // font is the 8-point dialog font (-11 px at 96 dpi).
    mStockByIndex[SYSTEM_FONT] = AddStock(std::make_shared<FontObject>(StockFont(16, FW_BOLD, u"System")));
    for (int index : {OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, DEVICE_DEFAULT_FONT, SYSTEM_FIXED_FONT})
        mStockByIndex[index] = AddStock(std::make_shared<FontObject>(StockFont(16, FW_NORMAL, u"System")));
    mStockByIndex[DEFAULT_GUI_FONT] =
        AddStock(std::make_shared<FontObject>(StockFont(-11, FW_NORMAL, u"MS Shell Dlg")));
    mDefaultBitmap = AddStock(std::make_shared<BitmapObject>(std::make_shared<Surface>(1, 1, 1), 1, 1));
}

HGDIOBJ ObjectTable::AddStock(std::shared_ptr<GdiObject> object) {
    const std::uintptr_t key = mNext;
    mNext += 4;
    mStock.emplace(key, std::move(object));
    return reinterpret_cast<HGDIOBJ>(key);
}

HGDIOBJ ObjectTable::Add(std::shared_ptr<GdiObject> object) {
    const std::uintptr_t key = mNext;
    mNext += 4;
    mObjects.emplace(key, std::move(object));
    return reinterpret_cast<HGDIOBJ>(key);
}

std::shared_ptr<GdiObject> ObjectTable::Find(HGDIOBJ handle) const {
    auto it = mObjects.find(Key(handle));
    if (it != mObjects.end())
        return it->second;
    auto st = mStock.find(Key(handle));
    return st != mStock.end() ? st->second : nullptr;
}

DeviceContext* ObjectTable::Dc(HDC dc) const {
    auto it = mObjects.find(Key(dc));
    if (it == mObjects.end())
        return nullptr;
    const DWORD type = it->second->Type();
    return type == OBJ_DC || type == OBJ_MEMDC ? static_cast<DeviceContext*>(it->second.get()) : nullptr;
}

bool ObjectTable::IsStock(HGDIOBJ handle) const {
    return mStock.count(Key(handle)) != 0;
}

bool ObjectTable::Remove(HGDIOBJ handle) {
    auto it = mObjects.find(Key(handle));
    if (it == mObjects.end())
        return false;
    const DWORD type = it->second->Type();
    if (type == OBJ_DC || type == OBJ_MEMDC)
        return false;
    for (const auto& [key, object] : mObjects) {
        const DWORD t = object->Type();
        if ((t == OBJ_DC || t == OBJ_MEMDC) && static_cast<const DeviceContext&>(*object).References(handle))
            return false;
    }
    mObjects.erase(it);
    return true;
}

bool ObjectTable::RemoveDc(HDC dc) {
    if (!Dc(dc))
        return false;
    mObjects.erase(Key(dc));
    return true;
}

HGDIOBJ ObjectTable::Stock(int index) const {
    auto it = mStockByIndex.find(index);
    return it == mStockByIndex.end() ? nullptr : it->second;
}

HGDIOBJ ObjectTable::SysColorBrush(int index) {
    auto it = mSysColorBrushes.find(index);
    if (it != mSysColorBrushes.end())
        return it->second;
    HGDIOBJ h = AddStock(std::make_shared<BrushObject>(BS_SOLID, 0, BrushObject::Source::SysColor, index));
    mSysColorBrushes.emplace(index, h);
    return h;
}

} // namespace gdi
