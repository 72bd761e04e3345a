#pragma once
// The host's message service, which makes message objects, and its dispatcher,
// which delivers them to a target handler.

#include "platform/vantrel/IMessageHandler.h"

inline constexpr IID IID_IMessageDispatcher = MakeGuid("{3AEB28D1-CF32-11D1-B2EC-00600894D72A}");
inline constexpr IID IID_IHostMessageService = MakeGuid("{3AEB28D2-CF32-11D1-B2EC-00600894D72A}");

struct IMessageDispatcher : IUnknown {
    // S_OK when a handler consumed the message, S_FALSE when none did.
    virtual HRESULT Dispatch(IMessage* message, IMessageHandler* target) = 0; // slot 3

protected:
    ~IMessageDispatcher() = default;
};

struct IHostMessageService : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 8: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    // A new message with one reference. data points at the parameter block from
    // its type code word on (see IMessage::GetData); the service copies it.
    // object travels with the message (the message holds a reference).
    virtual HRESULT CreateMessage(DWORD id, DWORD flags, DWORD targetId, DWORD hasTarget, IUnknown* object,
                                  const void* data, IMessage** message) = 0; // slot 9

protected:
    ~IHostMessageService() = default;
};

// Type codes of message parameters, one 4-bit code per parameter in the type
// code word, the first parameter in the lowest bits.
inline constexpr DWORD kParamUnsigned = 1; // u32; also bool as a word holding 0 or 1
inline constexpr DWORD kParamLong = 2;     // i32
inline constexpr DWORD kParamDouble = 3;   // 8 bytes
inline constexpr DWORD kParamString = 7;   // a string object pointer (IAutoOvoString*)
