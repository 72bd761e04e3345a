#include "platform/win32/variant.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <locale>
#include <optional>
#include <sstream>
#include <string>

#include "platform/win32/locale.h"

void VariantInit(VARIANT* v) {
    v->vt = VT_EMPTY;
    v->wReserved1 = v->wReserved2 = v->wReserved3 = 0;
    v->dblVal = 0.0;
}

HRESULT VariantClear(VARIANT* v) {
    if (v == nullptr)
        return E_INVALIDARG;
    switch (v->vt) {
    case VT_BSTR:
        SysFreeString(v->bstrVal);
        break;
    case VT_EMPTY:
    case VT_I4:
    case VT_R8:
    case VT_BOOL:
    case VT_UI4:
        break;
    default:
        return DISP_E_BADVARTYPE;
    }
    VariantInit(v);
    return S_OK;
}

namespace {

bool Supported(VARTYPE vt) {
    return vt == VT_EMPTY || vt == VT_I4 || vt == VT_R8 || vt == VT_BSTR || vt == VT_BOOL || vt == VT_UI4;
}

struct Separators {
    char16_t decimal;
    char16_t thousand;
};

bool LocaleSeparators(LCID lcid, Separators& out) {
    if (lcid == kLocaleEnglishUS) {
        out = {u'.', u','};
        return true;
    }
    if (lcid != LOCALE_USER_DEFAULT)
        return false;
    const UserLocale& locale = GetUserLocale();
    out = {locale.decimal.empty() ? u'.' : locale.decimal[0],
           locale.thousand.empty() ? u'\0' : locale.thousand[0]};
    return true;
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::u16string Lower(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& c : lower)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return lower;
}

// A number written in the locale: blanks, sign, digits (with thousands separators between them),
// a decimal point, an exponent, blanks. Rewritten for strtod in the classic form.
std::optional<double> ParseNumber(std::u16string_view text, const Separators& separators) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    std::size_t end = text.size();
    while (end > at && IsBlank(text[end - 1]))
        --end;
    std::string classic;
    if (at < end && (text[at] == u'+' || text[at] == u'-'))
        classic += static_cast<char>(text[at++]);
    bool digits = false;
    for (; at < end; ++at) {
        if (IsDigit(text[at])) {
            classic += static_cast<char>(text[at]);
            digits = true;
        } else if (text[at] == separators.thousand && digits && at + 1 < end && IsDigit(text[at + 1])) {
            continue;
        } else {
            break;
        }
    }
    if (at < end && text[at] == separators.decimal) {
        classic += '.';
        for (++at; at < end && IsDigit(text[at]); ++at) {
            classic += static_cast<char>(text[at]);
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    if (at < end && (text[at] == u'e' || text[at] == u'E')) {
        classic += 'e';
        ++at;
        if (at < end && (text[at] == u'+' || text[at] == u'-'))
            classic += static_cast<char>(text[at++]);
        if (at == end || !IsDigit(text[at]))
            return std::nullopt;
        for (; at < end && IsDigit(text[at]); ++at)
            classic += static_cast<char>(text[at]);
    }
    if (at != end)
        return std::nullopt;
    std::istringstream in(classic);
    in.imbue(std::locale::classic());
    double value = 0.0;
    in >> value;
    if (in.fail() && !std::isinf(value))
        return std::nullopt;
    return value;
}

std::u16string Widen(const std::string& narrow) {
    return std::u16string(narrow.begin(), narrow.end());
}

// Up to 15 significant digits, the exponent form Windows writes ("1E+20", "1E-07").
std::u16string DoubleText(double value, const Separators& separators) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::u16string text = Widen(buffer);
    for (char16_t& c : text)
        if (c == u'.')
            c = separators.decimal;
    return text;
}

// A value on the way: what the source holds as one of three kinds.
struct Value {
    enum Kind { Number, Integer, Text } kind = Integer;
    double number = 0.0;
    std::int64_t integer = 0;
    std::u16string text;
    bool fromBool = false;
};

Value Read(const VARIANT& source) {
    Value v;
    switch (source.vt) {
    case VT_I4:
        v.integer = source.lVal;
        break;
    case VT_UI4:
        v.integer = source.ulVal;
        break;
    case VT_BOOL:
        v.integer = source.boolVal != 0 ? -1 : 0;
        v.fromBool = true;
        break;
    case VT_R8:
        v.kind = Value::Number;
        v.number = source.dblVal;
        break;
    case VT_BSTR:
        v.kind = Value::Text;
        v.text.assign(source.bstrVal, SysStringLen(source.bstrVal));
        break;
    default:
        break;
    }
    return v;
}

HRESULT ToInteger(const Value& v, const Separators& separators, std::int64_t min, std::int64_t max,
                  std::int64_t& out) {
    double number = 0.0;
    if (v.kind == Value::Integer) {
        out = v.integer;
        if (v.fromBool && min == 0)
            out = v.integer != 0 ? max : 0;
        return out < min || out > max ? DISP_E_OVERFLOW : S_OK;
    }
    if (v.kind == Value::Text) {
        const std::optional<double> parsed = ParseNumber(v.text, separators);
        if (!parsed)
            return DISP_E_TYPEMISMATCH;
        number = *parsed;
    } else {
        number = v.number;
    }
    if (std::isnan(number))
        return DISP_E_OVERFLOW;
    const double rounded = std::nearbyint(number); // the default rounding: half to even
    if (rounded < static_cast<double>(min) || rounded > static_cast<double>(max))
        return DISP_E_OVERFLOW;
    out = static_cast<std::int64_t>(rounded);
    return S_OK;
}

HRESULT ToDouble(const Value& v, const Separators& separators, double& out) {
    if (v.kind == Value::Number)
        out = v.number;
    else if (v.kind == Value::Integer)
        out = static_cast<double>(v.integer);
    else if (const std::optional<double> parsed = ParseNumber(v.text, separators))
        out = *parsed;
    else
        return DISP_E_TYPEMISMATCH;
    return S_OK;
}

HRESULT ToBool(const Value& v, const Separators& separators, bool& out) {
    if (v.kind == Value::Text) {
        const std::u16string word = Lower(v.text);
        if (word == u"true" || word == u"false") {
            out = word == u"true";
            return S_OK;
        }
    }
    double number = 0.0;
    const HRESULT hr = ToDouble(v, separators, number);
    out = number != 0.0;
    return hr;
}

HRESULT ToText(const Value& v, const Separators& separators, std::u16string& out) {
    if (v.kind == Value::Text)
        out = v.text;
    else if (v.kind == Value::Integer)
        out = Widen(std::to_string(v.integer));
    else
        out = DoubleText(v.number, separators);
    return S_OK;
}

HRESULT Convert(const VARIANT& source, const Separators& separators, VARTYPE vt, VARIANT& result) {
    const Value v = Read(source);
    VariantInit(&result);
    result.vt = vt;
    HRESULT hr = S_OK;
    switch (vt) {
    case VT_EMPTY:
        break;
    case VT_I4: {
        std::int64_t value = 0;
        hr = ToInteger(v, separators, INT32_MIN, INT32_MAX, value);
        result.lVal = static_cast<LONG>(value);
        break;
    }
    case VT_UI4: {
        std::int64_t value = 0;
        hr = ToInteger(v, separators, 0, UINT32_MAX, value);
        result.ulVal = static_cast<ULONG>(value);
        break;
    }
    case VT_R8:
        hr = ToDouble(v, separators, result.dblVal);
        break;
    case VT_BOOL: {
        bool value = false;
        hr = ToBool(v, separators, value);
        result.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    }
    case VT_BSTR: {
        std::u16string text;
        hr = ToText(v, separators, text);
        if (SUCCEEDED(hr)) {
            result.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
            if (result.bstrVal == nullptr && !text.empty())
                hr = E_OUTOFMEMORY;
        }
        break;
    }
    default:
        hr = DISP_E_BADVARTYPE;
    }
    if (FAILED(hr))
        VariantInit(&result);
    return hr;
}

} // namespace

HRESULT VariantCopy(VARIANT* dest, const VARIANT* source) {
    if (dest == nullptr || source == nullptr)
        return E_INVALIDARG;
    if (!Supported(source->vt) || !Supported(dest->vt))
        return DISP_E_BADVARTYPE;
    if (dest == source)
        return S_OK;
    VariantClear(dest);
    *dest = *source;
    if (source->vt == VT_BSTR && source->bstrVal != nullptr) {
        dest->bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
        if (dest->bstrVal == nullptr) {
            VariantInit(dest);
            return E_OUTOFMEMORY;
        }
    }
    return S_OK;
}

HRESULT VariantChangeTypeEx(VARIANT* dest, const VARIANT* source, LCID lcid, USHORT flags, VARTYPE vt) {
    if (dest == nullptr || source == nullptr || flags != 0)
        return E_INVALIDARG;
    Separators separators{};
    if (!LocaleSeparators(lcid, separators))
        return E_INVALIDARG;
    if (!Supported(source->vt) || !Supported(vt) || !Supported(dest->vt))
        return DISP_E_BADVARTYPE;
    VARIANT result;
    const HRESULT hr = Convert(*source, separators, vt, result);
    if (FAILED(hr))
        return hr;
    VariantClear(dest); // after the conversion: dest may be source
    *dest = result;
    return S_OK;
}
