#pragma once
// ICalcEnum: a calculation enumerator, created by a calculation class
// (ICalcEnumClass2) for one call in a channel formula. The engine hands it its
// numeric arguments (SetArgs), then, record by record, its sources (Start) and
// pulls its events through the second interface IEnumEventEx.
//
// Driving order: SetHost, SetArgs, then per record Start, Seek, IEnumEventEx::Next
// until S_FALSE, Clear. While sampling, Start carries kCalcStartOnline and Next
// is called again as the record grows; the events are the same as offline.

#include "platform/vantrel/CalcEventInfo.h"
#include "platform/vantrel/IAutoOvoString.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_ICalcEnum = MakeGuid("{532954A4-1807-428B-8A2B-8BB7282E74A6}");

struct IUnitName;

// Start flags: the record is being sampled and may still grow.
inline constexpr DWORD kCalcStartOnline = 0x80000000u;
// The out flag word of SetArgs.
inline constexpr DWORD kCalcArgsAccepted = 0x40000000u;

struct ICalcEnum : IUnknown {
    // The host object the enumerator belongs to (the engine's document); held with a reference.
    virtual HRESULT SetHost(IUnknown* host) = 0;  // slot 3
    virtual HRESULT GetHost(IUnknown** host) = 0; // slot 4: add-referenced, may be null
    // The numeric arguments of the formula call as one text (see ICalcEnumNumericParams.h for its
    // form). *flags receives kCalcArgsAccepted. S_OK; unreadable numbers keep their defaults.
    virtual HRESULT SetArgs(IAutoOvoString* text, DWORD* flags) = 0; // slot 5
    // The arguments as a text that SetArgs reads back.
    virtual HRESULT GetArgs(IAutoOvoString** text) = 0; // slot 6
    // A new enumerator with the same arguments and no sources.
    virtual HRESULT Clone(ICalcEnum** out) = 0; // slot 7
    // Starts the enumerator on one record. sources[0 .. sourceCount-1] are the formula's source
    // arguments in order: a channel as an object answering ISampleChannel, an inner calculation as
    // its enumerator (answering IEnumEventEx), already started on the same record. tickPeriod: seconds per
    // tick of the record. units: one unit-name object per source, or null when unitCount is 0. flags:
    // kCalcStartOnline or 0. E_FAIL when the sources do not fit the class.
    virtual HRESULT Start(LONG record, LONG sourceCount, IUnknown* const* sources, double tickPeriod,
                          LONG unitCount, IUnitName* const* units, DWORD flags) = 0; // slot 8
    // Positions the enumerator (and its sources) at tick of the started record.
    virtual HRESULT Seek(LONG tick) = 0; // slot 9
    // Ends the record: releases the sources.
    virtual HRESULT Clear() = 0; // slot 10
    // The flag word SetArgs handed out.
    virtual HRESULT GetFlags(DWORD* flags) = 0; // slot 11
    virtual LONG Reserved12() { return 0; }     // slot 12
    virtual LONG Reserved13() { return 0; }     // slot 13
    // Seconds per tick of the started record; S_FALSE when not known.
    virtual HRESULT GetSamplePeriod(double* seconds) = 0;     // slot 14
    virtual HRESULT GetCapabilities(DWORD* capabilities) = 0; // slot 15
    // The class id of the calculation class that made the enumerator.
    virtual HRESULT GetTypeCode(DWORD* code) = 0; // slot 16
    // The timing of the events; the first source's when started, else the defaults.
    virtual HRESULT GetEventInfo(CalcEventInfo* info) = 0; // slot 17

protected:
    ~ICalcEnum() = default;
};
