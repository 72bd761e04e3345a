#pragma once
// The host's unit service, its unit-name objects and its unit conversions. A
// unit is a base-unit text ("mmHg", "V", "l") with an SI prefix given by a
// prefix code:
//   1 none, 2 a, 3 f, 4 p, 5 n, 6 micro, 7 m, 8 unity (none), 9 k, 10 M, 11 G.
//
// Every channel of a host document has a unit conversion: its raw unit (the
// unit its samples are recorded in) and, when the channel is scaled, a line
//   scaled = scale * raw + offset
// from raw values in raw base units to values in scaled base units, shown in
// the scaled unit (its prefix applied). A conversion answers IUnitConversion
// and IUnitName; the latter names the unit its values are shown in (the scaled
// unit when it scales, else the raw unit). The service writes and reads a
// conversion through the module's binary streams in a format of its own.

#include <cstddef>

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/win32/unknown.h"

struct IBinInStream;
struct IBinOutStream;

inline constexpr IID IID_IUnitService = MakeGuid("{8CB4ED60-84EB-11D2-8208-00C0DFE13362}");
inline constexpr IID IID_IUnitName = MakeGuid("{08714AEB-C5DD-4898-A222-C928940AD1B3}");
inline constexpr IID IID_IUnitConversion = MakeGuid("{5E0C7A31-94D2-4B6E-A1F8-3C2D7B90E415}"); // our own id
// The GUID whose host number, shifted left by 16, is the unit service's class id.
inline constexpr GUID kUnitServiceGuid = MakeGuid("{C783D4E3-486B-4B18-AEE6-6F6CBED516D5}");

// The size the service reports for its conversion record (GetConversionRecordSize).
inline constexpr DWORD kUnitConversionRecordSize = 144;

#pragma pack(push, 4)
// The raw side of a conversion (36 bytes).
struct UnitRawInfo {
    double rangeLow = 0.0;  // 0: the channel's input range, in raw base units
    double rangeHigh = 0.0; // 8
    float shownLow = 0.0f;  // 16: the range a trace shows, in raw base units
    float shownHigh = 0.0f; // 20
    DWORD decimals = 0;     // 24: decimal places shown for raw values
    LONG prefixCode = 1;    // 28: prefix of the raw unit
    WORD flags = 0;         // 32: cleared by the caller before GetConversionInfo
    WORD reserved = 0;      // 34
};
// The scaling side of a conversion (28 bytes).
struct UnitScalingInfo {
    double scale = 1.0;  // 0: scaled base units per raw base unit
    double offset = 0.0; // 8: in scaled base units
    DWORD decimals = 0;  // 16: decimal places shown for scaled values
    LONG prefixCode = 1; // 20: prefix of the scaled unit
    WORD flags = 0;      // 24: cleared by the caller before GetConversionInfo
    WORD hasScaling = 0; // 26: non-zero when the channel is scaled; cleared by the caller
};
#pragma pack(pop)
static_assert(sizeof(UnitRawInfo) == 36);
static_assert(offsetof(UnitRawInfo, prefixCode) == 28);
static_assert(offsetof(UnitRawInfo, flags) == 32);
static_assert(sizeof(UnitScalingInfo) == 28);
static_assert(offsetof(UnitScalingInfo, offset) == 8);
static_assert(offsetof(UnitScalingInfo, decimals) == 16);
static_assert(offsetof(UnitScalingInfo, prefixCode) == 20);
static_assert(offsetof(UnitScalingInfo, flags) == 24);
static_assert(offsetof(UnitScalingInfo, hasScaling) == 26);

struct IUnitName : IUnknown {
    virtual HRESULT GetBaseText(IAutoOvoString** text) = 0; // slot 3
    virtual HRESULT GetPrefixCode(LONG* code) = 0;          // slot 4

protected:
    ~IUnitName() = default;
};

struct IUnitConversion : IUnknown {
    // Fills what is asked for; any argument may be null. Texts come with one reference.
    virtual HRESULT GetConversionInfo(UnitRawInfo* raw, IAutoOvoString** rawUnitName,
                                      UnitScalingInfo* scaling,
                                      IAutoOvoString** scaledUnitName) = 0; // slot 3
    // The text of point index (0 raw 1, 1 raw 2, 2 calibrated 1, 3 calibrated 2) the conversion was
    // made from; the empty text for a conversion not made from points. E_INVALIDARG for another index.
    virtual HRESULT GetPointText(LONG index, IAutoOvoString** text) { return E_NOTIMPL; } // slot 4

protected:
    ~IUnitConversion() = default;
};

struct IUnitService : IUnknown {
    // A unit-name object of prefix code and base text.
    virtual HRESULT CreateUnitName(LONG prefixCode, IAutoOvoString* baseText, IUnitName** out) = 0; // slot 3
    // A conversion from the raw unit of a channel (raw, rawUnitName) through the two points
    // (raw1, calibrated1) and (raw2, calibrated2). Raw texts are numbers (a point or a comma before
    // the decimals) followed by an optional SI prefix character of their own ("1.5m": 1.5e-3 raw base units);
    // calibrated texts are plain numbers in the calibrated unit (unitBase with prefixCode). decimals
    // becomes the conversion's scaled decimals; the low word of flags must be 0. Out: the
    // conversion, the calibrated unit as shown, the two points as "raw1->calibrated1;raw2->calibrated2"
    // and the number of points (each out but the conversion may be null). E_INVALIDARG, with
    // nothing made, for an unreadable text, equal raw points, a prefix code outside 1..11 or a line
    // that is not finite.
    virtual HRESULT MakeTwoPointConversion(DWORD reserved, const UnitRawInfo* raw,
                                           IAutoOvoString* rawUnitName, IAutoOvoString* raw1,
                                           IAutoOvoString* raw2, IAutoOvoString* calibrated1,
                                           IAutoOvoString* calibrated2, IAutoOvoString* unitBase,
                                           LONG prefixCode, DWORD decimals, DWORD flags,
                                           IUnknown** conversion, IAutoOvoString** unitText,
                                           IAutoOvoString** pointsText, DWORD* pointCount) = 0; // slot 4
    // A conversion without scaling from the raw side *raw of a channel and the raw unit's base text:
    // what a data source declares its channels with. E_INVALIDARG for a prefix code outside 1..11.
    virtual HRESULT CreateRawConversion(const UnitRawInfo* raw, IAutoOvoString* baseText,
                                        IUnknown** conversion) {
        return E_NOTIMPL;
    }                                                  // slot 5
    virtual HRESULT Reserved6() { return E_NOTIMPL; }  // slot 6
    virtual HRESULT Reserved7() { return E_NOTIMPL; }  // slot 7
    virtual HRESULT Reserved8() { return E_NOTIMPL; }  // slot 8
    virtual HRESULT Reserved9() { return E_NOTIMPL; }  // slot 9
    virtual HRESULT Reserved10() { return E_NOTIMPL; } // slot 10
    // The conversion a channel has when nothing else is known of it.
    virtual HRESULT GetDefaultConversion(IUnknown** conversion) = 0; // slot 11
    // The size of the conversion record behind a conversion of this service; E_INVALIDARG for
    // another object.
    virtual HRESULT GetConversionRecordSize(IUnknown* conversion, DWORD* size) = 0; // slot 12
    // A conversion read from in, as WriteConversion wrote it; E_FAIL on a short or malformed stream.
    virtual HRESULT ReadConversion(IBinInStream* in, IUnknown** conversion) = 0; // slot 13
    // Writes a conversion, or any unit-name object as a conversion without scaling.
    virtual HRESULT WriteConversion(IBinOutStream* out, IUnknown* conversion) = 0; // slot 14

protected:
    ~IUnitService() = default;
};
