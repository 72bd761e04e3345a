#pragma once
// The table view window a manager owns: a child window of the client view
// holding the main grid (table id 8) and, under style bit 1, the fixed grid of
// summary rows (16) below it. It gives each grid a renderer over the
// manager's data, applies the style word, keeps the grids' columns in step,
// passes column changes on to the manager, and answers the host's copy and
// print messages; it exports its tables as text, CSV and into the Data Pad.
//
// Style bits: 0 edit as text, 1 fixed grid, 3 row selection, 4 column moves
// change the manager's order, 5 row labels and 6 titles in exports, 7 no
// horizontal bar, 8 printing ignores the selection, 9 the snap toolbar.

#include <map>

#include "core/String.h"
#include "module/ZARProxyEventHandler.h"
#include "module/ZARSubject.h"
#include "platform/owl/TWindow.h"
#include "platform/vantrel/IPrintout.h"
#include "platform/vantrel/TableHost.h"
#include "platform/win32/com_ptr.h"
#include "tableview/TableInterfaces.h"

class TVF_Renderer;

namespace TVF_Grid {
class EventGridControl;
}

class TVF_TableView : public OWL::TWindow, public Tarvik::ZARSubject, public Tarvik::ZARCppEventHandler {
public:
    static constexpr DWORD kMainTable = 8;
    static constexpr DWORD kFixedTable = 16;
    static constexpr DWORD kCopyMessage = 0x80010008;
    static constexpr DWORD kPrintMessage = 0x8001000B;
    static constexpr DWORD kPreviewMessage = 0x8001000C;

    // Registers its message handler with the host services (an IMessageHandler: its AddHandler).
    TVF_TableView(HWND parent, ITableViewMgrInternal* manager, IUnknown* hostDocument,
                  IUnknown* hostServices);
    ~TVF_TableView() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 2; } // the manager owns the view
    ULONG Release() override { return 1; }

    // The set-up with a style, the manager's data and action facades, the
    // client's action handler, its list generator and its stored rows.
    void Setup(DWORD style, ITableDataManager* data, ITableUserActionHandler* managerActions,
               ITableUserActionHandler* clientActions, IListGenerator* lists, ITableStoredRowInfo* rows);
    void Position(LONG x, LONG y, LONG width, LONG height, LONG rowNumberWidth, LONG fixedGridHeight);
    // The main grid's columns laid out (0 until the first count).
    void SetColumnCount(DWORD count);
    DWORD ColumnCount() const { return mColumns; }
    bool HasColumnsLaidOut() const { return mColumns > 0; }
    void InvalidateCell(DWORD row, DWORD viewColumn);
    void SelectRows(DWORD tableId, DWORD firstRow, DWORD endRow);
    void SelectCells(DWORD tableId, DWORD viewColumn, DWORD firstRow, DWORD endRow);
    void SetStyle(DWORD style);
    DWORD Style() const { return mStyle; }
    void ShowRow(DWORD tableId, DWORD row);
    // The row ShowRow, and the view column SelectCells, was last asked for.
    DWORD LastShownRow() const { return mShownRow; }
    DWORD LastSelectedColumn() const { return mSelectedColumn; }
    void SetAlwaysShowLatest(bool on);
    bool AlwaysShowLatest() const;

    // The selection's text (or the whole tables'): main, "\n", fixed.
    Ovo::String BuildTableText(const Ovo::String& separator, bool quote);
    // Copies the tables as tab-separated text; a clipboard that will not open gives a box.
    HRESULT CopyToClipboard();
    // E_FAIL for no name (a cancelled dialog) or a file that cannot be written.
    HRESULT ExportCsv(const Ovo::String& fileName);
    // S_FALSE without a Data Pad.
    HRESULT AddSelectionToDataPad();
    HRESULT Print(bool preview);
    // Whether the CSV goes as UTF-16: the name has a character above U+00FF,
    // the host's language is one of the Far-Eastern, German, Hebrew or Arabic
    // ids, or the text would not survive the 8-bit code page.
    static bool UseUnicodeCsv(const Ovo::String& name, const Ovo::String& text);

    TVF_Grid::EventGridControl& MainGrid() const { return *mMain; }
    TVF_Grid::EventGridControl& FixedGrid() const { return *mFixed; }
    bool FixedGridShown() const { return mFixedShown; }
    LONG FixedGridHeight() const { return mFixedHeight; }
    const std::map<int, Ovo::String>& ChannelTitles() const { return mChannelTitles; }

    // Grid notices and host messages (the command table's rows).
    void OnFirstColumnChanged(std::int32_t column);
    void OnColumnResized(std::int32_t column, std::int32_t width);
    void OnColumnMoved(std::int32_t from, std::int32_t to);
    void OnGridClicked();
    HRESULT MsgChannelsChanged();
    HRESULT MsgNothing() { return S_OK; }
    HRESULT MsgCopy();
    HRESULT MsgPrint() { return Print(false); }
    HRESULT MsgPreview() { return Print(true); }

    bool PreProcessMsg(MSG& msg);
    void EvSize(UINT kind, const OWL::TSize& size);
    bool EvEraseBkgnd(HDC) { return true; }
    LRESULT EvMouseWheel(WPARAM wParam, LPARAM lParam);

    DECLARE_RESPONSE_TABLE(TVF_TableView);
    ZAR_COMMAND_TABLE(TVF_TableView, ZAREventHandlerBase)

protected:
    void SetupWindow() override;
    virtual TVF_Renderer* CreateMainRenderer();
    virtual TVF_Renderer* CreateFixedRenderer();

private:
    void Layout();
    void ColumnUpdate(int count);
    ComPtr<IUnknown> DocumentObject() const;
    Ovo::String DocumentName() const;
    Ovo::String TableTitle() const;
    void ReadChannelTitles();
    void PrintGrid(IHostPrintService& service, TVF_Grid::EventGridControl& grid, bool preview);

    TVF_Grid::EventGridControl* mMain;
    TVF_Grid::EventGridControl* mFixed;
    bool mFixedShown = true;
    bool mIncludeRowLabels = false;
    bool mIncludeTitles = true;
    bool mSelectionBlind = false;
    DWORD mStyle = 0;
    LONG mFixedHeight = 100;
    DWORD mColumns = 0;
    DWORD mShownRow = 0;
    DWORD mSelectedColumn = 0;
    std::map<int, Ovo::String> mChannelTitles;
    TVF_Renderer* mMainRenderer = nullptr;
    TVF_Renderer* mFixedRenderer = nullptr;
    ITableViewMgrInternal* mManager;
    ComPtr<IUnknown> mHostDocument;
    ComPtr<IMessageHandler> mHostServices;
};
