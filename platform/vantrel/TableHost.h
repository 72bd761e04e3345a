#pragma once
// What the host gives a table view: the document interface (its slot 7 gives
// the document's object, which answers the channel titles, the document's
// name and the Data Pad through QueryInterface) and the Data Pad, the host's
// spreadsheet of 0x100000 rows by 26 columns (A to Z), both 0-based.

#include "platform/vantrel/IAutoOvoString.h"

inline constexpr IID IID_ITableHostDocument =
    MakeGuid("{6C1F2A93-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id
inline constexpr IID IID_IDocumentName = MakeGuid("{6786FCE0-0F95-11D1-8CC5-00C0D1570D74}");
inline constexpr IID IID_IDataPad = MakeGuid("{4021A444-7899-11D4-8110-00A0C9E26433}");

inline constexpr LONG kDataPadRows = 0x100000;
inline constexpr LONG kDataPadColumns = 26;

struct ITableHostDocument : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; }
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    // The document's object, with one reference.
    virtual HRESULT GetDocumentObject(IUnknown** object) = 0; // slot 7

protected:
    ~ITableHostDocument() = default;
};

struct IDocumentName : IUnknown {
    // The document's name (its file name without folder), a new host string.
    virtual HRESULT GetName(IAutoOvoString** name) = 0; // slot 3

protected:
    ~IDocumentName() = default;
};

struct IDataPad : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 29: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    virtual HRESULT Reserved10() { return E_NOTIMPL; }
    virtual HRESULT Reserved11() { return E_NOTIMPL; }
    virtual HRESULT Reserved12() { return E_NOTIMPL; }
    virtual HRESULT Reserved13() { return E_NOTIMPL; }
    virtual HRESULT Reserved14() { return E_NOTIMPL; }
    virtual HRESULT Reserved15() { return E_NOTIMPL; }
    virtual HRESULT Reserved16() { return E_NOTIMPL; }
    virtual HRESULT Reserved17() { return E_NOTIMPL; }
    virtual HRESULT Reserved18() { return E_NOTIMPL; }
    virtual HRESULT Reserved19() { return E_NOTIMPL; }
    virtual HRESULT Reserved20() { return E_NOTIMPL; }
    virtual HRESULT Reserved21() { return E_NOTIMPL; }
    virtual HRESULT Reserved22() { return E_NOTIMPL; }
    virtual HRESULT Reserved23() { return E_NOTIMPL; }
    virtual HRESULT Reserved24() { return E_NOTIMPL; }
    virtual HRESULT Reserved25() { return E_NOTIMPL; }
    virtual HRESULT Reserved26() { return E_NOTIMPL; }
    virtual HRESULT Reserved27() { return E_NOTIMPL; }
    virtual HRESULT Reserved28() { return E_NOTIMPL; }
    virtual HRESULT Reserved29() { return E_NOTIMPL; }
    // A cell's text, a new host string (an empty cell gives an empty text);
    // E_INVALIDARG outside the sheet.
    virtual HRESULT GetCellText(DWORD sheet, DWORD reserved, LONG row, LONG column,
                                IAutoOvoString** text) = 0; // slot 30
    // Writes a cell (flag 0xFFFF); E_INVALIDARG outside the sheet.
    virtual HRESULT SetCellText(DWORD sheet, DWORD reserved, LONG row, LONG column, IAutoOvoString* text,
                                WORD flag) = 0; // slot 31

protected:
    ~IDataPad() = default;
};
