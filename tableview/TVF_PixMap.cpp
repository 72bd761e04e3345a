#include "tableview/TVF_PixMap.h"

#include <algorithm>
#include <limits>

TVF_PixMap::TVF_PixMap(ITableStoredRowInfo* rows, std::int32_t rowOrigin, std::int32_t columnOrigin,
                       DWORD tableId)
    : mRows(rows), mRowOrigin(rowOrigin), mColumnOrigin(columnOrigin), mTableId(tableId) {}

DWORD TVF_PixMap::StoredRows(HRESULT* result) const {
    DWORD count = 0;
    const HRESULT hr = mRows ? mRows->GetRowCount(mTableId, &count) : E_FAIL;
    if (result != nullptr)
        *result = hr;
    return count;
}

HRESULT TVF_PixMap::Rebuild() {
    mStarts.clear();
    mStarts.push_back(0);
    StoredRows();
    mDirty = false;
    return S_OK;
}

void TVF_PixMap::RebuildIfDirty() {
    if (mDirty)
        Rebuild();
}

LONGLONG TVF_PixMap::End(LONG record) const {
    if (record < LastRecord())
        return Start(record + 1);
    return Start(record) + Gap(record) + (static_cast<LONGLONG>(StoredRows()) - mRowOrigin);
}

LONG TVF_PixMap::RecordOf(LONGLONG position) const {
    if ((position >> 32) < 0)
        return 0;
    const auto it = std::upper_bound(mStarts.begin(), mStarts.end(), position);
    return std::max<LONG>(static_cast<LONG>(it - mStarts.begin()) - 1, 0);
}

HRESULT TVF_PixMap::SetCookie(LONG_PTR cookie) {
    mCookie = cookie;
    mDirty = true;
    return S_OK;
}

HRESULT TVF_PixMap::Reserved4() {
    mDirty = true;
    return E_NOTIMPL;
}

HRESULT TVF_PixMap::Reserved10() {
    mDirty = true;
    return E_NOTIMPL;
}

HRESULT TVF_PixMap::Reserved11() {
    mDirty = true;
    return E_NOTIMPL;
}

HRESULT TVF_PixMap::SetGap(LONG kind, LONG width) {
    mDirty = true;
    switch (kind) {
    case 0:
        mFirstGap = width;
        return S_OK;
    case 1:
        mLaterGap = width;
        return S_OK;
    case 2:
        mThirdGap = width;
        return S_OK;
    default:
        return E_INVALIDARG;
    }
}

HRESULT TVF_PixMap::SetScale(LONGLONG numerator, LONGLONG denominator) {
    mScaleNumerator = numerator;
    mScaleDenominator = denominator;
    mScale = static_cast<double>(numerator) / static_cast<double>(denominator);
    mDirty = true;
    return S_OK;
}

HRESULT TVF_PixMap::GetScale(LONGLONG* numerator, LONGLONG* denominator) {
    *numerator = mScaleNumerator;
    *denominator = mScaleDenominator;
    return S_OK;
}

HRESULT TVF_PixMap::BeginSequence() {
    mCursorActive = true;
    mCursorRecord = 0;
    if (mStarts.empty())
        mStarts.push_back(0);
    return S_OK;
}

HRESULT TVF_PixMap::EndSequence() {
    mCursorActive = false;
    return S_OK;
}

HRESULT TVF_PixMap::GetEndPosition(LONG, LONGLONG* position) {
    RebuildIfDirty();
    if (!mCursorActive) {
        *position = End(LastRecord()) + Gap(LastRecord());
        return S_FALSE;
    }
    *position = Start(mCursorRecord) + Gap(mCursorRecord);
    return S_OK;
}

HRESULT TVF_PixMap::GetTotal(LONGLONG* total) {
    RebuildIfDirty();
    *total = mStarts.empty() ? 0 : End(LastRecord());
    return S_OK;
}

HRESULT TVF_PixMap::GetRecordCount(LONG* count) {
    RebuildIfDirty();
    *count = static_cast<LONG>(mStarts.size());
    return S_OK;
}

HRESULT TVF_PixMap::FindRecord(LONGLONG position, PixMapPosition* at, LONGLONG* recordEnd) {
    RebuildIfDirty();
    const LONG record = RecordOf(position);
    const LONGLONG end = End(record);
    at->record = record;
    at->offset = position - Start(record) - Gap(record);
    *recordEnd = end;
    return position >= 0 && position < end ? S_OK : S_FALSE;
}

HRESULT TVF_PixMap::GetRecordRange(LONG record, LONGLONG* first, LONGLONG* end) {
    RebuildIfDirty();
    if (record < 0 || record > LastRecord()) {
        *first = *end = std::numeric_limits<LONGLONG>::min();
        return S_FALSE;
    }
    *first = -Gap(record);
    *end = End(record);
    return S_OK;
}

HRESULT TVF_PixMap::LocatePosition(LONG mode, LONGLONG position, LONGLONG* offset, PixMapPosition* at) {
    RebuildIfDirty();
    const LONG record = RecordOf(position);
    const LONGLONG from = position - Start(record) - Gap(record);
    *offset = from;
    at->record = record;
    if (from >= 0) {
        at->offset = from;
        return S_OK;
    }
    at->offset = 0;
    const bool back = mode == 1 || (mode == 0 && from + Gap(record) / 2 < 0);
    if (!back || record == 0)
        return S_OK;
    HRESULT result = S_OK;
    at->record = record - 1;
    at->offset = static_cast<LONGLONG>(StoredRows(&result)) - 1;
    return result;
}
