#pragma once
// The desktop's clipboard state behind clipboard_api.h.

#include <map>
#include <optional>
#include <string>

#include "platform/user/handles.h"

namespace user {

class Clipboard {
public:
    Clipboard() = default;
    ~Clipboard();
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;

    // OpenClipboard fails while set, as when another program holds it.
    void SetRefuseOpen(bool refuse) { mRefuseOpen = refuse; }

    bool Open(HWND owner);
    bool Close();
    bool Empty();
    bool Set(UINT format, HGLOBAL block);
    HGLOBAL Get(UINT format) const;
    bool IsOpen() const { return mOpen; }
    HWND Owner() const { return mOwner; }
    // The CF_UNICODETEXT text up to its terminator; none when there is none.
    std::optional<std::u16string> Text() const;
    int Opens() const { return mOpens; }

private:
    void FreeAll();

    std::map<UINT, HGLOBAL> mBlocks;
    bool mOpen = false;
    bool mRefuseOpen = false;
    HWND mOpener = nullptr;
    HWND mOwner = nullptr;
    int mOpens = 0;
};

} // namespace user
