#pragma once
// Comments on the host's traces: objects the module gives the host (in a
// ShowComment2 message) and the host keeps, draws, hit-tests, orders and opens
// in a popup. Positions are (record, tick) pairs; with a position provider the
// tick is an offset from the provider's base tick. Methods are named, in slot
// order, with the host's slot numbers beside them.

#include "platform/vantrel/HostDocObject.h"
#include "platform/vantrel/IAutoOvoString.h"
#include "platform/vantrel/Message.h"

struct HWND__;
using HWND = HWND__*;
struct HDC__;
using HDC = HDC__*;

inline constexpr IID IID_IStrevComment = MakeGuid("{2CA4E021-3F50-11D1-9980-00C0DF492697}");
inline constexpr IID IID_IStrevCommentEx = MakeGuid("{710456DC-001C-4750-9311-DAFBDCBE4A80}");
inline constexpr IID IID_IShowComment2Message = MakeGuid("{FB92FE2E-0523-4B26-9EAF-F18F3B304B40}");
inline constexpr IID IID_ICommentPopupWindow = MakeGuid("{06EE9460-57A7-4354-8171-8C533E8C12DE}");
inline constexpr IID IID_ICommentPositionProvider =
    MakeGuid("{6C1F2A74-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id

// The message that carries a comment to the host.
inline constexpr DWORD kShowComment2MessageId = 0x800C005A;
// The flags word of the module's comment messages.
inline constexpr DWORD kShowCommentFlags = 0x60000000;

// Where the host draws a comment: the top of its marker at (x, y), its guide
// line down to bottom (or altBottom, see the flags).
struct CommentDrawRecord {
    DWORD size = sizeof(CommentDrawRecord);
    LONG x = 0;
    LONG y = 0;
    LONG bottom = 0;
    LONG altBottom = 0;
    DWORD flags = 0;
};
static_assert(sizeof(CommentDrawRecord) == 24);
// Draw-record flags: either guide bit draws the guide line; selected fills the
// marker black; kCommentUseAltBottom ends the guide at altBottom when it is > 0.
inline constexpr DWORD kCommentGuideLine = 0x00100000;
inline constexpr DWORD kCommentGuideLineToo = 0x00800000;
inline constexpr DWORD kCommentSelected = 0x01000000;
inline constexpr DWORD kCommentUseAltBottom = 0x02000000;
// HitTest's flags for a point on the marker.
inline constexpr DWORD kCommentHitMarker = 4;

// The host's tracker of a comment's position while the recording changes.
struct ICommentPositionProvider : IUnknown {
    virtual HRESULT GetRecord(LONG* record) = 0; // slot 11
    virtual HRESULT GetBaseTick(LONG* tick) = 0; // slot 13

protected:
    ~ICommentPositionProvider() = default;
};

struct ICommentPopupWindow;

struct IStrevComment : IUnknown {
    // Each out may be null. The text with one reference.
    virtual HRESULT GetInfo(HostTickPosition* position, LONG* channel, DWORD* id,
                            IAutoOvoString** text) = 0;            // slot 3
    virtual HRESULT GetTickRecord(HostTickPosition* position) = 0; // slot 4
    virtual HRESULT GetTick(LONG* tick) = 0;                       // slot 5
    virtual HRESULT GetTypeId(DWORD* typeId) = 0;                  // slot 6
    virtual HRESULT GetChannel(LONG* channel) = 0;                 // slot 7
    // Draws the guide line and the marker on dc; attributeDc answers the device's capabilities.
    virtual HRESULT Draw(HDC dc, HDC attributeDc, const CommentDrawRecord* record, DWORD,
                         DWORD) = 0; // slot 8
    // S_OK and kCommentHitMarker when point lies on the marker, S_FALSE and 0 otherwise.
    virtual HRESULT HitTest(HDC dc, const CommentDrawRecord* record, POINT point, DWORD,
                            DWORD* flags) = 0; // slot 9
    // Opens the comment's popup above the marker drawn in window; the popup with one reference.
    virtual HRESULT ShowPopupAt(HWND window, const CommentDrawRecord* record, IAutoOvoString* timeText,
                                ICommentPopupWindow** popup, DWORD) = 0; // slot 10
    // Draws the eye to the marker: a shrinking ellipse over duration milliseconds.
    virtual HRESULT Flash(HWND window, const CommentDrawRecord* record, DWORD duration,
                          DWORD) = 0;                                            // slot 11
    virtual HRESULT GetId(DWORD* id) = 0;                                        // slot 12
    virtual HRESULT SetId(DWORD id) = 0;                                         // slot 13
    virtual HRESULT SetChannel(DWORD, LONG channel) = 0;                         // slot 14
    virtual HRESULT GetRecordTick(HostTickPosition* position) = 0;               // slot 15
    virtual HRESULT SetPositionProvider(ICommentPositionProvider* provider) = 0; // slot 16
    // S_FALSE and null when there is none.
    virtual HRESULT GetPositionProvider(ICommentPositionProvider** provider) = 0; // slot 17
    virtual HRESULT GetAbsoluteTick(LONG* tick) = 0;                              // slot 18
    virtual HRESULT GetText(IAutoOvoString** text) = 0;                           // slot 19
    virtual HRESULT GetDisplayFlags(DWORD* flags) = 0;                            // slot 20
    virtual HRESULT Reserved21(DWORD, DWORD) = 0;                                 // slot 21
    virtual HRESULT Reserved22(DWORD, DWORD) = 0;                                 // slot 22
    virtual HRESULT Reserved23(DWORD, DWORD, DWORD, DWORD) = 0;                   // slot 23

protected:
    ~IStrevComment() = default;
};

struct IStrevCommentEx : IStrevComment {
    // S_OK when this comment sorts before other, S_FALSE otherwise.
    virtual HRESULT IsBefore(IStrevComment* other) = 0; // slot 24
    // S_OK when other is this comment or equal to it, S_FALSE otherwise.
    virtual HRESULT IsSame(IStrevComment* other) = 0;                       // slot 25
    virtual HRESULT GetEventTick(LONG* tick) = 0;                           // slot 26
    virtual HRESULT SetEventTick(LONG tick) = 0;                            // slot 27
    virtual HRESULT GetMessageId(DWORD* id) = 0;                            // slot 28
    virtual HRESULT GetStyle(DWORD* id, COLORREF* colour, DWORD* word) = 0; // slot 29
    virtual HRESULT GetEventPosition(DWORD* position) = 0;                  // slot 30: two words

protected:
    ~IStrevCommentEx() = default;
};

struct IShowComment2Message : IUnknown {
    // The comment with one reference.
    virtual HRESULT GetComment(IStrevComment** comment) = 0; // slot 3
    virtual HRESULT GetShowFlags(DWORD* flags) = 0;          // slot 4

protected:
    ~IShowComment2Message() = default;
};

// The popup window of a comment; it lives until its last reference goes.
struct ICommentPopupWindow : IUnknown {
    // The comment with one reference; E_INVALIDARG for a null out.
    virtual HRESULT GetComment(IStrevComment** comment) = 0; // slot 3
    // Paints the popup again at once.
    virtual HRESULT Refresh() = 0; // slot 4

protected:
    ~ICommentPopupWindow() = default;
};
