#pragma once
// The host's views of a document as the module reaches them: the messages
// through which a document opens, places and arranges its views (sent through
// the document's message sender, handled by the host), and the tree of a
// document's views that the module walks (the view service's GetViewTree).

#include "platform/win32/unknown.h"

struct HWND__;

// Host messages about views. Their parameter blocks (MsgData records, core/MsgData.h) start with
// the view's kind, a message id of the module's space (view kind 12 is the workflow panel).
inline constexpr DWORD kOpenViewMessage = 0x80010000;    // {kind}: opens or brings forward a view
inline constexpr DWORD kPlaceViewMessage = 0x80010005;   // {kind, left, top, right, bottom} in client pixels
inline constexpr DWORD kViewCommandMessage = 0x80010015; // {kind, system command}: SC_RESTORE ...
inline constexpr DWORD kOpenPanelMessage = 0x80010016;   // {kind}: opens a docked panel
inline constexpr DWORD kPanelActionMessage = 0x80010020; // {kind}
inline constexpr DWORD kViewStateMessage = 0x80010021;   // {kind, state}
inline constexpr DWORD kTileViewsMessage = 0x800C006D;   // {}: tiles the document's views
#pragma pack(push, 1)
// The parameter block of kPlaceViewMessage: the kind and the rectangle in the client area's pixels.
struct ViewPlacementBlock {
    DWORD typeCode = 0x22221; // unsigned, then four longs
    DWORD kind = 0;
    LONG left = 0, top = 0, right = 0, bottom = 0;
};
#pragma pack(pop)
static_assert(sizeof(ViewPlacementBlock) == 24);

// The view class code FindView looks views up by.
inline constexpr DWORD kHostViewClassCode = 0x80010005;

inline constexpr IID IID_IHostEnum = MakeGuid("{6C1F2A74-3B55-4E0D-9A41-52D8E6B1C903}");       // our own id
inline constexpr IID IID_IHostViewNode = MakeGuid("{6C1F2A75-3B55-4E0D-9A41-52D8E6B1C903}");   // our own id
inline constexpr IID IID_IHostView = MakeGuid("{6C1F2A76-3B55-4E0D-9A41-52D8E6B1C903}");       // our own id
inline constexpr IID IID_IHostViewClass = MakeGuid("{6C1F2A77-3B55-4E0D-9A41-52D8E6B1C903}");  // our own id
inline constexpr IID IID_IHostDataWindow = MakeGuid("{6C1F2A78-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id

// Items one at a time: S_OK with an item (one reference), S_FALSE and null at the end.
struct IHostEnum : IUnknown {
    virtual HRESULT Next(ULONG count, IUnknown** items, ULONG* fetched) = 0; // slot 3

protected:
    ~IHostEnum() = default;
};

struct IHostViewClass : IUnknown {
    // The kind of the class's views.
    virtual HRESULT GetKindId(DWORD* kind) = 0; // slot 3

protected:
    ~IHostViewClass() = default;
};

struct IHostView : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; }
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    // Shows (non-zero) or hides the view.
    virtual HRESULT Show(WORD show) = 0;              // slot 5
    virtual HRESULT Reserved6() { return E_NOTIMPL; } // slots 6 to 9: not used by the module
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    // The view's class, with one reference.
    virtual HRESULT GetViewClass(IHostViewClass** viewClass) = 0; // slot 10

protected:
    ~IHostView() = default;
};

// A node of the tree of views: the views it holds and its child nodes (frames in frames).
struct IHostViewNode : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 15: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    virtual HRESULT Reserved10() { return E_NOTIMPL; }
    virtual HRESULT Reserved11() { return E_NOTIMPL; }
    virtual HRESULT Reserved12() { return E_NOTIMPL; }
    virtual HRESULT Reserved13() { return E_NOTIMPL; }
    virtual HRESULT Reserved14() { return E_NOTIMPL; }
    virtual HRESULT Reserved15() { return E_NOTIMPL; }
    // Enumerators of IHostViewNode and of IHostView items, each with one reference.
    virtual HRESULT EnumChildren(IHostEnum** children) = 0; // slot 16
    virtual HRESULT EnumViews(IHostEnum** views) = 0;       // slot 17

protected:
    ~IHostViewNode() = default;
};

// The window of a document's data (its recording's window): dialogs of the document take it as
// their parent and floating views are centred in its client area.
struct IHostDataWindow : IUnknown {
    virtual HRESULT GetWindow(HWND__** window) = 0; // slot 3

protected:
    ~IHostDataWindow() = default;
};
