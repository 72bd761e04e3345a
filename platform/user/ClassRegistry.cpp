#include "platform/user/ClassRegistry.h"

#include <cstdint>

#include "platform/win32/text.h"

namespace user {
namespace {

ATOM AtomOf(LPCWSTR name) {
    return static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(name));
}

} // namespace

bool IsAtomName(LPCWSTR name) {
    return reinterpret_cast<std::uintptr_t>(name) < 0x10000;
}

ATOM ClassRegistry::Register(const WNDCLASSW& d) {
    if (d.lpszClassName == nullptr || IsAtomName(d.lpszClassName) || d.lpszClassName[0] == u'\0')
        return 0;
    if (d.cbClsExtra < 0 || d.cbWndExtra < 0 || Find(d.lpszClassName) != nullptr)
        return 0;
    auto c = std::make_unique<WindowClass>();
    c->atom = mNextAtom++;
    c->name = d.lpszClassName;
    c->style = d.style;
    c->proc = d.lpfnWndProc;
    c->windowExtraBytes = d.cbWndExtra;
    c->instance = d.hInstance;
    c->icon = d.hIcon;
    c->cursor = d.hCursor;
    c->background = d.hbrBackground;
    c->extra.resize(static_cast<std::size_t>(d.cbClsExtra));
    mClasses.push_back(std::move(c));
    return mClasses.back()->atom;
}

bool ClassRegistry::Unregister(LPCWSTR nameOrAtom) {
    WindowClass* c = Find(nameOrAtom);
    if (c == nullptr)
        return false;
    std::erase_if(mClasses, [c](const auto& p) { return p.get() == c; });
    return true;
}

WindowClass* ClassRegistry::Find(LPCWSTR nameOrAtom) {
    if (nameOrAtom == nullptr)
        return nullptr;
    for (auto& c : mClasses) {
        if (IsAtomName(nameOrAtom) ? c->atom == AtomOf(nameOrAtom)
                                   : win32::SameIgnoringCase(c->name, nameOrAtom))
            return c.get();
    }
    return nullptr;
}

} // namespace user
