#include "platform/user/WindowTable.h"

#include <algorithm>

namespace user {

Window& WindowTable::Add() {
    auto w = std::make_unique<Window>();
    w->handle = reinterpret_cast<HWND>(mNext);
    mNext += 4;
    Window& ref = *w;
    mWindows.emplace(reinterpret_cast<std::uintptr_t>(ref.handle), std::move(w));
    return ref;
}

Window* WindowTable::Find(HWND hwnd) const {
    auto it = mWindows.find(reinterpret_cast<std::uintptr_t>(hwnd));
    return it == mWindows.end() ? nullptr : it->second.get();
}

void WindowTable::Remove(HWND hwnd) {
    auto it = mWindows.find(reinterpret_cast<std::uintptr_t>(hwnd));
    if (it == mWindows.end())
        return;
    Window& w = *it->second;
    w.destroyed = true;
    std::erase(Siblings(w), hwnd);
    mRemoved.push_back(std::move(it->second));
    mWindows.erase(it);
}

std::vector<HWND>& WindowTable::Siblings(const Window& w) {
    if (w.parent != nullptr) {
        if (Window* p = Find(w.parent))
            return p->children;
    }
    return mTopLevel;
}

void WindowTable::ForEachPreOrder(const std::function<bool(Window&)>& visit) const {
    Visit(mTopLevel, visit);
}

bool WindowTable::IsVisible(const Window& w) const {
    for (const Window* p = &w; p != nullptr; p = Find(p->parent)) {
        if ((p->style & WS_VISIBLE) == 0)
            return false;
    }
    return true;
}

bool WindowTable::IsDescendant(HWND ancestor, HWND hwnd) const {
    const Window* w = Find(hwnd);
    for (w = w ? Find(w->parent) : nullptr; w != nullptr; w = Find(w->parent)) {
        if (w->handle == ancestor)
            return true;
    }
    return false;
}

const Window& WindowTable::TopLevelOf(const Window& w) const {
    const Window* top = &w;
    while (const Window* up = Find(top->parent))
        top = up;
    return *top;
}

POINT WindowTable::ClientOrigin(const Window& w) const {
    POINT p{w.client.left, w.client.top};
    for (const Window* a = Find(w.parent); a != nullptr; a = Find(a->parent)) {
        p.x += a->client.left;
        p.y += a->client.top;
    }
    return p;
}

// Walks a copy of each list: a visitor may create or destroy windows.
bool WindowTable::Visit(const std::vector<HWND>& list, const std::function<bool(Window&)>& visit) const {
    const std::vector<HWND> snapshot = list;
    for (HWND h : snapshot) {
        Window* w = Find(h);
        if (w == nullptr)
            continue;
        if (!visit(*w))
            return false;
        if (Window* still = Find(h); still != nullptr && !Visit(still->children, visit))
            return false;
    }
    return true;
}

} // namespace user
