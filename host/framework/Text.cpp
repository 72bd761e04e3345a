#include "host/framework/Text.h"

#include <cstring>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/win32/codepage.h"

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

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// The code point of the well-formed UTF-8 sequence at text[i], advancing i past it; a malformed
// sequence gives U+FFFD and skips one byte.
char32_t nextUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    const std::size_t extra = lead >= 0xC2 && lead < 0xE0   ? 1
                              : lead >= 0xE0 && lead < 0xF0 ? 2
                              : lead >= 0xF0 && lead < 0xF5 ? 3
                                                            : 0;
    if (extra == 0 || text.size() - i < extra)
        return kReplacement;
    char32_t c = lead & (0x3F >> extra);
    for (std::size_t k = 0; k < extra; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80)
            return kReplacement;
        c = (c << 6) | (b & 0x3F);
    }
    constexpr char32_t shortest[4] = {0, 0x80, 0x800, 0x10000};
    if (c < shortest[extra] || c > 0x10FFFF || isSurrogate(c))
        return kReplacement;
    i += extra;
    return c;
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = nextUtf8(text, i);
        if (c < 0x10000) {
            result.push_back(static_cast<char16_t>(c));
        } else {
            result.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return result;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = text[i++];
        if (c >= 0xD800 && c <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i++] - 0xDC00);
        else if (isSurrogate(c))
            c = kReplacement;
        if (c < 0x80) {
            result.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (c >> 6)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            result.push_back(static_cast<char>(0xE0 | (c >> 12)));
            result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            result.push_back(static_cast<char>(0xF0 | (c >> 18)));
            result.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return result;
}

} // namespace Vantrel
