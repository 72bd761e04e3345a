#pragma once
// ICalcEnumNumericParams: the parameter table of a calculation class, answered
// by its class object next to ICalcEnumClass2.
//
// Parameters are numbered from 0 in formula order; the first sourceCount of
// them are sources (a channel or an inner calculation, range (0, 0)), the rest
// are numbers with a [minimum, maximum] range. A formula may leave trailing
// arguments out.
//
// The argument text. The engine hands SetArgs the numeric arguments of a call
// (the arguments after the sources, as written, trailing ones left out) as one
// text: the numbers in the classic locale, separated by single blanks. When the
// first flag word of GetParamInfo has kCalcArgsLeadingCount set (the classes
// built on the module's detector framework: "TarvikAnalyzer", "PVEcgEdpDet",
// "PVEdpDet", "PVMaxDet", "PvaCalc"), the text starts with the count of numeric
// arguments that follow:
//     TarvikAnalyzer(ch1, ch2, PVEdpDet(...), -1, -1, -1, -1)   ->  "4 -1 -1 -1 -1"
//     PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)                 ->  "8 -1 0 0 0 0 0 0 0"
//     PVEdpDet(ch1, cmpeakdet(ch1, 0.3, 0.01))                  ->  "0"
// Otherwise (the two parameter selectors) the text is the numbers alone:
//     TarvikParamSelector(tarvik, 3, 1, 0.001)                  ->  "3 1 0.001"

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_ICalcEnumNumericParams = MakeGuid("{3A9B79EE-982E-4701-BE9E-3FCA3AE26673}");

// First flag word of GetParamInfo for the detector-framework classes.
inline constexpr DWORD kCalcClassDetectorFlags = 0xA0000000u;
// Bit of that word: the argument text starts with the count of numeric arguments.
inline constexpr DWORD kCalcArgsLeadingCount = 0x20000000u;
// Second flag word of GetParamInfo.
inline constexpr DWORD kCalcClassNumericArgs = 0x40000000u;
// Parameter kinds of GetParam and CheckSourceKind.
inline constexpr DWORD kCalcParamSamples = 0x80000000u; // a channel's samples
inline constexpr DWORD kCalcParamEvents = 0x40000000u;  // events or a number

struct ICalcEnumNumericParams : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slot 3
    // The output (event type) name at index; past the list the text "ALEND".
    virtual HRESULT GetOutputName(LONG index, IAutoOvoString** name) = 0; // slot 4
    // Class name, class id, number of parameters, number of source parameters, two flag words.
    // Every out-pointer may be null.
    virtual HRESULT GetParamInfo(IAutoOvoString** name, DWORD* classId, LONG* paramCount, LONG* sourceCount,
                                 DWORD* flags, DWORD* argFlags) = 0; // slot 5
    // Row index: its maximum, minimum, kind and name; each out-pointer may be null. E_INVALIDARG
    // past the last parameter.
    virtual HRESULT GetParam(LONG index, double* maximum, double* minimum, DWORD* kind,
                             IAutoOvoString** name) = 0; // slot 6
    // S_OK when source index accepts a source of kind, S_FALSE when not, E_INVALIDARG when index
    // is not a source.
    virtual HRESULT CheckSourceKind(LONG index, DWORD kind) = 0; // slot 7

protected:
    ~ICalcEnumNumericParams() = default;
};
