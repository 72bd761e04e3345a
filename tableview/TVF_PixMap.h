#pragma once
// TVF_PixMap: a table's stored rows as a host record-data pixel map of one
// record at position 0 (the table framework lays a table out as one
// record). The record ends at its start + its gap + the stored rows less the
// row origin, the row count read from the client at each call. Setters mark
// the map for rebuilding; each query rebuilds it first when marked.

#include <cstdint>
#include <vector>

#include "core/CComObjectRoot.h"
#include "platform/vantrel/IRecordDataPixMap.h"
#include "platform/win32/com_ptr.h"
#include "tableview/TableInterfaces.h"

class TVF_PixMap : public Ovo::SimpleUnknownImp1<IRecordDataPixMap, IID_IRecordDataPixMap> {
public:
    TVF_PixMap(ITableStoredRowInfo* rows, std::int32_t rowOrigin, std::int32_t columnOrigin, DWORD tableId);

    HRESULT SetCookie(LONG_PTR cookie) override;
    HRESULT Reserved4() override;
    HRESULT SetGap(LONG kind, LONG width) override;
    HRESULT SetScale(LONGLONG numerator, LONGLONG denominator) override;
    HRESULT GetScale(LONGLONG* numerator, LONGLONG* denominator) override;
    HRESULT Reserved10() override;
    HRESULT Reserved11() override;
    HRESULT Rebuild() override;
    HRESULT BeginSequence() override;
    HRESULT EndSequence() override;
    HRESULT GetEndPosition(LONG reserved, LONGLONG* position) override;
    HRESULT GetTotal(LONGLONG* total) override;
    HRESULT GetRecordCount(LONG* count) override;
    HRESULT FindRecord(LONGLONG position, PixMapPosition* at, LONGLONG* recordEnd) override;
    HRESULT GetRecordRange(LONG record, LONGLONG* first, LONGLONG* end) override;
    HRESULT LocatePosition(LONG mode, LONGLONG position, LONGLONG* offset, PixMapPosition* at) override;
    HRESULT Reserved32() override { return S_OK; }
    HRESULT Reserved33() override { return S_OK; }
    HRESULT Reserved34() override { return S_OK; }

private:
    void RebuildIfDirty();
    LONG Gap(LONG record) const { return record == 0 ? mFirstGap : mLaterGap; }
    LONGLONG Start(LONG record) const { return mStarts[static_cast<std::size_t>(record)]; }
    LONGLONG End(LONG record) const;
    LONG RecordOf(LONGLONG position) const;
    LONG LastRecord() const { return static_cast<LONG>(mStarts.size()) - 1; }
    DWORD StoredRows(HRESULT* result = nullptr) const;

    ComPtr<ITableStoredRowInfo> mRows;
    double mScale = 1.0;
    LONGLONG mScaleNumerator = 1;
    LONGLONG mScaleDenominator = 1;
    std::vector<LONGLONG> mStarts;
    LONG mFirstGap = 0;
    LONG mLaterGap = 0;
    LONG mThirdGap = 0;
    LONG mCursorRecord = 0;
    bool mCursorActive = false;
    LONG_PTR mCookie = 0;
    bool mDirty = true;
    std::int32_t mRowOrigin;
    std::int32_t mColumnOrigin;
    DWORD mTableId;
};
