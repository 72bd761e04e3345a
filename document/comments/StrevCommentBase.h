#pragma once
// StrevCommentBase: the generic comment the host keeps on its traces: a type,
// an id the host gives it, a channel, a text and a position. The position is
// (record, tick), or, while the host has given it a position provider, the
// provider's record and its base tick plus the comment's tick. Also the
// popup it opens and the attention animation it plays on the host's window.

#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "platform/vantrel/IStrevComment.h"

namespace StrevClient {

class StrevCommentBase : public IStrevCommentEx, public Ovo::CComObjectRoot {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    HRESULT GetInfo(HostTickPosition* position, LONG* channel, DWORD* id, IAutoOvoString** text) override;
    HRESULT GetTypeId(DWORD* typeId) override;
    HRESULT GetChannel(LONG* channel) override;
    HRESULT GetId(DWORD* id) override;
    HRESULT SetId(DWORD id) override;
    HRESULT SetChannel(DWORD, LONG channel) override;
    // The provider is borrowed: the host that gives it keeps it while the comment has it.
    HRESULT SetPositionProvider(ICommentPositionProvider* provider) override;
    HRESULT GetPositionProvider(ICommentPositionProvider** provider) override;
    // E_UNEXPECTED without a position provider.
    HRESULT GetAbsoluteTick(LONG* tick) override;
    HRESULT GetText(IAutoOvoString** text) override;
    HRESULT IsBefore(IStrevComment* other) override;
    HRESULT IsSame(IStrevComment* other) override;

    // Opens the popup of the comment above marker (window's client coordinates): the popup with
    // one reference, or E_OUTOFMEMORY and null when it cannot be made.
    virtual HRESULT OpenPopup(HWND window, DWORD, IAutoOvoString* timeText, ICommentPopupWindow** popup,
                              DWORD, const RECT& marker);
    HRESULT AnimateRect(HWND window, const RECT& from, const RECT& to, DWORD milliseconds);
    HRESULT AnimateEllipse(HWND window, const RECT& from, const RECT& to, DWORD milliseconds);
    // Ten frames of a rectangle (shape 0) or an ellipse (1) moving from one rectangle to the other
    // (window's client coordinates), drawn inverted on the window's frame and wiped again; blocks
    // for 50 ms + 10 x (milliseconds / 10).
    virtual HRESULT Animate(HWND window, int shape, const RECT& from, const RECT& to, DWORD milliseconds);

    const Ovo::String& Text() const { return mText; }

protected:
    StrevCommentBase(DWORD typeId, LONG channel) : mTypeId(typeId), mChannel(channel) {}
    ~StrevCommentBase() override = default;

    // The popup of the comment; null when it cannot be made.
    virtual ICommentPopupWindow* MakePopup(HWND owner, POINT anchor, IAutoOvoString* timeText,
                                           int markerHeight);

    const DWORD mTypeId;
    DWORD mId = 0;
    LONG mTick = 0;
    LONG mChannel;
    Ovo::String mText;
    ICommentPositionProvider* mPositionProvider = nullptr;
    LONG mRecord = 0;

private:
    LONG CurrentRecord() const;
};

} // namespace StrevClient
