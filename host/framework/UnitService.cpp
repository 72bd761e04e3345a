#include "host/framework/UnitService.h"

#include "host/framework/Text.h"
#include "host/framework/UnitConversion.h"
#include "host/framework/UnitName.h"
#include "platform/vantrel/IBinInStream.h"
#include "platform/vantrel/IBinOutStream.h"
#include "platform/win32/com_ptr.h"

#include <charconv>
#include <cmath>

namespace Vantrel {
namespace {

constexpr LONG firstPrefix = 1;
constexpr LONG lastPrefix = 11;
constexpr DWORD conversionFormat = 1;

bool validPrefix(LONG code) {
    return code >= firstPrefix && code <= lastPrefix;
}

/// 10 to the power of an SI prefix character; 0 when it is none.
double prefixCharFactor(char16_t c) {
    switch (c) {
    case u'E':
        return 1e18;
    case u'P':
        return 1e15;
    case u'T':
        return 1e12;
    case u'G':
        return 1e9;
    case u'M':
        return 1e6;
    case u'k':
        return 1e3;
    case u'm':
        return 1e-3;
    case u'u':
    case u'\u00b5':
        return 1e-6;
    case u'n':
        return 1e-9;
    case u'p':
        return 1e-12;
    case u'f':
        return 1e-15;
    case u'a':
        return 1e-18;
    default:
        return 0.0;
    }
}

/// The prefix character of a prefix code as a text; empty for codes 1 and 8.
std::u16string prefixCodeText(LONG code) {
    static constexpr char16_t prefixes[] = {0, u'a', u'f', u'p', u'n', u'\u00b5', u'm', 0, u'k', u'M', u'G'};
    return validPrefix(code) && prefixes[code - 1] != 0 ? std::u16string(1, prefixes[code - 1])
                                                        : std::u16string();
}

void writeText(IBinOutStream* out, const std::u16string& text) {
    ComPtr<IAutoOvoString> s = ComPtr<IAutoOvoString>::Adopt(MakeString(text));
    out->WriteString(s.Get());
}

bool readText(IBinInStream* in, std::u16string& text) {
    ComPtr<IAutoOvoString> s;
    if (FAILED(in->ReadString(s.Put())))
        return false;
    text = ReadString(s.Get());
    return true;
}

/// The record of any unit object: a conversion's own, or a unit name's as a raw unit without scaling.
bool recordOf(IUnknown* unit, ConversionRecord& record) {
    if (const ConversionRecord* own = UnitConversion::recordOf(unit)) {
        record = *own;
        return true;
    }
    ComPtr<IUnitName> name = ComPtr<IUnknown>(unit).Query<IUnitName>(IID_IUnitName);
    ComPtr<IAutoOvoString> base;
    LONG prefix = 0;
    if (!name || FAILED(name->GetPrefixCode(&prefix)) || FAILED(name->GetBaseText(base.Put())))
        return false;
    record.raw.prefixCode = prefix;
    record.rawUnit = ReadString(base.Get());
    record.scaling.prefixCode = prefix;
    record.scaledUnit = record.rawUnit;
    return true;
}

bool readRecord(IBinInStream* in, ConversionRecord& r) {
    DWORD format = 0, rawPrefix = 0, scaledPrefix = 0;
    if (FAILED(in->ReadU32(&format)) || format != conversionFormat)
        return false;
    in->Read8(&r.raw.rangeLow);
    in->Read8(&r.raw.rangeHigh);
    in->Read4(&r.raw.shownLow);
    in->Read4(&r.raw.shownHigh);
    in->ReadU32(&r.raw.decimals);
    in->ReadU32(&rawPrefix);
    in->Read2(&r.raw.flags);
    if (!readText(in, r.rawUnit))
        return false;
    in->Read8(&r.scaling.scale);
    in->Read8(&r.scaling.offset);
    in->ReadU32(&r.scaling.decimals);
    in->ReadU32(&scaledPrefix);
    in->Read2(&r.scaling.flags);
    in->Read2(&r.scaling.hasScaling);
    if (!readText(in, r.scaledUnit))
        return false;
    for (std::u16string& point : r.points)
        if (!readText(in, point))
            return false;
    r.raw.prefixCode = static_cast<LONG>(rawPrefix);
    r.scaling.prefixCode = static_cast<LONG>(scaledPrefix);
    return in->GetStatus() == S_OK && validPrefix(r.raw.prefixCode) && validPrefix(r.scaling.prefixCode) &&
           std::isfinite(r.scaling.scale) && std::isfinite(r.scaling.offset);
}

} // namespace

bool parsePointText(std::u16string_view text, double& value) {
    double factor = 1.0;
    if (!text.empty() && prefixCharFactor(text.back()) != 0.0) {
        factor = prefixCharFactor(text.back());
        text.remove_suffix(1);
    }
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F)
            return false;
        // The module writes numbers in the user's locale: its decimal point may be a comma.
        ascii.push_back(c == u',' ? '.' : static_cast<char>(c));
    }
    double number = 0.0;
    const char* end = ascii.data() + ascii.size();
    auto [stop, error] = std::from_chars(ascii.data(), end, number);
    if (error != std::errc() || stop != end || ascii.empty())
        return false;
    value = number * factor;
    return std::isfinite(value);
}

void* UnitService::find(REFIID iid) {
    return iid == IID_IUnitService ? static_cast<IUnitService*>(this) : nullptr;
}

HRESULT UnitService::CreateUnitName(LONG prefixCode, IAutoOvoString* baseText, IUnitName** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!validPrefix(prefixCode))
        return E_INVALIDARG;
    *out = new UnitName(prefixCode, ReadString(baseText));
    return S_OK;
}

HRESULT UnitService::MakeTwoPointConversion(DWORD, const UnitRawInfo* raw, IAutoOvoString* rawUnitName,
                                            IAutoOvoString* raw1, IAutoOvoString* raw2,
                                            IAutoOvoString* calibrated1, IAutoOvoString* calibrated2,
                                            IAutoOvoString* unitBase, LONG prefixCode, DWORD decimals,
                                            DWORD flags, IUnknown** conversion, IAutoOvoString** unitText,
                                            IAutoOvoString** pointsText, DWORD* pointCount) {
    if (!conversion)
        return E_POINTER;
    *conversion = nullptr;
    ConversionRecord record;
    if (raw)
        record.raw = *raw;
    record.raw.flags = 0;
    record.rawUnit = ReadString(rawUnitName);
    record.points = {ReadString(raw1), ReadString(raw2), ReadString(calibrated1), ReadString(calibrated2)};
    double r1 = 0, r2 = 0, c1 = 0, c2 = 0;
    if (!validPrefix(prefixCode) || (flags & 0xFFFF) != 0 || !parsePointText(record.points[0], r1) ||
        !parsePointText(record.points[1], r2) || !parsePointText(record.points[2], c1) ||
        !parsePointText(record.points[3], c2) || r1 == r2)
        return E_INVALIDARG;
    // The calibrated points in scaled base units; the line maps raw base units onto them.
    const double factor = prefixCodeFactor(prefixCode);
    const double scale = (c1 - c2) * factor / (r1 - r2);
    const double offset = c1 * factor - scale * r1;
    if (!std::isfinite(scale) || !std::isfinite(offset))
        return E_INVALIDARG;
    record.scaling = UnitScalingInfo{scale, offset, decimals, prefixCode, 0, 0xFFFF};
    record.scaledUnit = ReadString(unitBase);
    ComPtr<UnitConversion> made = ComPtr<UnitConversion>::Adopt(new UnitConversion(record));
    if (unitText)
        *unitText = MakeString(prefixCodeText(prefixCode) + record.scaledUnit);
    if (pointsText)
        *pointsText = MakeString(record.points[0] + u"->" + record.points[2] + u";" + record.points[1] +
                                 u"->" + record.points[3]);
    if (pointCount)
        *pointCount = 2;
    *conversion = static_cast<IUnitConversion*>(made.Detach());
    return S_OK;
}

HRESULT UnitService::CreateRawConversion(const UnitRawInfo* raw, IAutoOvoString* baseText,
                                         IUnknown** conversion) {
    if (!conversion)
        return E_POINTER;
    *conversion = nullptr;
    if (!raw || !validPrefix(raw->prefixCode))
        return E_INVALIDARG;
    ConversionRecord record;
    record.raw = *raw;
    record.rawUnit = ReadString(baseText);
    record.scaling.prefixCode = raw->prefixCode;
    record.scaledUnit = record.rawUnit;
    *conversion = static_cast<IUnitConversion*>(new UnitConversion(std::move(record)));
    return S_OK;
}

HRESULT UnitService::GetDefaultConversion(IUnknown** conversion) {
    if (!conversion)
        return E_POINTER;
    *conversion = static_cast<IUnitConversion*>(UnitConversion::fromText("V").Detach());
    return S_OK;
}

HRESULT UnitService::GetConversionRecordSize(IUnknown* conversion, DWORD* size) {
    if (!size)
        return E_POINTER;
    *size = 0;
    if (!UnitConversion::recordOf(conversion))
        return E_INVALIDARG;
    *size = kUnitConversionRecordSize;
    return S_OK;
}

HRESULT UnitService::ReadConversion(IBinInStream* in, IUnknown** conversion) {
    if (!in || !conversion)
        return E_POINTER;
    *conversion = nullptr;
    ConversionRecord record;
    try {
        if (!readRecord(in, record))
            return E_FAIL;
    } catch (...) { // a malformed string record
        return E_FAIL;
    }
    *conversion = static_cast<IUnitConversion*>(new UnitConversion(std::move(record)));
    return S_OK;
}

HRESULT UnitService::WriteConversion(IBinOutStream* out, IUnknown* conversion) {
    if (!out || !conversion)
        return E_POINTER;
    ConversionRecord r;
    if (!recordOf(conversion, r))
        return E_INVALIDARG;
    out->WriteU32(conversionFormat);
    out->WriteDouble(r.raw.rangeLow);
    out->WriteDouble(r.raw.rangeHigh);
    out->WriteFloat(r.raw.shownLow);
    out->WriteFloat(r.raw.shownHigh);
    out->WriteU32(r.raw.decimals);
    out->WriteU32(static_cast<DWORD>(r.raw.prefixCode));
    out->WriteU16(r.raw.flags);
    writeText(out, r.rawUnit);
    out->WriteDouble(r.scaling.scale);
    out->WriteDouble(r.scaling.offset);
    out->WriteU32(r.scaling.decimals);
    out->WriteU32(static_cast<DWORD>(r.scaling.prefixCode));
    out->WriteU16(r.scaling.flags);
    out->WriteU16(r.scaling.hasScaling);
    writeText(out, r.scaledUnit);
    for (const std::u16string& point : r.points)
        writeText(out, point);
    return out->GetStatus() == S_OK ? S_OK : E_FAIL;
}

} // namespace Vantrel
