#pragma once
// Messages: the small COM objects that travel through the host's message
// dispatcher. One object answers a chain of interfaces: ISettingsMessage
// (extending IMessage, extending IPersistObject) and IModifyMessageEx
// (extending IModifyMessage). IMessageSource marks the sender of a message.

#include "platform/vantrel/IBinInStream.h"
#include "platform/vantrel/IBinOutStream.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_IMessage = MakeGuid("{D0C7F633-2902-11CF-8E78-00C0DF48DF77}");
inline constexpr IID IID_ISettingsMessage = MakeGuid("{B880A121-F53E-11D1-B30B-00600894D72A}");
inline constexpr IID IID_IPersistObject = MakeGuid("{7B3091F0-7395-11D2-81F7-00C0DFE13362}");
inline constexpr IID IID_IModifyMessage = MakeGuid("{DDEB6100-B63A-11D2-B801-008048C36FE8}");
inline constexpr IID IID_IModifyMessageEx = MakeGuid("{79F4F09A-4F6D-47EA-8B83-14C47FC04EE2}");
// Our own id: both sides of this interface are ours.
inline constexpr IID IID_IMessageSource = MakeGuid("{5A1E3C70-2B4D-4E8F-9C61-7D0A3B8E2F14}");

struct IPersistObject : IUnknown {
    virtual HRESULT Load(IBinInStream* stream) = 0;  // slot 3
    virtual HRESULT Save(IBinOutStream* stream) = 0; // slot 4

protected:
    ~IPersistObject() = default;
};

struct IMessage : IPersistObject {
    virtual HRESULT GetTypeId(DWORD* typeId) = 0; // slot 5
    virtual HRESULT GetId(DWORD* id) = 0;         // slot 6
    virtual HRESULT GetFlags(DWORD* flags) = 0;   // slot 7
    // A copy with one reference for the caller.
    virtual HRESULT Clone(IMessage** copy) = 0; // slot 8
    // The parameter block: 32-bit words, the first the type code word (one
    // 4-bit code per parameter), the values after it. Null with E_NOTIMPL when
    // the message carries none.
    virtual HRESULT GetData(const void** data) = 0; // slot 9

protected:
    ~IMessage() = default;
};

struct ISettingsMessage : IMessage {
    virtual HRESULT SetTargetId(DWORD targetId) = 0;                     // slot 10
    virtual HRESULT IsTargetId(DWORD targetId, VARIANT_BOOL* match) = 0; // slot 11
    // The context object with one reference, or null.
    virtual HRESULT GetContext(IUnknown** context) = 0; // slot 12

protected:
    ~ISettingsMessage() = default;
};

struct IModifyMessage : IUnknown {
    virtual HRESULT SetId(DWORD id) = 0;         // slot 3
    virtual HRESULT AddFlags(DWORD mask) = 0;    // slot 4
    virtual HRESULT RemoveFlags(DWORD mask) = 0; // slot 5

protected:
    ~IModifyMessage() = default;
};

struct IModifyMessageEx : IModifyMessage {
protected:
    ~IModifyMessageEx() = default;
};

// The sender that is delivering a message, so that a handler can leave alone a
// message it sent itself. The source is an address that only identifies.
struct IMessageSource : IUnknown {
    virtual HRESULT SetSource(const void* source) = 0; // slot 3
    // S_OK when source is the one set, S_FALSE otherwise.
    virtual HRESULT IsFromSource(const void* source) = 0; // slot 4

protected:
    ~IMessageSource() = default;
};

inline constexpr IID IID_IMessageTarget = MakeGuid("{D24434F0-6C8A-11D3-80B4-005004AD3C53}");

// A message made for a target (a view type, say) tells its id.
struct IMessageTarget : IUnknown {
    // S_FALSE and 0 when the message has no target.
    virtual HRESULT GetTargetId(DWORD* targetId) = 0; // slot 3

protected:
    ~IMessageTarget() = default;
};

// Message flags: the message carries its target into recorded text.
inline constexpr DWORD kMessageRecordsTarget = 0x40;

// Message flags the module tests.
inline constexpr DWORD kMessageNotToSender = 8;
