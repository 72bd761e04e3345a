#pragma once
// The bookkeeping every record drawer shares: its source binding, the strip it
// paints, its channel and display channel, its lane and its activation. The
// drawers that paint (grid, trace, events, time labels) derive from it and
// supply the data query by position, SetViewRect, Invalidate, Draw and HitTest.
//
// A drawer reads recorded data only through the source's data object
// (IRecordData); it keeps no copy of samples.

#include "core/CComObjectRoot.h"
#include "platform/vantrel/IRecordData.h"
#include "platform/vantrel/IStrevRecordDrawer.h"
#include "platform/win32/com_ptr.h"

namespace StrevDraw {

// Kind codes: panes order their drawers by kind and layer them by kind / 256.
inline constexpr DWORD kGridKind = 1;
inline constexpr DWORD kTraceKind = 0x201;
inline constexpr DWORD kEventKind = 0x402;
// Data flags of the grid, trace and event drawers.
inline constexpr DWORD kChannelDataFlags = 0x2000;
inline constexpr LONG kNoChannel = static_cast<LONG>(0x80000000u);
inline constexpr DWORD kNoSelector = 0xC0000000u;

class DrawerBaseInit {};

class DrawerBase : public Ovo::SimpleUnknownImp1<IStrevRecordDrawer, IID_IStrevRecordDrawer>,
                   public DrawerBaseInit {
public:
    DrawerBase(DWORD kind, DWORD dataFlags, LONG channel, DWORD selector, LONG displayChannel,
               DWORD displaySelector);
    ~DrawerBase() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;

    HRESULT SetSource(LONG reserved, IUnknown* source) override;
    HRESULT SetBounds(DWORD tag, const RECT* bounds) override;
    HRESULT GetKind(DWORD* kind) override;
    HRESULT GetLayout(IDrawerDataPane* pane, DWORD* layer, LONG* left, LONG* right) override;
    HRESULT GetChannel(ChannelPair* channel) override;
    HRESULT QueryData(LONGLONG position, double* value) override;
    HRESULT Refresh(DWORD what) override;
    HRESULT Activate(DWORD_PTR pane, DWORD on) override;
    HRESULT GetExtent(LONGLONG position, LONGLONG count, LONGLONG* extent) override;
    HRESULT Deactivate(LONG a, LONG b) override;
    HRESULT SetHighlight(DWORD flag) override;
    HRESULT Notify(LONG a, LONG b) override;
    HRESULT GetPaneId(DWORD_PTR* pane) override;
    HRESULT ReleaseSources() override;
    HRESULT GetDisplayChannel(ChannelPair* channel) override;
    HRESULT SetOrder(LONG a, LONG lane) override;
    HRESULT UpdateColours(IUnknown* document, LONG a, LONG channel) override;
    HRESULT QueryDataAt(DWORD_PTR pane, LONGLONG position, double* value, LONG* valid,
                        void* objectData) override;
    HRESULT SetScale(IDrawerDataPane* pane) override;
    HRESULT Reserved27() override;
    HRESULT Reserved28(LONG a) override;
    HRESULT Clone(DWORD flags, IStrevRecordDrawer** copy) override;
    HRESULT SetLaneOption(DWORD option) override;

    const RECT& Bounds() const { return mBounds; }
    DWORD Kind() const { return mKind; }
    LONG Lane() const { return mLane; }
    LONG SourceCookie() const { return mSourceCookie; }
    DWORD LaneOption() const { return mLaneOption; }
    bool IsActive() const { return mActive; }
    bool IsAttached() const { return mAttached; }
    IUnknown* Source() const { return mSource.Get(); }
    IRecordData* Data() const { return mData.Get(); }
    IDrawerDataPane* DrawerData() const { return mDrawerData; }

protected:
    DrawerBase(const DrawerBase& other);

    // Writes a layout answer to whichever out-parameters are given.
    static HRESULT WriteLayout(DWORD layerWord, LONG leftOverhang, LONG rightOverhang, DWORD* layer,
                               LONG* left, LONG* right);

    // The data flags without their low byte, or-ed with the channel selector.
    DWORD RequestKey() const { return (mDataFlags & ~0xFFu) | mSelector; }

    RECT mBounds{};
    DWORD mKind;
    DWORD mDataFlags;
    DWORD mBoundsTag = 0;
    LONG mLane = -2;
    LONG mChannel;
    DWORD mSelector;
    LONG mDisplayChannel;
    DWORD mDisplaySelector;
    LONG mSourceCookie = -1;
    DWORD mLaneOption = 0;
    bool mActive = false;
    bool mAttached = false;
    ComPtr<IUnknown> mSource;
    ComPtr<IRecordData> mData;
    IDrawerDataPane* mDrawerData = nullptr;
};

} // namespace StrevDraw
