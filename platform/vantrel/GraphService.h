#pragma once
// The host's graph service and its scale strips. A strip lies beside one axis
// of a graph: it keeps the axis's visible interval, limits, bounds, title and
// unit, turns values into pixels for the graph, chooses and draws the ticks,
// and lets the user drag the axis. The service is made through the class
// registry (kind (number of kGraphSpaceGuid << 16) | kGraphServiceNumber).
//
// Pairs are handed over second value first where noted, as the module passes
// them: an interval (x0, x1) travels as {x1, x0}.

#include "platform/win32/bstr.h"
#include "platform/win32/unknown.h"

struct HWND__;
using HWND = HWND__*;
struct HDC__;
using HDC = HDC__*;

// The message space whose number names the graph service's class.
inline constexpr GUID kGraphSpaceGuid = MakeGuid("{C203FC30-7AAA-11D3-80B9-005004AD3C53}");
inline constexpr WORD kGraphServiceNumber = 9;

inline constexpr IID IID_IGraphService = MakeGuid("{EBAD47D2-A398-11D3-80C0-005004AD3C53}");
inline constexpr IID IID_IScaleStrip = MakeGuid("{EBAD47D1-A398-11D3-80C0-005004AD3C53}");
inline constexpr IID IID_IDragScaleObserver = MakeGuid("{EBAD47D0-A398-11D3-80C0-005004AD3C53}");
inline constexpr IID IID_IScaleStripTicks = MakeGuid("{CDD20818-F236-4416-88AC-3631F931A539}");
inline constexpr IID IID_IScaleStripSpan = MakeGuid("{9C765387-7BB5-4682-9487-92314C562C96}");
inline constexpr IID IID_IScaleStripProperty = MakeGuid("{7215DC2E-F88B-4BC7-93B5-5FB01061DFB6}");

// Kinds of strip objects (service operation 8) and the low bits of a strip
// window's style word (service operation 7): which axis the strip serves.
inline constexpr DWORD kStripKindX = 0x43;
inline constexpr DWORD kStripKindY = 0x40;
inline constexpr DWORD kStripAxisMask = 0x3;
inline constexpr DWORD kStripAxisX = 0x3;

// Strip style bits (operations 32 and 33).
inline constexpr DWORD kStripStyleOverlay = 0x8000; // the graph has the strip draw into its own image
inline constexpr DWORD kStripStyleBit200 = 0x200;

// Two doubles: an interval (second value first), a {scale, offset} transform
// or an origin record {value, 0}.
struct ScalePair {
    double first = 0.0;
    double second = 0.0;
};

// A tick: its pixel offset from the strip's left (x) or top (y) edge.
struct ScaleTick {
    std::int32_t offset = 0;
    std::int32_t labelled = 0; // non-zero when the tick carries a label
};
static_assert(sizeof(ScaleTick) == 8);

// The strip's call-backs to its observers. value is the strip's id.
struct IDragScaleObserver : IUnknown {
    virtual HRESULT OnBeginDrag(DWORD value, DWORD reserved) = 0;        // slot 3
    virtual HRESULT OnEndDrag(DWORD value, DWORD reserved) = 0;          // slot 4
    virtual HRESULT OnScalingChanged(DWORD value, DWORD b, DWORD c) = 0; // slot 5
    virtual HRESULT OnAutoScale(DWORD value) = 0;                        // slot 6
    virtual HRESULT Reserved7() { return S_OK; }                         // slot 7

protected:
    ~IDragScaleObserver() = default;
};

struct IScaleStrip : IUnknown {
    // Either may be null: the origin record {value, 0} and the axis title.
    virtual HRESULT SetOriginAndTitle(const ScalePair* origin, const WCHAR* title) = 0; // slot 3
    virtual HRESULT GetOriginAndTitle(ScalePair* origin, BSTR* title) = 0;              // slot 4
    // The visible interval {x1, x0}.
    virtual HRESULT SetInterval(const ScalePair* interval) = 0; // slot 5
    virtual HRESULT GetInterval(ScalePair* interval) = 0;       // slot 6
    virtual HRESULT Reserved7() { return E_NOTIMPL; }           // slot 7
    // The strip's own rectangle in the graph's coordinates.
    virtual HRESULT SetRect(const RECT* rect) = 0; // slot 8
    // The value-to-pixel transform {scale, offset} of the axis over the
    // strip's length: pixel = (value + offset) * scale + the plot's edge.
    virtual HRESULT GetTransform(ScalePair* transform) = 0; // slot 9
    virtual HRESULT Reserved10() { return E_NOTIMPL; }      // slot 10
    virtual HRESULT Refresh(LONG what) = 0;                 // slot 11
    // Grid lines without the tick interface: the offset of the last line and
    // the (negative) step between lines, in pixels.
    virtual HRESULT GetGridLines(LONG* word, double* lastOffset, double* step) = 0; // slot 12
    virtual HRESULT SetUnit(const WCHAR* unit) = 0;                                 // slot 13
    virtual HRESULT Show(VARIANT_BOOL show) = 0;                                    // slot 14
    virtual HRESULT Reserved15() { return E_NOTIMPL; }                              // slot 15
    virtual HRESULT Reserved16() { return E_NOTIMPL; }                              // slot 16
    virtual HRESULT Reserved17() { return E_NOTIMPL; }                              // slot 17
    virtual HRESULT Reserved18() { return E_NOTIMPL; }                              // slot 18
    // Draws the strip into dc at its rectangle; intoImage is true when the
    // graph draws into its own image, false when it prints.
    virtual HRESULT Draw(HDC dc, HDC attributeDc, VARIANT_BOOL intoImage) = 0; // slot 19
    virtual HRESULT Reserved20() { return E_NOTIMPL; }                         // slot 20
    virtual HRESULT Reserved21() { return E_NOTIMPL; }                         // slot 21
    virtual HRESULT Reserved22() { return E_NOTIMPL; }                         // slot 22
    // The scale limits {b, a} of the automatic scaling.
    virtual HRESULT SetLimits(const ScalePair* limits) = 0;           // slot 23
    virtual HRESULT Reserved24() { return E_NOTIMPL; }                // slot 24
    virtual HRESULT AddObserver(IDragScaleObserver* observer) = 0;    // slot 25
    virtual HRESULT RemoveObserver(IDragScaleObserver* observer) = 0; // slot 26
    virtual HRESULT SetBounds(double second, double first) = 0;       // slot 27
    virtual HRESULT SetMinSpan(const ScalePair* span) = 0;            // slot 28
    virtual HRESULT Reserved29() { return E_NOTIMPL; }                // slot 29
    virtual HRESULT Reserved30() { return E_NOTIMPL; }                // slot 30
    virtual HRESULT Reserved31() { return E_NOTIMPL; }                // slot 31
    virtual HRESULT GetStyle(DWORD* style) = 0;                       // slot 32
    virtual HRESULT SetStyle(DWORD style) = 0;                        // slot 33
    // The object a graph reads ticks from while the strip is dragged.
    virtual HRESULT GetDragLink(LONG reserved, IUnknown** link) = 0; // slot 34

protected:
    ~IScaleStrip() = default;
};

struct IScaleStripTicks : IUnknown {
    virtual HRESULT GetTickCount(LONG* count) = 0;                                 // slot 3
    virtual HRESULT GetTicks(LONG capacity, ScaleTick* ticks, LONG* returned) = 0; // slot 4
    virtual HRESULT GetStripRect(RECT* rect) = 0;                                  // slot 5
    // The channel's range limits (values); E_NOTIMPL when it has none.
    virtual HRESULT GetRangeLimits(double* low, double* high) { return E_NOTIMPL; } // slot 6

protected:
    ~IScaleStripTicks() = default;
};

struct IScaleStripSpan : IUnknown {
    virtual HRESULT SetSpan(double span, double start) = 0; // slot 3

protected:
    ~IScaleStripSpan() = default;
};

struct IScaleStripProperty : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slot 3
    virtual HRESULT Reserved4() { return E_NOTIMPL; } // slot 4
    virtual HRESULT GetProperty(LONG* value) = 0;     // slot 5

protected:
    ~IScaleStripProperty() = default;
};

struct IGraphService : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slot 3
    virtual HRESULT Reserved4() { return E_NOTIMPL; } // slot 4
    virtual HRESULT Reserved5() { return E_NOTIMPL; } // slot 5
    virtual HRESULT Reserved6() { return E_NOTIMPL; } // slot 6
    // A strip with a window of its own, a child of parent (IOleWindow gives
    // its handle). style's low bits name the axis; id is its control id and
    // the value its call-backs carry.
    virtual HRESULT CreateScaleStrip(HWND parent, DWORD style, DWORD id, DWORD a, LONG b,
                                     IScaleStrip** strip) = 0; // slot 7
    // Another host object; kinds kStripKindX and kStripKindY make a strip
    // without a window.
    virtual HRESULT CreateGraphObject(DWORD a, DWORD b, DWORD kind, IUnknown** object) = 0; // slot 8

protected:
    ~IGraphService() = default;
};
