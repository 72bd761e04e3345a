#pragma once
// Channel calculations: a channel of the host whose samples a module's
// calculation gives instead of its recorded data. The module registers a
// calculation class (ICalculationClass) and a settings class
// (IPersistClassObject); the host asks the class to edit settings and to make
// a calculation for a channel of a document, applies settings to it, and
// stores the settings with the channel.
//
// The calculation composes a formula text and hands it to the host's
// evaluator (IChannelFormula), an object the host makes aggregated in the
// calculation. The evaluator's result goes to the host's side of the channel
// (IChannelCalcContext) together with the output format: the channel keeps
// 16-bit codes, code = (value + second) x first, shown with the decimals and
// the unit given. Methods are named, in slot order, with the host's slot
// numbers beside them.

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/vantrel/ICAFClassObject.h"
#include "platform/vantrel/Message.h"
#include "platform/vantrel/VirtualChannelRef.h"

#include <cstdint>

struct HWND__;
using HWND = HWND__*;
struct IChannelCalcContext;

// The host's channel objects answer this id with their own table (IChannelInfo).
inline constexpr IID IID_IChannelCalc = MakeGuid("{8FC37F01-9357-11D4-8112-00A0C9E26433}");
inline constexpr IID IID_ICalculationClass = MakeGuid("{5388E470-F2ED-11D2-809C-00A0C9E26433}");
inline constexpr IID IID_IPersistClassObject = MakeGuid("{E058F3B0-DCE3-11D3-80E8-00A0C9E26433}");
inline constexpr IID IID_IChannelFormulaResult = MakeGuid("{4021A446-7899-11D4-8110-00A0C9E26433}");
// The evaluator's own interface, what it answers for the host's channel (IChannelDataReset's id,
// {CA800C31-F889-11D3-80EE-00A0C9E26433}); our own ids for the rest.
inline constexpr IID IID_IChannelFormula = MakeGuid("{6C1F2A80-3B55-4E0D-9A41-52D8E6B1C903}");
inline constexpr IID IID_IChannelRangeQuery = MakeGuid("{6C1F2A81-3B55-4E0D-9A41-52D8E6B1C903}");
inline constexpr IID IID_IChannelCalcContext = MakeGuid("{6C1F2A82-3B55-4E0D-9A41-52D8E6B1C903}");

// The flags word of a formula text that names a virtual channel as its source.
inline constexpr DWORD kChannelFormulaFlags = 0x40000000;
// Result of a settings stream of a layout newer than the reader knows.
inline constexpr HRESULT kFormatTooNew = MakeHResult(0xA0048205u);

// How the host stores a derived channel: code = (value + second) x first, codes
// -32000 .. 32000 spanning the display range.
struct ChannelOutputFormat {
    double first = 1.0;
    double second = 0.0;
    float maximum = 0.0f;
    float minimum = 0.0f;
    std::int32_t decimals = 0;
    DWORD word = 1;
    WORD word16 = 0;
};

// The rate record Start gives: one sample per tick of the record.
struct ChannelCalcRate {
    DWORD numerator = 1;
    DWORD reserved1 = 0;
    DWORD denominator = 1;
    DWORD reserved2 = 0;
    double offset = 0.0;
};
static_assert(sizeof(ChannelCalcRate) == 24);

// Made by the module for one channel.
struct IChannelCalc : IUnknown {
    // Starts the channel's data for a record: the output channel (with one reference) and the rate;
    // the evaluator starts at fromTick. *reserved is set to null.
    virtual HRESULT Start(LONG record, IUnknown** output, ChannelCalcRate* rate, LONG fromTick,
                          IUnknown** reserved) = 0; // slot 3
    // Makes the settings current; S_FALSE when they equal the current ones and force is not set.
    virtual HRESULT ApplySettings(IPersistObject* settings, BOOL force) = 0; // slot 4
    // Copies the settings without applying them.
    virtual HRESULT SetSettings(IPersistObject* settings) = 0; // slot 5
    // A copy of the current settings with one reference.
    virtual HRESULT GetSettings(IPersistObject** settings) = 0; // slot 6
    virtual HRESULT GetFlags(DWORD* flags) = 0;                 // slot 7
    virtual HRESULT Reserved8(DWORD* value) = 0;                // slot 8
    virtual HRESULT GetName(BSTR* name) = 0;                    // slot 9
    virtual HRESULT Reserved10() = 0;                           // slot 10

protected:
    ~IChannelCalc() = default;
};

// The class object of a channel calculation.
struct ICalculationClass : ICAFClassObject {
    virtual HRESULT GetDescription(BSTR* description) = 0; // slot 7
    virtual HRESULT GetFlags(DWORD* flags) = 0;            // slot 8
    // Runs the settings dialog over parent for channel of the document, starting from existing (or
    // defaults when null or of another class): the new settings with one reference, or S_FALSE and
    // null when the user cancelled.
    virtual HRESULT EditSettings(HWND parent, IUnknown* hostDocument, LONG channel, IPersistObject* existing,
                                 IPersistObject** settings) = 0; // slot 9
    // A calculation for a channel of the document; the host's side of the channel and its two words
    // are handed back to the context later. *calculation: the calculation's IChannelDataReset (its
    // evaluator's), with one reference; E_FAIL and null without a document.
    virtual HRESULT CreateCalculation(IChannelCalcContext* context, DWORD word1, DWORD word2,
                                      IUnknown* hostDocument, IUnknown** calculation) = 0; // slot 10

protected:
    ~ICalculationClass() = default;
};

// The class object of a calculation's settings.
struct IPersistClassObject : ICAFClassObject {
    // New default settings with one reference.
    virtual HRESULT CreateObject(IPersistObject** settings) = 0; // slot 7
    // New settings read from the stream, with one reference; the load's failure and null otherwise.
    virtual HRESULT LoadObject(IBinInStream* stream, IPersistObject** settings) = 0; // slot 8

protected:
    ~IPersistClassObject() = default;
};

// The host's side of a derived channel.
struct IChannelCalcContext : IUnknown {
    // The channel stores codes in format and shows unit (prefix character and base text); the
    // output channel with one reference.
    virtual HRESULT SetOutputFormat(const ChannelOutputFormat* format, IAutoOvoString* unit,
                                    IUnknown** output) = 0; // slot 3
    // The channel's values from now on: result (the evaluator's IChannelFormulaResult) for the
    // channel of the two words the context was created with.
    virtual HRESULT SetResult(DWORD word1, DWORD word2, IUnknown* result, DWORD flags) = 0; // slot 4

protected:
    ~IChannelCalcContext() = default;
};

// The host's evaluator of a formula text, aggregated in a channel calculation.
struct IChannelFormula : IUnknown {
    // The formula (over the source channel); E_INVALIDARG for a text the host cannot evaluate.
    virtual HRESULT SetText(IAutoOvoString* text, VirtualChannelRef source, DWORD flags) = 0; // slot 3
    // Starts the evaluation of a record from a tick.
    virtual HRESULT Start(DWORD reserved, LONG record, LONG fromTick) = 0; // slot 4

protected:
    ~IChannelFormula() = default;
};

// What an evaluator gives for a channel: the host's own.
struct IChannelFormulaResult : IUnknown {
protected:
    ~IChannelFormulaResult() = default;
};

// The range of the values a formula gives over a channel of a document.
struct IChannelRangeQuery : IUnknown {
    // S_OK with the smallest and largest value; S_FALSE when it gives none, E_INVALIDARG for a text
    // the host cannot evaluate.
    virtual HRESULT GetRange(IAutoOvoString* text, VirtualChannelRef source, DWORD flags, LONG channel,
                             IUnknown* hostDocument, double* bottom, double* top) = 0; // slot 3

protected:
    ~IChannelRangeQuery() = default;
};
