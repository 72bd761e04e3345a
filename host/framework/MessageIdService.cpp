#include "host/framework/MessageIdService.h"

#include "host/framework/Text.h"

namespace Vantrel {

WORD MessageIdService::NumberOf(REFGUID guid) {
    for (std::size_t i = 0; i < mSpaces.size(); ++i)
        if (mSpaces[i]->guid == guid)
            return static_cast<WORD>(kFirstNumber + i);
    mSpaces.push_back(std::make_unique<Space>(Space{guid}));
    return static_cast<WORD>(kFirstNumber + mSpaces.size() - 1);
}

int MessageIdService::Requests(REFGUID guid) const {
    for (const auto& space : mSpaces)
        if (space->guid == guid)
            return space->requests;
    return 0;
}

HRESULT MessageIdService::GuidToId(REFGUID guid, WORD* id) {
    if (id == nullptr)
        return E_POINTER;
    *id = NumberOf(guid);
    ++mSpaces[*id - kFirstNumber]->requests;
    return S_OK;
}

HRESULT MessageIdService::IdToGuid(WORD id, const GUID** guid) {
    if (guid == nullptr)
        return E_POINTER;
    *guid = nullptr;
    if (id < kFirstNumber || id - kFirstNumber >= static_cast<int>(mSpaces.size()))
        return E_INVALIDARG;
    *guid = &mSpaces[id - kFirstNumber]->guid;
    return S_OK;
}

namespace {

bool SameText(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return false;
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

} // namespace

void MessageIdService::NameId(DWORD id, std::u16string name) {
    for (auto& [known, text] : mNames)
        if (known == id) {
            text = std::move(name);
            return;
        }
    mNames.emplace_back(id, std::move(name));
}

HRESULT MessageIdService::TextToId(LPCWSTR text, DWORD* id) {
    if (id == nullptr)
        return E_POINTER;
    *id = 0;
    const std::u16string_view wanted = text != nullptr ? text : u"";
    for (const auto& [known, name] : mNames)
        if (SameText(name, wanted)) {
            *id = known;
            return S_OK;
        }
    // "{GUID}#n"
    const std::string narrow = Utf16ToUtf8(wanted);
    const std::size_t hash = narrow.find('#');
    GUID space{};
    if (hash == std::string::npos || !GuidFromString(narrow.substr(0, hash), space))
        return E_INVALIDARG;
    const std::string number = narrow.substr(hash + 1);
    if (number.empty() || number.size() > 5 || number.find_first_not_of("0123456789") != std::string::npos ||
        std::stoul(number) > 0xFFFF)
        return E_INVALIDARG;
    for (std::size_t i = 0; i < mSpaces.size(); ++i)
        if (mSpaces[i]->guid == space) {
            *id = (static_cast<DWORD>(kFirstNumber + i) << 16) | static_cast<DWORD>(std::stoul(number));
            return S_OK;
        }
    return E_INVALIDARG;
}

HRESULT MessageIdService::IdToText(DWORD id, BSTR* text) {
    if (text == nullptr)
        return E_POINTER;
    *text = nullptr;
    std::u16string result;
    for (const auto& [known, name] : mNames)
        if (known == id)
            result = name;
    const std::size_t space = (id >> 16) - kFirstNumber;
    if (result.empty() && (id >> 16) >= kFirstNumber && space < mSpaces.size())
        result = Utf8ToUtf16(GuidToString(mSpaces[space]->guid) + "#" + std::to_string(id & 0xFFFF));
    if (result.empty())
        return E_INVALIDARG;
    *text = SysAllocStringLen(result.data(), static_cast<UINT>(result.size()));
    return *text != nullptr ? S_OK : E_OUTOFMEMORY;
}

} // namespace Vantrel
