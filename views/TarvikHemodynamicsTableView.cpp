#include "views/TarvikHemodynamicsTableView.h"

#include "analysis/EventStats.h"
#include "analysis/TarvikData.h"
#include "controls/TBmpTxtButton.h"
#include "core/MsgData.h"
#include "document/HostLoopData.h"
#include "document/TarvikDocument.h"
#include "module/ModuleInstance.h"
#include "module/SendDocMessage.h"
#include "platform/gdi/gdi.h"
#include "platform/owl/TButton.h"
#include "platform/user/paint_api.h"
#include "platform/user/user.h"
#include "platform/vantrel/CommandHandler.h"
#include "tableview/SigFigDialog.h"
#include "views/HemoTableExport.h"
#include "views/HemoTableOptionsDialog.h"
#include "views/TarvikHemodynamicsTableViewData.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

namespace {

constexpr DWORD kMainGrid = 8;
constexpr DWORD kSummaryGrid = 0x10;
constexpr DWORD kActionMainGrid = 8; // a selection or activation in the main grid
constexpr DWORD kDoubleClick = 2;
constexpr DWORD kSelectAllMessage = 0x8001000E;
constexpr DWORD kSelectAllCommand = 0x80170008;
constexpr WORD kChannelsChangedNotice = 5;
constexpr int kHelpBitmap = 1002;
constexpr UINT kHelpTip = 171;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CENTER;

// The buttons' font, made once for the process.
HFONT ButtonFont() {
    struct Font {
        HFONT handle =
            CreateFontW(13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, u"Tahoma");
        ~Font() { DeleteObject(handle); }
    };
    static const Font font;
    return font.handle;
}

OWL::TButton* TextButton(OWL::TWindow* parent, int id, LPCWSTR text, OWL::TModule* module) {
    auto* button = new OWL::TButton(parent, id, text, 0, 0, 0, 0, false, module);
    button->Attr.Style = kButtonStyle;
    return button;
}

} // namespace

HRESULT TarvikHemodynamicsTableView::Actions::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_ITableUserActionHandler) {
        *out = static_cast<ITableUserActionHandler*>(this);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

DEFINE_RESPONSE_TABLE1(TarvikHemodynamicsTableView, TarvikViewBase)
EV_WM_SIZE, EV_COMMAND(TarvikHemodynamicsTableView::kExportButton, CmExport),
    EV_COMMAND(TarvikHemodynamicsTableView::kOptionsButton, CmOptions),
    EV_COMMAND(TarvikHemodynamicsTableView::kDataPadButton, CmAddToDataPad),
    EV_COMMAND(TarvikHemodynamicsTableView::kHelpButton, CmHelp), END_RESPONSE_TABLE;

ZARCommandTable& TarvikHemodynamicsTableView::CommandTable() {
    using Rows = TableRows<TarvikHemodynamicsTableView>;
    static ZARCommandTable table{
        Rows::Enabler<&TarvikHemodynamicsTableView::CeSelectAll>(&FixedId<kSelectAllCommand>),
        Rows::Observer<&TarvikHemodynamicsTableView::OnHostChannelsChanged>(
            &SpaceId<HostMsgGuid3A7D, kChannelsChangedNotice>),
        Rows::Message<&TarvikHemodynamicsTableView::MsgSelectAll>(&FixedId<kSelectAllMessage>),
    };
    return table;
}

TarvikHemodynamicsTableView::TarvikHemodynamicsTableView(OWL::TWindow* parent, IUnknown* document,
                                                         IDocView2* view, OwlDocViewClassBase* viewClass,
                                                         ULONG_PTR creation)
    : TitledView<109>(parent, document, view, viewClass, creation) {
    OWL::TModule* module = viewClass ? viewClass->Module() : nullptr;
    mExportButton = TextButton(this, kExportButton, u"Export...", module);
    mOptionsButton = TextButton(this, kOptionsButton, u"Options...", module);
    mDataPadButton = TextButton(this, kDataPadButton, u"Add to Data Pad", module);
    mHelpButton = new OvoControls::TBmpTxtButton(this, kHelpButton, u"", module);
    if (TarvikDocument* doc = ModuleDocument()) {
        mManager = QueryInterfacePtr<ITableViewManager>(doc->GetTableViewManager(), IID_ITableViewManager);
        mDataHold =
            QueryInterfacePtr<ITableDataManager>(doc->GetHemodynamicsTableData(), IID_ITableDataManager);
        mData = dynamic_cast<TarvikHemodynamicsTableViewData*>(mDataHold.Get());
    }
}

TarvikHemodynamicsTableView::~TarvikHemodynamicsTableView() = default;

TarvikDocument* TarvikHemodynamicsTableView::ModuleDocument() const {
    return ModuleDocumentOf(Document());
}

ModelPtr TarvikHemodynamicsTableView::TableModel() const {
    TarvikDocument* document = ModuleDocument();
    return document != nullptr ? document->GetModel(kHemoTableModel) : ModelPtr();
}

DWORD TarvikHemodynamicsTableView::RowCount(DWORD tableId) const {
    DWORD count = 0;
    if (mData != nullptr)
        mData->GetRowCount(tableId, &count);
    return count;
}

void TarvikHemodynamicsTableView::SetupWindow() {
    if (mManager && mData != nullptr)
        mManager->CreateView(kGridStyle, GetHandle(), Document(), GetHostView().Get(), mData, mData,
                             &mActions, nullptr);
    TitledView<109>::SetupWindow();
    for (OWL::TButton* button : {mExportButton, mOptionsButton, mDataPadButton})
        button->SetWindowFont(ButtonFont(), false);
    mHelpButton->SetGlyphBitmap(kHelpBitmap);
    mHelpButton->SetTipText(LoadModuleString(kHelpTip));
    OnDocumentDataChanged(kLoopListRebuilt | kLoopDataStale);
}

void TarvikHemodynamicsTableView::CleanupWindow() {
    if (mManager)
        mManager->DestroyView(0);
    TitledView<109>::CleanupWindow();
}

void TarvikHemodynamicsTableView::Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) {
    dc.FillRect(GetClientRect(), GetSysColorBrush(COLOR_BTNFACE));
    ViewBase::Paint(dc, erase, rect);
    if (mManager)
        mManager->ColumnsChanged(0);
}

void TarvikHemodynamicsTableView::EvSize(UINT, const OWL::TSize& size) {
    if (!mManager)
        return;
    if (size.cx == 0 && size.cy == 0) {
        mManager->PositionView(0, 0, 0, 0, 0, 60, 100, 100);
        return;
    }
    const int y = size.cy - 31;
    mHelpButton->MoveWindow(8, y, 30, 23, true);
    mExportButton->MoveWindow(44, y, 75, 23, true);
    mOptionsButton->MoveWindow(125, y, 75, 23, true);
    mDataPadButton->MoveWindow(206, y, 112, 23, true);
    const OWL::TRect client = GetClientRect();
    mManager->PositionView(0, client.left, client.top, client.Width(), client.Height() - kStripHeight, 60,
                           100, 100);
    RECT strip{client.left, client.bottom - kStripHeight, client.right, client.bottom};
    RedrawWindow(GetHandle(), &strip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TarvikHemodynamicsTableView::OnDocumentDataChanged(std::uint32_t flags) {
    TarvikDocument* document = ModuleDocument();
    const ModelPtr table = TableModel();
    if (document == nullptr || !table || !mManager)
        return;
    const bool outer = !mDataChanging;
    mDataChanging = true;
    mManager->SetStyle(GetModelParam<56>(table) ? kGridStyle | kSummaryStyleBit : kGridStyle);
    if ((flags & (kLoopPicked | kSelectedLoopChanged)) != 0) {
        // The current loop's row: parameter 58 counts every loop event, the table's rows only loops.
        std::int32_t row = GetModelParam<58>(document->FindModel());
        const EventStats* stats = document->LoopData().GetVChanData().GetStats();
        const std::int32_t selected = row;
        for (std::int32_t i = 0; stats != nullptr && i < selected && i < stats->total(); ++i)
            if (stats->GetEventState(i) == LoopEventHead::LastInBlock)
                --row;
        if (row >= 0)
            mManager->SelectRows(0, static_cast<DWORD>(row) + 1, static_cast<DWORD>(row) + 2);
    }
    const bool latest = GetModelParam<57>(table);
    mManager->SetAlwaysShowLatest(0, latest ? -1 : 0);
    if (!latest && document->LoopData().IsOnlineMode())
        mManager->ShowRow(0, static_cast<DWORD>(-1));
    mManager->ColumnsChanged(0);
    if (outer)
        mDataChanging = false;
}

HRESULT TarvikHemodynamicsTableView::OnSelectionChanged(DWORD tableId, const TableCellRange* ranges,
                                                        DWORD count) {
    if (count == 0 || ranges == nullptr)
        return S_OK;
    const bool main = (tableId & kActionMainGrid) != 0;
    if (!mRefreshingRows && mManager)
        mManager->SelectRows(main ? kSummaryGrid : kMainGrid, 0, 0); // the other grid's selection goes
    const TableCellRange& range = ranges[0];
    TarvikDocument* document = ModuleDocument();
    if (!mRefreshingSelection && main && range.endRow == range.firstRow + 1 && range.firstRow >= 1 &&
        !mDataChanging && document != nullptr)
        SendDocMessage(Ovo::MakeMsgData1<std::uint32_t>(DocMsgId<269>(), range.firstRow - 1), *document,
                       document->Target(), 0);
    return S_OK;
}

HRESULT TarvikHemodynamicsTableView::OnCellActivated(DWORD tableIdAndHow, DWORD row, DWORD column) {
    if ((tableIdAndHow & kDoubleClick) != 0 && row == 0)
        FormatColumn(column);
    return S_OK;
}

HRESULT TarvikHemodynamicsTableView::OnAlwaysShowLatestToggled(SHORT on) {
    const ModelPtr table = TableModel();
    if (table && SetModelParam<57>(table, on != 0))
        table->CommitChange();
    return S_OK;
}

void TarvikHemodynamicsTableView::FormatColumn(DWORD column) {
    if (mData == nullptr)
        return;
    const std::int32_t id = mData->ParamIdOfColumn(column);
    if (id <= 0)
        return;
    ColumnFormat& format = mData->FormatOf(id);
    TableView::SigFigDialog dialog(this);
    dialog.significantFigures = static_cast<std::int32_t>(format.significantFigures);
    if (dialog.Execute() == IDCANCEL)
        return;
    const auto figures = static_cast<std::uint32_t>(dialog.significantFigures);
    if (dialog.applyToAll)
        mData->SetFiguresOfAllColumns(figures);
    else
        format.significantFigures = figures;
    if (mManager)
        mManager->ColumnsChanged(0);
}

HRESULT TarvikHemodynamicsTableView::MsgSelectAll() {
    const bool rows = !mRefreshingRows, selection = !mRefreshingSelection;
    mRefreshingRows = mRefreshingSelection = true;
    if (mManager) {
        mManager->SelectRows(0, 1, RowCount(0));
        mManager->SelectRows(kSummaryGrid, 1, RowCount(kSummaryGrid));
    }
    if (rows)
        mRefreshingRows = false;
    if (selection)
        mRefreshingSelection = false;
    return S_FALSE;
}

void TarvikHemodynamicsTableView::CeSelectAll(ICommandState& state) {
    state.SetEnabled(RowCount(0) > 0 ? VARIANT_TRUE : VARIANT_FALSE);
}

void TarvikHemodynamicsTableView::OnHostChannelsChanged() {
    if (mManager)
        mManager->ColumnsChanged(0);
    Invalidate(true);
}

void TarvikHemodynamicsTableView::CmExport() {
    const ModelPtr table = TableModel();
    if (mData != nullptr && table)
        RunTableExport(GetHandle(), mManager.Get(), *mData, *mData, GetModelParam<56>(table));
}

void TarvikHemodynamicsTableView::CmOptions() {
    TarvikDocument* document = ModuleDocument();
    const ModelPtr table = TableModel();
    if (document != nullptr && table && RunHemoTableOptions(this, *document, table))
        OnDocumentDataChanged(kLoopListRebuilt | kLoopDataStale);
}

void TarvikHemodynamicsTableView::CmAddToDataPad() {
    if (TarvikDocument* document = ModuleDocument())
        SendDocMessage(Ovo::MsgData0{DocMsgId<272>(), 0}, *document, document->Target(), 0);
}

} // namespace Tarvik
