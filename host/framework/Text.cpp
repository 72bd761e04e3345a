#include "host/framework/Text.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/win32/codepage.h"
#include "platform/win32/resources.h"

namespace Vantrel {

namespace {

// The host's own string object: UTF-16 text, never shared.
class HostString : public ComObject<IAutoOvoString> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IAutoOvoString ? static_cast<IAutoOvoString*>(this) : nullptr;
    }
    explicit HostString(std::u16string_view text) : mText(text) {}

    HRESULT SetFromBSTR(BSTR text) override {
        mText.assign(text == nullptr ? u"" : text, SysStringLen(text));
        return S_OK;
    }
    HRESULT GetBSTR(BSTR* out) override {
        if (out == nullptr)
            return E_POINTER;
        SysFreeString(*out);
        *out = mText.empty() ? nullptr : SysAllocStringLen(mText.data(), static_cast<UINT>(mText.size()));
        return S_OK;
    }
    HRESULT IsEmpty(VARIANT_BOOL* out) override {
        return Put(out, mText.empty() ? VARIANT_TRUE : VARIANT_FALSE);
    }
    HRESULT GetLength(ULONG* out) override { return Put(out, static_cast<ULONG>(mText.size())); }
    HRESULT IsEqual(IAutoOvoString* other, VARIANT_BOOL* out) override {
        return Put(out, ReadString(other) == mText ? VARIANT_TRUE : VARIANT_FALSE);
    }
    HRESULT IsShared(VARIANT_BOOL* out) override { return Put(out, VARIANT_FALSE); }
    LONG GetKind() override { return 1; }
    HRESULT CopyChars(ULONG bufferBytes, void* buffer) override {
        const std::size_t bytes = (mText.size() + 1) * sizeof(char16_t);
        if (buffer == nullptr || bufferBytes < bytes)
            return E_FAIL;
        std::memcpy(buffer, mText.c_str(), bytes);
        return S_OK;
    }
    HRESULT GetInfo(ULONG* length, LONG* encoding) override {
        if (length == nullptr || encoding == nullptr)
            return E_POINTER;
        *length = static_cast<ULONG>(mText.size());
        *encoding = kOvoStringUtf16;
        return S_OK;
    }
    HRESULT GetCapacity(ULONG* out) override { return Put(out, static_cast<ULONG>(mText.capacity())); }
    HRESULT CreateEmpty(ULONG, IAutoOvoString** out) override {
        if (out == nullptr)
            return E_POINTER;
        *out = MakeString(u"");
        return S_OK;
    }
    HRESULT GetVariant(VARIANT* out) override {
        if (out == nullptr)
            return E_POINTER;
        VariantInit(out);
        out->vt = VT_BSTR;
        out->bstrVal = SysAllocStringLen(mText.data(), static_cast<UINT>(mText.size()));
        return S_OK;
    }

private:
    template <class T> static HRESULT Put(T* out, T value) {
        if (out == nullptr)
            return E_POINTER;
        *out = value;
        return S_OK;
    }

    std::u16string mText;
};

} // namespace

std::u16string TakeBstr(BSTR text) {
    std::u16string result(text == nullptr ? u"" : text, SysStringLen(text));
    SysFreeString(text);
    return result;
}

std::u16string ReadString(IAutoOvoString* text) {
    ULONG length = 0;
    LONG encoding = 0;
    if (text == nullptr || FAILED(text->GetInfo(&length, &encoding)) || length == 0)
        return {};
    if (encoding == kOvoStringUtf16) {
        std::u16string result(length + 1, u'\0');
        if (FAILED(text->CopyChars((length + 1) * sizeof(char16_t), result.data())))
            return {};
        result.resize(length);
        return result;
    }
    std::vector<char> bytes(length + 1, 0);
    if (FAILED(text->CopyChars(length + 1, bytes.data())))
        return {};
    std::u16string result(length, u'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(length), result.data(),
                                static_cast<int>(length));
    result.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return result;
}

std::u16string TakeString(IAutoOvoString* text) {
    std::u16string result = ReadString(text);
    if (text != nullptr)
        text->Release();
    return result;
}

IAutoOvoString* MakeString(std::u16string_view text) {
    return new HostString(text);
}

BSTR MakeBstr(std::u16string_view text) {
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

std::optional<std::u16string> ModuleString(HMODULE module, UINT id) {
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(static_cast<WORD>((id >> 4) + 1)), RT_STRING);
    if (!found)
        return std::nullopt;
    const auto* block = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    // 16 counted strings: a 16-bit length, then that many UTF-16 units.
    std::size_t offset = 0;
    for (UINT index = 0; block && offset + 2 <= size; ++index) {
        std::uint16_t length = 0;
        std::memcpy(&length, block + offset, 2);
        offset += 2;
        if (offset + 2u * length > size)
            return std::nullopt;
        if (index == (id & 15)) {
            if (length == 0)
                return std::nullopt;
            std::u16string text(length, u'\0');
            std::memcpy(text.data(), block + offset, 2u * length);
            return text;
        }
        offset += 2u * length;
    }
    return std::nullopt;
}

} // namespace Vantrel
