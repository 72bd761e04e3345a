#pragma once
// Channel objects of a host document: the lookup by channel number, the
// channel's information and data, and the assignment of a calculation (a
// formula) to a channel.

#include "platform/vantrel/IOvoBitset.h"
#include "platform/vantrel/VirtualChannelRef.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_IChannelLookup = MakeGuid("{C2406F50-F163-11D2-8098-00A0C9E26433}");
inline constexpr IID IID_IChannelInfo = MakeGuid("{8FC37F01-9357-11D4-8112-00A0C9E26433}");
inline constexpr IID IID_IChannelDataReset = MakeGuid("{CA800C31-F889-11D3-80EE-00A0C9E26433}");
inline constexpr IID IID_IChannelCalcAssign = MakeGuid("{CA800C32-F889-11D3-80EE-00A0C9E26433}");
inline constexpr IID IID_IChannelCalcFlags = MakeGuid("{6C1F2A91-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id
inline constexpr IID IID_IChannelCalcSettings =
    MakeGuid("{0B7E5D21-6C4A-4F38-9B12-7A3E1D5C8F40}"); // our own id

// Flags of a channel's calculation (IChannelCalcFlags): the channel takes a new unit at once.
inline constexpr DWORD kCalcTakesUnitAtOnce = 0x80000000u;

// Kind word of IChannelLookup::GetChannel: the channel object itself.
inline constexpr DWORD kChannelObject = 2;

// Answered by the document.
struct IChannelLookup : IUnknown {
    // The channel object of channel (0-based); S_FALSE and null when there is no such channel.
    virtual HRESULT GetChannel(LONG channel, DWORD kind, IUnknown** out) = 0; // slot 3
    // Keeps data (an IStrevDataChildData) as the document's child data of its type id.
    virtual HRESULT SetChildData(DWORD reserved, IUnknown* data) { return E_NOTIMPL; } // slot 14
    // The sources the calculation of the channel `calculation` uses: the event channels and the
    // sample channels, each as a new set of channel numbers with one reference.
    virtual HRESULT GetCalculationSources(DWORD reserved, VirtualChannelRef calculation, IOvoBitset** events,
                                          IOvoBitset** channels, WORD recursive) {
        return E_NOTIMPL;
    } // slot 17

protected:
    ~IChannelLookup() = default;
};

// Answered by a channel object.
struct IChannelInfo : IUnknown {
    // The channel's unit object (answers IUnitName); S_FALSE and null when it has none.
    virtual HRESULT GetUnit(IUnknown** unit) = 0; // slot 3

protected:
    ~IChannelInfo() = default;
};

// Answered by the object of a channel computed by a calculation.
struct IChannelCalcFlags : IUnknown {
    virtual HRESULT GetFlags(DWORD* flags) = 0; // slot 3

protected:
    ~IChannelCalcFlags() = default;
};

// Answered by a channel object.
struct IChannelDataReset : IUnknown {
    // Drops the channel's computed data, so that it is computed again when next read.
    virtual HRESULT DropData() = 0; // slot 3

protected:
    ~IChannelDataReset() = default;
};

// Answered by the document.
struct IChannelCalcAssign : IUnknown {
    // Makes calculation (a calculation object) the source of channel's data, in unit.
    virtual HRESULT AssignCalculation(IUnknown* channel, IUnknown* calculation, IUnknown* unit) = 0; // slot 3

protected:
    ~IChannelCalcAssign() = default;
};

// Answered by a channel object: the channel calculation the user set on the
// channel in the host, if any.
struct IChannelCalcSettings : IUnknown {
    // S_FALSE when the channel shows its own recorded data. Otherwise S_OK
    // with the channel the calculation reads and whether the calculation
    // keeps the unit of that channel's data (0xFFFF) or gives another (0).
    virtual HRESULT GetCalculation(LONG* sourceChannel, SHORT* keepsUnit) = 0; // slot 3

protected:
    ~IChannelCalcSettings() = default;
};
