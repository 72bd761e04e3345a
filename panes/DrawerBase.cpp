#include "panes/DrawerBase.h"

#include "platform/vantrel/IRecordSource.h"

namespace StrevDraw {

DrawerBase::DrawerBase(DWORD kind, DWORD dataFlags, LONG channel, DWORD selector, LONG displayChannel,
                       DWORD displaySelector)
    : mKind(kind), mDataFlags(dataFlags), mChannel(channel), mSelector(selector),
      mDisplayChannel(displayChannel), mDisplaySelector(displaySelector) {}

// A copy draws the same channel the same way but is bound to nothing yet.
DrawerBase::DrawerBase(const DrawerBase& other)
    : Ovo::SimpleUnknownImp1<IStrevRecordDrawer, IID_IStrevRecordDrawer>(), DrawerBaseInit(),
      mBounds(other.mBounds), mKind(other.mKind), mDataFlags(other.mDataFlags), mBoundsTag(other.mBoundsTag),
      mLane(other.mLane), mChannel(other.mChannel), mSelector(other.mSelector),
      mDisplayChannel(other.mDisplayChannel), mDisplaySelector(other.mDisplaySelector),
      mLaneOption(other.mLaneOption) {}

DrawerBase::~DrawerBase() {
    mData.Reset();
    mSource.Reset();
}

HRESULT DrawerBase::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    return Ovo::QueryInterfaceMap({{IID_IStrevRecordDrawer, static_cast<IStrevRecordDrawer*>(this)}}, iid,
                                  out);
}

HRESULT DrawerBase::SetSource(LONG, IUnknown* source) {
    mSource = ComPtr<IUnknown>(source);
    mActive = false;
    mAttached = false;
    if (source) {
        ComPtr<IUnknown> object;
        if (auto records = mSource.Query<IRecordSource>(IID_IRecordSource))
            records->GetDataObject(object.Put());
        mData = object.Query<IRecordData>(IID_IRecordData);
    }
    return S_OK;
}

HRESULT DrawerBase::SetBounds(DWORD tag, const RECT* bounds) {
    mBoundsTag = tag;
    if (bounds)
        mBounds = *bounds;
    return S_OK;
}

HRESULT DrawerBase::GetKind(DWORD* kind) {
    if (kind)
        *kind = mKind;
    return S_OK;
}

HRESULT DrawerBase::WriteLayout(DWORD layerWord, LONG leftOverhang, LONG rightOverhang, DWORD* layer,
                                LONG* left, LONG* right) {
    if (layer)
        *layer = layerWord;
    if (left)
        *left = leftOverhang;
    if (right)
        *right = rightOverhang;
    return S_OK;
}

HRESULT DrawerBase::GetLayout(IDrawerDataPane*, DWORD* layer, LONG* left, LONG* right) {
    return WriteLayout(0, 0, 0, layer, left, right);
}

HRESULT DrawerBase::GetChannel(ChannelPair* channel) {
    if (channel)
        *channel = {mChannel, mSelector};
    return S_OK;
}

HRESULT DrawerBase::QueryData(LONGLONG position, double* value) {
    if (mChannel >= 0 && mData)
        return mData->QueryValue(RequestKey(), position, mChannel, value);
    if (value)
        *value = 0.0;
    return S_FALSE;
}

HRESULT DrawerBase::Refresh(DWORD) {
    return S_OK;
}

HRESULT DrawerBase::Activate(DWORD_PTR, DWORD on) {
    mActive = on != 0;
    mAttached = true;
    if (mData)
        mData->PositionToTick(0, &mSourceCookie);
    Invalidate(0xFF000000u);
    return S_OK;
}

HRESULT DrawerBase::GetExtent(LONGLONG, LONGLONG, LONGLONG*) {
    return S_FALSE;
}

HRESULT DrawerBase::Deactivate(LONG, LONG) {
    mAttached = false;
    return S_OK;
}

HRESULT DrawerBase::SetHighlight(DWORD) {
    return S_OK;
}
HRESULT DrawerBase::Notify(LONG, LONG) {
    return S_OK;
}
HRESULT DrawerBase::GetPaneId(DWORD_PTR*) {
    return E_NOTIMPL;
}
HRESULT DrawerBase::ReleaseSources() {
    return E_NOTIMPL;
}

HRESULT DrawerBase::GetDisplayChannel(ChannelPair* channel) {
    if (channel)
        *channel = mDisplayChannel == kNoChannel ? ChannelPair{mChannel, mSelector}
                                                 : ChannelPair{mDisplayChannel, mDisplaySelector};
    return S_OK;
}

HRESULT DrawerBase::SetOrder(LONG, LONG lane) {
    mLane = lane;
    return S_OK;
}

HRESULT DrawerBase::UpdateColours(IUnknown*, LONG, LONG) {
    return S_OK;
}

HRESULT DrawerBase::QueryDataAt(DWORD_PTR pane, LONGLONG position, double* value, LONG* valid, void*) {
    return QueryDataByPosition(pane, position, value, valid);
}

HRESULT DrawerBase::SetScale(IDrawerDataPane* pane) {
    mDrawerData = pane;
    return S_OK;
}

HRESULT DrawerBase::Reserved27() {
    return E_NOTIMPL;
}
HRESULT DrawerBase::Reserved28(LONG) {
    return E_NOTIMPL;
}

HRESULT DrawerBase::Clone(DWORD, IStrevRecordDrawer** copy) {
    if (copy)
        *copy = nullptr;
    return E_NOTIMPL;
}

HRESULT DrawerBase::SetLaneOption(DWORD option) {
    mLaneOption = option;
    return S_OK;
}

} // namespace StrevDraw
