#include "platform/user/Clipboard.h"

#include "platform/user/Desktop.h"
#include "platform/user/clipboard_api.h"
#include "platform/win32/global.h"

namespace user {

Clipboard::~Clipboard() {
    FreeAll();
}

void Clipboard::FreeAll() {
    for (const auto& [format, block] : mBlocks)
        GlobalFree(block);
    mBlocks.clear();
}

bool Clipboard::Open(HWND owner) {
    if (mOpen || mRefuseOpen)
        return false;
    mOpen = true;
    mOpener = owner;
    ++mOpens;
    return true;
}

bool Clipboard::Close() {
    if (!mOpen)
        return false;
    mOpen = false;
    return true;
}

bool Clipboard::Empty() {
    if (!mOpen)
        return false;
    FreeAll();
    mOwner = mOpener;
    return true;
}

bool Clipboard::Set(UINT format, HGLOBAL block) {
    if (!mOpen || GlobalSize(block) == 0)
        return false;
    auto it = mBlocks.find(format);
    if (it != mBlocks.end() && it->second != block)
        GlobalFree(it->second);
    mBlocks[format] = block;
    return true;
}

HGLOBAL Clipboard::Get(UINT format) const {
    auto it = mBlocks.find(format);
    return it == mBlocks.end() ? nullptr : it->second;
}

std::optional<std::u16string> Clipboard::Text() const {
    HGLOBAL block = Get(CF_UNICODETEXT);
    if (block == nullptr)
        return std::nullopt;
    const auto* units = static_cast<const char16_t*>(GlobalLock(block));
    const std::size_t most = GlobalSize(block) / sizeof(char16_t);
    std::size_t n = 0;
    while (n < most && units[n] != 0)
        ++n;
    std::u16string text(units, n);
    GlobalUnlock(block);
    return text;
}

} // namespace user

BOOL OpenClipboard(HWND owner) {
    return user::Desktop::Current().ClipboardState().Open(owner) ? TRUE : FALSE;
}

BOOL CloseClipboard() {
    return user::Desktop::Current().ClipboardState().Close() ? TRUE : FALSE;
}

BOOL EmptyClipboard() {
    return user::Desktop::Current().ClipboardState().Empty() ? TRUE : FALSE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    return user::Desktop::Current().ClipboardState().Set(format, static_cast<HGLOBAL>(data)) ? data : nullptr;
}

HANDLE GetClipboardData(UINT format) {
    user::Clipboard& c = user::Desktop::Current().ClipboardState();
    return c.IsOpen() ? c.Get(format) : nullptr;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    return user::Desktop::Current().ClipboardState().Get(format) != nullptr ? TRUE : FALSE;
}
