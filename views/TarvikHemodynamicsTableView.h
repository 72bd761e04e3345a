#pragma once
// The "Hemodynamics Table" view: the document's table view manager shows the
// haemodynamics table (main grid of loops, summary grid below it) over the
// document's table data; a strip below holds a help button and "Export...",
// "Options..." and "Add to Data Pad". Selecting one loop row selects that loop
// in the analysis (automation message 269), double-clicking a column title
// formats the column, and the view follows the analysis and the table settings
// (model 12: 55 the columns, 56 the summary grid, 57 always show the latest
// row) when the document reports a change.

#include "core/String.h"
#include "platform/win32/com_ptr.h"
#include "tableview/TableInterfaces.h"
#include "views/TitledView.h"
#include "workflow/Model.h"

namespace OvoControls {
class TBmpTxtButton;
}

namespace OWL {
class TButton;
}

namespace Tarvik {

class TarvikDocument;
class TarvikHemodynamicsTableViewData;

class TarvikHemodynamicsTableView : public TitledView<109> {
public:
    static constexpr int kExportButton = 1000;
    static constexpr int kOptionsButton = 1001;
    static constexpr int kDataPadButton = 1002;
    static constexpr int kHelpButton = 9;
    static constexpr DWORD kGridStyle = 0x278;
    static constexpr DWORD kSummaryStyleBit = 0x2;
    static constexpr int kStripHeight = 39;

    TarvikHemodynamicsTableView(OWL::TWindow* parent, IUnknown* document, IDocView2* view,
                                OwlDocViewClassBase* viewClass, ULONG_PTR creation);
    ~TarvikHemodynamicsTableView() override;

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;
    void GetCopyCommandText(Ovo::String& text) override {
        text = Ovo::String(u"Copy Tarvik Hemodynamics Table");
    }
    void GetPrintCommandText(Ovo::String& text) override {
        text = Ovo::String(u"Print Tarvik Hemodynamics Table");
    }
    bool CanCopy() override { return true; }
    bool CanPrint() override { return true; }

    // Follows the table settings and the analysis: the summary grid, the current loop's row (flags
    // 0x04 or 0x80), always showing the latest row, the columns.
    void OnDocumentDataChanged(std::uint32_t flags) override;

    // The table framework's user actions.
    HRESULT OnSelectionChanged(DWORD tableId, const TableCellRange* ranges, DWORD count);
    HRESULT OnCellActivated(DWORD tableIdAndHow, DWORD row, DWORD column);
    HRESULT OnAlwaysShowLatestToggled(SHORT on);
    ITableUserActionHandler* ActionHandler() { return &mActions; }

    // The buttons' commands.
    void CmExport();
    void CmOptions();
    void CmAddToDataPad();
    void CmHelp() {}
    // "Format Column" for a column of the table; nothing for the loop-number column.
    void FormatColumn(DWORD column);
    // Selects every row of both grids without sending row selections (the host's Select All).
    HRESULT MsgSelectAll();
    void CeSelectAll(ICommandState& state);
    void OnHostChannelsChanged();
    void EvSize(UINT kind, const OWL::TSize& size);

    ITableViewManager* Manager() const { return mManager.Get(); }
    TarvikHemodynamicsTableViewData* Data() const { return mData; }
    ModelPtr TableModel() const;
    TarvikDocument* ModuleDocument() const;

    DECLARE_RESPONSE_TABLE(TarvikHemodynamicsTableView);
    ZAR_COMMAND_TABLE(TarvikHemodynamicsTableView, TarvikViewBase)

protected:
    void SetupWindow() override;
    void CleanupWindow() override;

private:
    // The view's ITableUserActionHandler; it lives and goes with the view.
    class Actions : public ITableUserActionHandler {
    public:
        explicit Actions(TarvikHemodynamicsTableView& view) : mView(view) {}
        HRESULT QueryInterface(REFIID iid, void** out) override;
        ULONG AddRef() override { return 2; }
        ULONG Release() override { return 1; }
        HRESULT OnSelectionChanged(DWORD tableId, const TableCellRange* ranges, DWORD count) override {
            return mView.OnSelectionChanged(tableId, ranges, count);
        }
        HRESULT OnCellActivated(DWORD tableIdAndHow, DWORD row, DWORD column) override {
            return mView.OnCellActivated(tableIdAndHow, row, column);
        }
        HRESULT OnCellTextEdited(DWORD, DWORD, DWORD, IAutoOvoString*) override { return E_FAIL; }
        HRESULT OnListItemChosen(DWORD, DWORD, DWORD, DWORD, DWORD) override { return S_OK; }
        HRESULT OnAlwaysShowLatestToggled(DWORD, SHORT on) override {
            return mView.OnAlwaysShowLatestToggled(on);
        }

    private:
        TarvikHemodynamicsTableView& mView;
    };

    DWORD RowCount(DWORD tableId) const;

    OWL::TButton* mExportButton; // child windows: the window deletes them
    OWL::TButton* mOptionsButton;
    OWL::TButton* mDataPadButton;
    OvoControls::TBmpTxtButton* mHelpButton;
    bool mRefreshingRows = false;
    bool mRefreshingSelection = false;
    bool mDataChanging = false;
    Actions mActions{*this};
    ComPtr<ITableViewManager> mManager;
    TarvikHemodynamicsTableViewData* mData = nullptr; // held through mDataHold
    ComPtr<ITableDataManager> mDataHold;
};

} // namespace Tarvik
