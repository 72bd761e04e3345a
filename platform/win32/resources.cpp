#include "platform/win32/resources.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace {

// An integer resource id or a name.
struct ResourceName {
    WORD id = 0;
    std::u16string text;

    explicit ResourceName(LPCWSTR name) {
        if (IS_INTRESOURCE(name)) {
            id = static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name));
            return;
        }
        for (const WCHAR* p = name; *p != 0; ++p)
            text.push_back(*p >= u'a' && *p <= u'z' ? static_cast<WCHAR>(*p - 32) : *p);
    }
    bool operator==(const ResourceName&) const = default;
};

struct Resource {
    ResourceName type;
    ResourceName name;
    LANGID language;
    std::vector<BYTE> data;
};

struct ModuleResources {
    std::vector<std::unique_ptr<Resource>> blocks;
    std::map<std::pair<LANGID, UINT>, std::u16string> strings; // (language, id)
};

std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

std::map<HMODULE, ModuleResources>& Modules() {
    static std::map<HMODULE, ModuleResources> modules;
    return modules;
}

Resource* Find(HMODULE module, LPCWSTR type, LPCWSTR name, bool anyLanguage, WORD language) {
    auto it = Modules().find(module);
    if (it == Modules().end())
        return nullptr;
    const ResourceName t(type), n(name);
    Resource* best = nullptr;
    int bestRank = 4;
    for (const auto& r : it->second.blocks) {
        if (!(r->type == t) || !(r->name == n))
            continue;
        const int rank = r->language == language                                    ? 0
                         : !anyLanguage                                             ? 4
                         : r->language == MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT) ? 1
                                                                                    : 2;
        if (rank < bestRank) {
            best = r.get();
            bestRank = rank;
        }
    }
    return best;
}

void Store(ModuleResources& m, Resource resource) {
    for (auto& r : m.blocks)
        if (r->type == resource.type && r->name == resource.name && r->language == resource.language) {
            r->data = std::move(resource.data);
            return;
        }
    m.blocks.push_back(std::make_unique<Resource>(std::move(resource)));
}

std::vector<BYTE> BuildStringBlock(const ModuleResources& m, LANGID language, UINT block) {
    std::vector<BYTE> data;
    for (UINT index = 0; index < 16; ++index) {
        const UINT id = ((block - 1) << 4) | index;
        auto it = m.strings.find({language, id});
        const std::u16string empty;
        const std::u16string& text = it != m.strings.end() ? it->second : empty;
        const auto length = static_cast<WORD>(std::min<std::size_t>(text.size(), 0xFFFF));
        const std::size_t at = data.size();
        data.resize(at + 2 + std::size_t{length} * 2);
        std::memcpy(data.data() + at, &length, 2);
        std::memcpy(data.data() + at + 2, text.data(), std::size_t{length} * 2);
    }
    return data;
}

} // namespace

HRSRC FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language) {
    std::lock_guard guard(Lock());
    return reinterpret_cast<HRSRC>(Find(module, type, name, false, language));
}

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    std::lock_guard guard(Lock());
    return reinterpret_cast<HRSRC>(Find(module, type, name, true, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)));
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
    return reinterpret_cast<HGLOBAL>(resource);
}

LPVOID LockResource(HGLOBAL data) {
    if (data == nullptr)
        return nullptr;
    return reinterpret_cast<Resource*>(data)->data.data();
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
    if (resource == nullptr)
        return 0;
    return static_cast<DWORD>(reinterpret_cast<Resource*>(resource)->data.size());
}

void RegisterResource(HMODULE module, LPCWSTR type, LPCWSTR name, LANGID language, std::vector<BYTE> data) {
    std::lock_guard guard(Lock());
    Store(Modules()[module], Resource{ResourceName(type), ResourceName(name), language, std::move(data)});
}

void RegisterStringTable(HMODULE module, std::span<const StringResource> entries) {
    std::lock_guard guard(Lock());
    ModuleResources& m = Modules()[module];
    std::map<std::pair<LANGID, UINT>, bool> touched; // (language, block)
    for (const StringResource& e : entries) {
        if (e.id > 0xFFFF)
            continue; // not a 16-bit resource id
        m.strings[{e.language, e.id}] = std::u16string(e.text);
        touched[{e.language, ((e.id >> 4) + 1) & 0xFFFF}] = true;
    }
    for (const auto& [key, unused] : touched) {
        const auto [language, block] = key;
        Store(m, Resource{ResourceName(RT_STRING), ResourceName(MAKEINTRESOURCEW(static_cast<WORD>(block))),
                          language, BuildStringBlock(m, language, block)});
    }
}

void UnregisterResources(HMODULE module) {
    std::lock_guard guard(Lock());
    Modules().erase(module);
}
