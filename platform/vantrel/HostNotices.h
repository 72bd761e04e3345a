#pragma once
// The payloads of the host's notices about a recording that carry more than
// words (messages of {3A7D80F0-59D6-11D3-80AE-005004AD3C53}, observed by the
// documents): 44, an event drawing the user activated in a view (a click on an
// event marker), and 51, channels added, changed or removed.

#include <cstdint>

#include "platform/vantrel/HostDocObject.h"
#include "platform/vantrel/VirtualChannelRef.h"

inline constexpr IID IID_IEventDrawing = MakeGuid("{6C1F2A79-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id
inline constexpr IID IID_IEventPosition = MakeGuid("{710456DC-001C-4750-9311-DAFBDCBE4A80}");

struct IEventDrawing : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; }
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    // The type id of the drawn events (a message id of the drawing class's space).
    virtual HRESULT GetTypeId(DWORD* type) = 0;       // slot 6
    virtual HRESULT Reserved7() { return E_NOTIMPL; } // slots 7 to 14: not used by the module
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    virtual HRESULT Reserved10() { return E_NOTIMPL; }
    virtual HRESULT Reserved11() { return E_NOTIMPL; }
    virtual HRESULT Reserved12() { return E_NOTIMPL; }
    virtual HRESULT Reserved13() { return E_NOTIMPL; }
    virtual HRESULT Reserved14() { return E_NOTIMPL; }
    // The activated event's tick count from the start of the recording; S_FALSE when it gives none.
    virtual HRESULT GetTickCount(std::int64_t* count) = 0; // slot 15

protected:
    ~IEventDrawing() = default;
};

// Where an activated event lies, for a drawing that gives no tick count.
struct IEventPosition : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; }
    virtual HRESULT GetPosition(HostTickPosition* position) = 0; // slot 4

protected:
    ~IEventPosition() = default;
};

// The payload of the activation message: nine words, the sixth the drawing (IEventDrawing).
struct EventActivatedData {
    DWORD words[5] = {0, 0, 0, 0, 0};
    IUnknown* drawing = nullptr;
    DWORD more[3] = {0, 0, 0};
};

// The payload of message 51: nine words, the third the flags (0x80000000: removed), the fourth the list
// of channel references, the fifth their count. A reference's flags word holds its kind in its low
// byte, 4 for an event source.
struct ChannelsChangedData {
    DWORD words[2] = {0, 0};
    DWORD flags = 0;
    const VirtualChannelRef* list = nullptr;
    DWORD count = 0;
    DWORD more[4] = {0, 0, 0, 0};
};
