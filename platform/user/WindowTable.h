#pragma once
// All windows of the process by handle, and the z-order of the top-level ones.
// Handles are never reused, so a stale handle stays invalid for good. A removed
// window's object is kept until Collect(), so code that still holds a pointer to
// it across a window procedure call reads a window marked destroyed, not freed
// memory.

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/user/Window.h"

namespace user {

class WindowTable {
public:
    Window& Add();
    Window* Find(HWND hwnd) const;
    void Remove(HWND hwnd);
    void Collect() { mRemoved.clear(); }

    std::vector<HWND>& TopLevel() { return mTopLevel; }
    // The sibling list hwnd belongs to: its parent's children or the top-level list.
    std::vector<HWND>& Siblings(const Window& w);
    // Every window, parents before their children, siblings in z-order.
    void ForEachPreOrder(const std::function<bool(Window&)>& visit) const;
    std::size_t Count() const { return mWindows.size(); }

    // WS_VISIBLE on the window and every ancestor.
    bool IsVisible(const Window& w) const;
    // hwnd lies below ancestor in the parent chain (child windows only, not owned ones).
    bool IsDescendant(HWND ancestor, HWND hwnd) const;
    // The top-level window w lies in (w itself when it is one).
    const Window& TopLevelOf(const Window& w) const;
    // Screen position of the top-left corner of the client area.
    POINT ClientOrigin(const Window& w) const;

private:
    bool Visit(const std::vector<HWND>& list, const std::function<bool(Window&)>& visit) const;

    std::unordered_map<std::uintptr_t, std::unique_ptr<Window>> mWindows;
    std::vector<std::unique_ptr<Window>> mRemoved;
    std::vector<HWND> mTopLevel;
    std::uintptr_t mNext = 0x10010;
};

} // namespace user
