#pragma once
// The host's Data Pad: a sheet of 0x100000 rows by 26 columns of texts, kept
// sparse. It notes every write, so tests see what the module added.

#include <map>
#include <string>
#include <utility>

#include "host/engine/ComObject.h"
#include "platform/vantrel/TableHost.h"

namespace Vantrel {

class DataPad : public ComObject<IDataPad> {
public:
    void* find(REFIID iid) override { return iid == IID_IDataPad ? static_cast<IDataPad*>(this) : nullptr; }

    HRESULT GetCellText(DWORD sheet, DWORD reserved, LONG row, LONG column, IAutoOvoString** text) override;
    HRESULT SetCellText(DWORD sheet, DWORD reserved, LONG row, LONG column, IAutoOvoString* text,
                        WORD flag) override;

    void Set(LONG row, LONG column, std::u16string text);
    std::u16string Cell(LONG row, LONG column) const;
    // Rows 0 to the last written, each row's cells to its last non-empty one, tab-separated.
    std::u16string Dump() const;
    int Writes() const { return mWrites; }
    int Reads() const { return mReads; }

private:
    static bool Inside(LONG row, LONG column) {
        return row >= 0 && row < kDataPadRows && column >= 0 && column < kDataPadColumns;
    }

    std::map<std::pair<LONG, LONG>, std::u16string> mCells;
    int mWrites = 0;
    int mReads = 0;
};

} // namespace Vantrel
