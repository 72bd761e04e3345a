#include "host/framework/DataPad.h"

#include "host/framework/Text.h"

namespace Vantrel {

HRESULT DataPad::GetCellText(DWORD, DWORD, LONG row, LONG column, IAutoOvoString** text) {
    if (text == nullptr)
        return E_POINTER;
    *text = nullptr;
    if (!Inside(row, column))
        return E_INVALIDARG;
    ++mReads;
    *text = MakeString(Cell(row, column));
    return S_OK;
}

HRESULT DataPad::SetCellText(DWORD, DWORD, LONG row, LONG column, IAutoOvoString* text, WORD) {
    if (!Inside(row, column))
        return E_INVALIDARG;
    ++mWrites;
    Set(row, column, ReadString(text));
    return S_OK;
}

void DataPad::Set(LONG row, LONG column, std::u16string text) {
    if (text.empty())
        mCells.erase({row, column});
    else
        mCells[{row, column}] = std::move(text);
}

std::u16string DataPad::Cell(LONG row, LONG column) const {
    auto it = mCells.find({row, column});
    return it == mCells.end() ? std::u16string() : it->second;
}

std::u16string DataPad::Dump() const {
    std::u16string out;
    const LONG last = mCells.empty() ? -1 : mCells.rbegin()->first.first;
    for (LONG r = 0; r <= last; ++r) {
        LONG end = 0;
        for (LONG c = 0; c < kDataPadColumns; ++c)
            if (!Cell(r, c).empty())
                end = c + 1;
        for (LONG c = 0; c < end; ++c)
            out += (c > 0 ? u"\t" : u"") + Cell(r, c);
        out += u"\n";
    }
    return out;
}

} // namespace Vantrel
