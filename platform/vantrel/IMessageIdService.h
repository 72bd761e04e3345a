#pragma once
// The host's GUID-to-number service: every GUID that names a message space gets
// a 16-bit number for the life of the process. A TarvikMessageId is that
// number in the high word and a message number in the low word.

#include "platform/win32/bstr.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_IMessageIdService = MakeGuid("{E5140871-1524-11D1-8CCE-00C0D1570D74}");

struct IMessageIdService : IUnknown {
    // Gives the GUID its number on first use.
    virtual HRESULT GuidToId(REFGUID guid, WORD* id) = 0; // slot 3
    // The GUID behind a number; E_INVALIDARG for a number never given out.
    virtual HRESULT IdToGuid(WORD id, const GUID** guid) = 0; // slot 4
    // The 32-bit id a text names (a target of a message, such as a view type); E_INVALIDARG and 0
    // for a text that names none.
    virtual HRESULT TextToId(LPCWSTR text, DWORD* id) = 0; // slot 5
    // The text of an id, a new BSTR; E_INVALIDARG and null for an id without one.
    virtual HRESULT IdToText(DWORD id, BSTR* text) = 0; // slot 6

protected:
    ~IMessageIdService() = default;
};
