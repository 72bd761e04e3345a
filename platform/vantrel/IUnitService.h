#pragma once
// The host's unit service and its unit-name objects. A unit is a base-unit
// text ("mmHg", "V", "l") with an SI prefix given by a prefix code:
//   1 none, 2 a, 3 f, 4 p, 5 n, 6 micro, 7 m, 8 unity (none), 9 k, 10 M, 11 G.
// Unit objects (a channel's unit) answer IUnitName. The service writes and
// reads a unit object through the module's binary streams in a format of its own.

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/win32/unknown.h"

struct IBinInStream;
struct IBinOutStream;

inline constexpr IID IID_IUnitService = MakeGuid("{8CB4ED60-84EB-11D2-8208-00C0DFE13362}");
inline constexpr IID IID_IUnitName = MakeGuid("{08714AEB-C5DD-4898-A222-C928940AD1B3}");
// The GUID whose host number, shifted left by 16, is the unit service's class id.
inline constexpr GUID kUnitServiceGuid = MakeGuid("{C783D4E3-486B-4B18-AEE6-6F6CBED516D5}");

struct IUnitName : IUnknown {
    virtual HRESULT GetBaseText(IAutoOvoString** text) = 0; // slot 3
    virtual HRESULT GetPrefixCode(LONG* code) = 0;          // slot 4

protected:
    ~IUnitName() = default;
};

struct IUnitService : IUnknown {
    // A unit-name object of prefix code and base text.
    virtual HRESULT CreateUnitName(LONG prefixCode, IAutoOvoString* baseText, IUnitName** out) = 0; // slot 3
    // A unit object read from in, as WriteUnit wrote it; E_FAIL on a short or malformed stream.
    virtual HRESULT ReadUnit(IBinInStream* in, IUnknown** unit) = 0;   // slot 4
    virtual HRESULT WriteUnit(IBinOutStream* out, IUnknown* unit) = 0; // slot 5
    // The unit a channel has when nothing else is known of it.
    virtual HRESULT GetDefaultUnit(LONG channel, IUnknown** unit) = 0; // slot 6

protected:
    ~IUnitService() = default;
};
