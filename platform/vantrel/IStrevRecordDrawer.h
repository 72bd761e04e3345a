#pragma once
// IStrevRecordDrawer: an object that draws one kind of content (grid, trace,
// event markers, time labels) of one recorded channel into a strip of a pane.
// The host calls the operations by position, so their order is part of the
// interface. IDrawerDataPane: what a drawer asks of the pane it draws into.
//
// Answers: 0 success, S_FALSE (1) not handled or nothing to do, E_NOTIMPL for
// operations a drawer does not offer.

#include "platform/win32/types.h"
#include "platform/win32/unknown.h"

struct HDC__;
using HDC = HDC__*;

inline constexpr IID IID_IStrevRecordDrawer = MakeGuid("{77F7C5B5-1189-4785-AEA1-2D33A6AD18F0}");
inline constexpr IID IID_IDrawerDataPane = MakeGuid("{3F0C6E21-55A4-4B7D-9C1E-7A2B5D4E8F10}");

// A channel: its index and a selector word qualifying it. (0x80000000, 0xC0000000) is no channel.
struct ChannelPair {
    LONG mChannel = static_cast<LONG>(0x80000000u);
    DWORD mSelector = 0xC0000000u;
    friend bool operator==(const ChannelPair&, const ChannelPair&) = default;
};

// The time of a record as the host gives it: local seconds and a correction to
// universal time (not finite when unknown).
struct RecordTime {
    double mLocal = 0.0;
    double mCorrection = 0.0;
};

// Filled by the pane for every paint (its ticks and labels); defined by the module.
class TimeAxisLayout;

struct IDrawerDataPane;

struct IStrevRecordDrawer : IUnknown {
    virtual HRESULT SetSource(LONG reserved, IUnknown* source) = 0;                              // 3
    virtual HRESULT SetBounds(DWORD tag, const RECT* bounds) = 0;                                // 4
    virtual HRESULT GetKind(DWORD* kind) = 0;                                                    // 5
    virtual HRESULT GetLayout(IDrawerDataPane* pane, DWORD* layer, LONG* left, LONG* right) = 0; // 6
    virtual HRESULT GetChannel(ChannelPair* channel) = 0;                                        // 7
    virtual HRESULT QueryDataByPosition(DWORD_PTR pane, LONGLONG position, double* value,
                                        LONG* valid) = 0;            // 8
    virtual HRESULT QueryData(LONGLONG position, double* value) = 0; // 9
    // scale: factor and offset that map values to rows; grid: the channel's grid, or null.
    virtual HRESULT SetViewRect(DWORD_PTR pane, LONG a, const double* scale, IUnknown* grid) = 0; // 10
    virtual HRESULT Invalidate(DWORD what) = 0;                                                   // 11
    // Draws positions [from, to) at columns x, x + 1, ...; recordOffset: the record's start
    // relative to from (negative when it began earlier).
    virtual HRESULT Draw(HDC dc, LONGLONG from, LONGLONG to, LONGLONG recordOffset, LONG record, LONG x,
                         const RECT* clip, DWORD flags, const TimeAxisLayout* layout,
                         const RecordTime* recordTime) = 0;                                // 12
    virtual HRESULT Refresh(DWORD what) = 0;                                               // 13
    virtual HRESULT Activate(DWORD_PTR pane, DWORD on) = 0;                                // 14
    virtual HRESULT GetExtent(LONGLONG position, LONGLONG count, LONGLONG* extent) = 0;    // 15
    virtual HRESULT Deactivate(LONG a, LONG b) = 0;                                        // 16
    virtual HRESULT SetHighlight(DWORD flag) = 0;                                          // 17
    virtual HRESULT Notify(LONG a, LONG b) = 0;                                            // 18
    virtual HRESULT HitTest(DWORD kind, DWORD_PTR pane, LONG x, LONG y, LONG* result) = 0; // 19
    virtual HRESULT GetPaneId(DWORD_PTR* pane) = 0;                                        // 20
    virtual HRESULT ReleaseSources() = 0;                                                  // 21
    virtual HRESULT GetDisplayChannel(ChannelPair* channel) = 0;                           // 22
    virtual HRESULT SetOrder(LONG a, LONG lane) = 0;                                       // 23
    virtual HRESULT UpdateColours(IUnknown* document, LONG a, LONG channel) = 0;           // 24
    virtual HRESULT QueryDataAt(DWORD_PTR pane, LONGLONG position, double* value, LONG* valid,
                                void* objectData) = 0;                 // 25
    virtual HRESULT SetScale(IDrawerDataPane* pane) = 0;               // 26
    virtual HRESULT Reserved27() = 0;                                  // 27
    virtual HRESULT Reserved28(LONG a) = 0;                            // 28
    virtual HRESULT Clone(DWORD flags, IStrevRecordDrawer** copy) = 0; // 29
    virtual HRESULT SetLaneOption(DWORD option) = 0;                   // 30

protected:
    ~IStrevRecordDrawer() = default;
};

struct IDrawerDataPane : IUnknown {
    virtual HRESULT GetWindowValue(DWORD_PTR* value) = 0;                          // 3
    virtual HRESULT GetPixelsPerMmX(double* pixels) = 0;                           // 4
    virtual HRESULT GetPixelsPerMmY(double* pixels) = 0;                           // 5
    virtual HRESULT GetDeviceScale(double* x, double* y) = 0;                      // 6
    virtual HRESULT GetOptionFlag(WORD* set) = 0;                                  // 7
    virtual HRESULT SetDrawerClip(LONG lane, LONG drawerId, const RECT* clip) = 0; // 8
    virtual HRESULT SetDrawerValue(LONG lane, LONG drawerId, LONG value) = 0;      // 9
    virtual HRESULT GetLaneRect(LONG lane, RECT* rect) = 0;                        // 10
    virtual HRESULT WindowHook(LONG a, LONG b) = 0;                                // 11
    virtual HRESULT IsSampling12() = 0;                                            // 12
    virtual HRESULT IsSampling13() = 0;                                            // 13
    virtual HRESULT GetBackgroundColour(COLORREF* colour) = 0;                     // 14
    virtual HRESULT DeriveColour(COLORREF colour, COLORREF* derived) = 0;          // 15
    virtual HRESULT GetLaneChannel(LONG lane, ChannelPair* channel) = 0;           // 16
    virtual HRESULT GetLaneDragScale(LONG lane, LONG axis, IUnknown** strip) = 0;  // 17
    virtual HRESULT ConvertLaneValue(LONG lane, double* value) = 0;                // 18
    virtual HRESULT GetLaneOption(LONG lane, DWORD* option) = 0;                   // 19
    virtual HRESULT GetPaneOptions(DWORD* laneOption, DWORD* optionWord) = 0;      // 20

protected:
    ~IDrawerDataPane() = default;
};
