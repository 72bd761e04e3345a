#include "tableview/TVF_TableView.h"

#include <fstream>
#include <string>
#include <vector>

#include "controls/HostWindows.h"
#include "core/CComObjectRoot.h"
#include "core/LocaleInfo.h"
#include "module/HostServices.h"
#include "module/MessageIds.h"
#include "platform/user/user.h"
#include "platform/win32/codepage.h"
#include "platform/win32/global.h"
#include "platform/win32/utf.h"
#include "tableview/EventGridControl.h"
#include "tableview/GridPane.h"
#include "tableview/GridPrintout.h"
#include "tableview/GridSelection.h"
#include "tableview/RowNumbersPane.h"
#include "tableview/TVF_Renderer.h"
#include "tableview/TableExport.h"

using TVF_Grid::EventGridControl;
using TVF_Grid::GridPos;

namespace {

constexpr WORD kChannelsChanged = 4;
constexpr WORD kDocumentChanged = 0;

// The grids' notices: their words are the notice's data.
template <auto M> Tarvik::ZARCommandEntry GridNotice(DWORD id) {
    return Tarvik::TableRows<TVF_TableView>::Observer<M>([id] { return Tarvik::TarvikMessageId(id); });
}

DWORD GridId(DWORD tableId) {
    return (tableId & TVF_TableView::kFixedTable) ? TVF_TableView::kFixedTable : TVF_TableView::kMainTable;
}

} // namespace

DEFINE_RESPONSE_TABLE1(TVF_TableView, OWL::TWindow)
EV_WM_SIZE, EV_WM_ERASEBKGND, EV_MESSAGE(WM_MOUSEWHEEL, EvMouseWheel), END_RESPONSE_TABLE;

Tarvik::ZARCommandTable& TVF_TableView::CommandTable() {
    using Rows = Tarvik::TableRows<TVF_TableView>;
    static Tarvik::ZARCommandTable table{
        Rows::Observer<&TVF_TableView::OnFirstColumnChanged>(
            &Tarvik::FixedId<TVF_Grid::kFirstColumnChangedNotice>),
        Rows::Observer<&TVF_TableView::OnColumnResized>(&Tarvik::FixedId<TVF_Grid::kColumnResizedNotice>),
        Rows::Observer<&TVF_TableView::OnColumnMoved>(&Tarvik::FixedId<TVF_Grid::kColumnMovedNotice>),
        Rows::Observer<&TVF_TableView::OnGridClicked>(&Tarvik::FixedId<TVF_Grid::kClickedNotice>),
        Rows::Message<&TVF_TableView::MsgChannelsChanged>(
            &Tarvik::SpaceId<Tarvik::HostMsgGuid3A7D, kChannelsChanged>),
        Rows::Message<&TVF_TableView::MsgNothing>(
            &Tarvik::SpaceId<Tarvik::HostMsgGuid3A7D, kDocumentChanged>),
        Rows::Message<&TVF_TableView::MsgCopy>(&Tarvik::FixedId<kCopyMessage>),
        Rows::Message<&TVF_TableView::MsgPrint>(&Tarvik::FixedId<kPrintMessage>),
        Rows::Message<&TVF_TableView::MsgPreview>(&Tarvik::FixedId<kPreviewMessage>),
    };
    return table;
}

// The manager owns the view: it is made in the parent window without
// belonging to the parent's framework object.
TVF_TableView::TVF_TableView(HWND parent, ITableViewMgrInternal* manager, IUnknown* hostDocument,
                             IUnknown* hostServices)
    : OWL::TWindow(static_cast<OWL::TWindow*>(nullptr), u""), mMain(new EventGridControl(this)),
      mFixed(new EventGridControl(this)), mManager(manager), mHostDocument(hostDocument) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    SetParentHandle(parent);
    for (EventGridControl* grid : {mMain, mFixed})
        grid->SetColumnResizing(true);
    if (hostServices != nullptr)
        hostServices->QueryInterface(IID_IMessageHandler, mHostServices.PutVoid());
    if (mHostServices && Proxy() != nullptr)
        mHostServices->AddHandler(Proxy()->HandlerPart());
    Create();
}

TVF_TableView::~TVF_TableView() {
    for (TVF_Renderer* renderer : {mMainRenderer, mFixedRenderer})
        if (renderer != nullptr) {
            renderer->DetachData();
            renderer->Release();
        }
    if (Proxy() != nullptr)
        for (EventGridControl* grid : {mMain, mFixed})
            grid->Detach(Proxy()->ObserverPart());
    if (mHostServices && Proxy() != nullptr)
        mHostServices->RemoveHandler(Proxy()->HandlerPart());
}

HRESULT TVF_TableView::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_ISubject, SubjectPart()}}, iid, out);
}

void TVF_TableView::SetupWindow() {
    OWL::TWindow::SetupWindow();
    TEXTMETRICW tm{};
    HDC dc = GetDC(mMain->GetHandle());
    HGDIOBJ old = SelectObject(dc, mMain->CellFont().GetHandle());
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(mMain->GetHandle(), dc);
    mMain->SetRowNumberWidth(6 * tm.tmAveCharWidth);
    for (EventGridControl* grid : {mMain, mFixed}) {
        grid->SetCustomRowLabels(true);
        if (Proxy() != nullptr)
            grid->Attach(Proxy()->ObserverPart());
    }
}

void TVF_TableView::Setup(DWORD style, ITableDataManager* data, ITableUserActionHandler* managerActions,
                          ITableUserActionHandler*, IListGenerator* lists, ITableStoredRowInfo* rows) {
    ReadChannelTitles();
    if (data != nullptr && managerActions != nullptr) {
        mMain->SetTableSources(kMainTable, data, rows, managerActions, lists);
        mFixed->SetTableSources(kFixedTable, data, rows, managerActions, lists);
    }
    mMainRenderer = CreateMainRenderer();
    mMainRenderer->SetData(kMainTable, mManager, data, rows);
    mMain->Pane().SetRenderer(mMainRenderer);
    if (mFixedShown) {
        mFixedRenderer = CreateFixedRenderer();
        mFixedRenderer->SetData(kFixedTable, mManager, data, rows);
        mFixed->Pane().SetRenderer(mFixedRenderer);
    }
    SetStyle(style);
    mMain->ResetSelection();
    mFixed->ResetSelection();
}

TVF_Renderer* TVF_TableView::CreateMainRenderer() {
    auto* renderer = new TVF_Renderer(*mMain);
    renderer->AddRef();
    return renderer;
}

TVF_Renderer* TVF_TableView::CreateFixedRenderer() {
    auto* renderer = new TVF_Renderer(*mFixed);
    renderer->AddRef();
    return renderer;
}

void TVF_TableView::SetStyle(DWORD style) {
    mStyle = style;
    mFixedShown = (style & 0x2) != 0;
    if (!mFixedShown)
        mFixed->Selection().Clear();
    mIncludeRowLabels = (style & 0x20) != 0;
    mIncludeTitles = (style & 0x40) != 0;
    mSelectionBlind = (style & 0x100) != 0;
    mMain->SetStyle(style, true);
    mFixed->SetStyle(style, false);
    Layout();
}

void TVF_TableView::Position(LONG x, LONG y, LONG width, LONG height, LONG rowNumberWidth,
                             LONG fixedGridHeight) {
    MoveWindow(x, y, width, height, false);
    for (EventGridControl* grid : {mMain, mFixed})
        if (grid->RowNumbers().Width() < 0) // still unset
            grid->SetRowNumberWidth(rowNumberWidth);
    mFixedHeight = fixedGridHeight;
    Layout();
    ColumnUpdate(static_cast<int>(mColumns));
}

void TVF_TableView::Layout() {
    if (GetHandle() == nullptr)
        return;
    const OWL::TRect client = GetClientRect();
    const int fixed = mFixedShown ? mFixedHeight : 0;
    mMain->SetHorizontalBarAllowed(!mFixedShown);
    mMain->MoveWindow(0, 0, client.Width(), client.Height() - fixed, true);
    mFixed->ShowWindow(mFixedShown ? SW_SHOW : SW_HIDE);
    if (mFixedShown)
        mFixed->MoveWindow(0, client.Height() - fixed, client.Width(), fixed, true);
}

void TVF_TableView::EvSize(UINT, const OWL::TSize&) {
    DefaultProcessing();
    Layout();
}

LRESULT TVF_TableView::EvMouseWheel(WPARAM wParam, LPARAM) {
    const int delta = static_cast<short>(HIWORD(static_cast<DWORD>(wParam)));
    const int top = mMain->Pane().TopRow() + mMain->RowOrigin() - delta / 120;
    if (top >= mMain->RowOrigin())
        mMain->ScrollToRow(top, mMain->RowOrigin());
    return 0;
}

void TVF_TableView::SetColumnCount(DWORD count) {
    mColumns = count;
    ColumnUpdate(static_cast<int>(count));
}

void TVF_TableView::ColumnUpdate(int) {
    const double main = mMain->GetVerticalFraction(), fixed = mFixed->GetVerticalFraction();
    (void)main;
    (void)fixed;
    if (mMainRenderer != nullptr) {
        mMainRenderer->Refresh();
        mMain->InvalidateAll();
    }
    if (mFixedShown && mFixedRenderer != nullptr) {
        mFixedRenderer->Refresh();
        mFixed->InvalidateAll();
    }
}

void TVF_TableView::InvalidateCell(DWORD, DWORD) {
    mMain->InvalidateAll();
    if (mFixedShown)
        mFixed->InvalidateAll();
}

void TVF_TableView::SelectRows(DWORD tableId, DWORD firstRow, DWORD endRow) {
    EventGridControl& grid = GridId(tableId) == kFixedTable ? *mFixed : *mMain;
    const int origin = grid.RowOrigin(), colOrigin = grid.ColumnOrigin();
    const auto first = static_cast<int>(firstRow), end = static_cast<int>(endRow);
    if (end > mMain->RowOrigin() && first < end && (&grid == mMain || mFixedShown)) {
        grid.Selection().SetRange(GridPos{first, origin}, GridPos{end, origin}, GridPos{colOrigin, colOrigin},
                                  GridPos{colOrigin + grid.Pane().ColumnCount(), colOrigin});
        grid.ScrollToRow(first, origin);
        if (!grid.IsRowVisible(end - 1, origin))
            grid.EnsureRowVisible(end - 1, origin);
    } else {
        grid.Selection().Clear();
    }
}

void TVF_TableView::SelectCells(DWORD tableId, DWORD viewColumn, DWORD firstRow, DWORD endRow) {
    EventGridControl& grid = GridId(tableId) == kFixedTable ? *mFixed : *mMain;
    mSelectedColumn = viewColumn;
    if (&grid == mFixed && !mFixedShown)
        return;
    const int origin = grid.RowOrigin(), colOrigin = grid.ColumnOrigin();
    const auto column = static_cast<int>(viewColumn);
    if (static_cast<int>(endRow) - static_cast<int>(firstRow) >= 1) {
        grid.Selection().SetRange(GridPos{static_cast<int>(firstRow), origin},
                                  GridPos{static_cast<int>(endRow), origin}, GridPos{column, colOrigin},
                                  GridPos{column + 1, colOrigin});
        grid.EnsureRowVisible(static_cast<int>(endRow) - 1, origin);
    } else {
        grid.Selection().Clear();
    }
    grid.ScrollToColumn(column, colOrigin);
}

void TVF_TableView::ShowRow(DWORD tableId, DWORD row) {
    EventGridControl& grid = GridId(tableId) == kFixedTable ? *mFixed : *mMain;
    mShownRow = row;
    const auto r = static_cast<int>(row);
    if (r >= 0 && r < grid.Pane().RowCount())
        grid.ScrollToRow(r + grid.RowOrigin(), grid.RowOrigin());
    else if (grid.Pane().RowCount() > 0)
        grid.EnsureRowVisible(grid.Pane().RowCount() - 1 + grid.RowOrigin(), grid.RowOrigin());
}

void TVF_TableView::SetAlwaysShowLatest(bool on) {
    mMain->SetAlwaysShowLatest(on);
}

bool TVF_TableView::AlwaysShowLatest() const {
    return mMain->AlwaysShowLatest();
}

void TVF_TableView::OnFirstColumnChanged(std::int32_t column) {
    mMain->ScrollToColumn(column, mMain->ColumnOrigin());
    if (mFixedShown)
        mFixed->ScrollToColumn(column, mFixed->ColumnOrigin());
}

void TVF_TableView::OnColumnResized(std::int32_t column, std::int32_t width) {
    TVF_Grid::GridNotice notice{{column, width}};
    Notify(TVF_Grid::kColumnResizedNotice, reinterpret_cast<ULONG_PTR>(&notice));
    mManager->SetColumnWidth(0, static_cast<DWORD>(column), static_cast<DWORD>(width));
    ColumnUpdate(static_cast<int>(mColumns));
}

void TVF_TableView::OnColumnMoved(std::int32_t from, std::int32_t to) {
    TVF_Grid::GridNotice notice{{from, to}};
    Notify(TVF_Grid::kColumnMovedNotice, reinterpret_cast<ULONG_PTR>(&notice));
    if (!(mStyle & 0x10))
        return;
    mManager->MoveColumn(0, static_cast<DWORD>(from), static_cast<DWORD>(to));
    ColumnUpdate(static_cast<int>(mColumns));
}

void TVF_TableView::OnGridClicked() {
    mMain->Selection().Clear();
    mFixed->Selection().Clear();
}

HRESULT TVF_TableView::MsgChannelsChanged() {
    ReadChannelTitles();
    mMain->InvalidateAll();
    if (mFixedShown)
        mFixed->InvalidateAll();
    return S_OK;
}

ComPtr<IUnknown> TVF_TableView::DocumentObject() const {
    ComPtr<ITableHostDocument> document;
    ComPtr<IUnknown> object;
    if (mHostDocument && SUCCEEDED(mHostDocument->QueryInterface(IID_ITableHostDocument, document.PutVoid())))
        document->GetDocumentObject(object.Put());
    return object;
}

void TVF_TableView::ReadChannelTitles() {
    mChannelTitles = BuildChannelTitleMap(DocumentObject().Get());
}

Ovo::String TVF_TableView::DocumentName() const {
    ComPtr<IDocumentName> name;
    Ovo::String text;
    const ComPtr<IUnknown> object = DocumentObject();
    IAutoOvoString* out = nullptr;
    if (object && SUCCEEDED(object->QueryInterface(IID_IDocumentName, name.PutVoid())) &&
        SUCCEEDED(name->GetName(&out)))
        text.AssignAndRelease(out);
    return text;
}

Ovo::String TVF_TableView::TableTitle() const {
    Ovo::String title;
    IAutoOvoString* out = nullptr;
    if (ITableDataManager* data = mMain->DataSource(); data != nullptr && SUCCEEDED(data->GetTitle(0, &out)))
        title.AssignAndRelease(out);
    return title;
}

void TVF_TableView::PrintGrid(IHostPrintService& service, EventGridControl& grid, bool preview) {
    Ovo::String title = DocumentName();
    title += u": ";
    title += TableTitle();
    TVF_Grid::GridPrintout* printout =
        TVF_Grid::CreateGridPrintout(title, grid, mIncludeRowLabels, mIncludeTitles);
    if (printout == nullptr)
        return;
    if (preview)
        service.Preview(printout);
    else
        service.Print(printout, 1);
    printout->Release();
}

HRESULT TVF_TableView::Print(bool preview) {
    IHostApplication* application = Tarvik::GetHostApplication();
    ComPtr<IHostPrintService> service;
    if (application == nullptr || FAILED(application->GetPrintService(service.Put())) || !service)
        return S_OK;
    bool printed = false;
    if (mMain->Selection().IsValid() && !mSelectionBlind) {
        PrintGrid(*service.Get(), *mMain, preview);
        printed = true;
    }
    if (mFixed->Selection().IsValid() && !mSelectionBlind) {
        PrintGrid(*service.Get(), *mFixed, preview);
        return S_OK;
    }
    if (!printed) {
        PrintGrid(*service.Get(), *mMain, preview);
        if (mFixedShown)
            PrintGrid(*service.Get(), *mFixed, preview);
    }
    return S_OK;
}

Ovo::String TVF_TableView::BuildTableText(const Ovo::String& separator, bool quote) {
    TVF_Grid::ExportOptions whole{mIncludeRowLabels, mIncludeTitles, GridPos{}, GridPos{}};
    auto selected = [&](EventGridControl& grid) {
        const TVF_Grid::SelectionRange& r = grid.Selection().Range();
        return TVF_Grid::ExportOptions{mIncludeRowLabels, mIncludeTitles, r.rowStart, r.rowEnd};
    };
    Ovo::String main, fixed;
    const bool mainSelected = mMain->Selection().IsValid();
    if (mainSelected)
        TVF_Grid::CopySelection(*mMain, main, selected(*mMain), separator, quote);
    if (mFixed->Selection().IsValid()) {
        TVF_Grid::CopySelection(*mFixed, fixed, selected(*mFixed), separator, quote);
    } else {
        if (!mainSelected)
            TVF_Grid::CopySelection(*mMain, main, whole, separator, quote);
        if (mFixedShown)
            TVF_Grid::CopySelection(*mFixed, fixed, whole, separator, quote);
    }
    if (!main.IsEmpty() && !fixed.IsEmpty())
        main += u"\n";
    main += fixed;
    return main;
}

HRESULT TVF_TableView::MsgCopy() {
    return CopyToClipboard();
}

HRESULT TVF_TableView::CopyToClipboard() {
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (ISharedHostObject* shared = Tarvik::GetSharedHostObject())
        shared->BeforeClipboard(0);
    if (OpenClipboard(GetHandle())) {
        EmptyClipboard();
        const Ovo::String text = BuildTableText(Ovo::String(u"\t"), false);
        const auto units = static_cast<std::size_t>(text.Length());
        if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (units + 1) * sizeof(char16_t))) {
            auto* out = static_cast<char16_t*>(GlobalLock(block));
            std::copy(text.c_str(), text.c_str() + units, out);
            out[units] = 0;
            GlobalUnlock(block);
            if (SetClipboardData(CF_UNICODETEXT, block) == nullptr)
                GlobalFree(block);
        }
        CloseClipboard();
    } else {
        MessageBoxW(GetHandle(), u"Unable to copy to clipboard at present", u"Error", MB_OK);
    }
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    return S_OK;
}

bool TVF_TableView::UseUnicodeCsv(const Ovo::String& name, const Ovo::String& text) {
    for (const WCHAR* c = name.c_str(); *c != 0; ++c)
        if (*c > 0xFF)
            return true;
    WORD language = 0;
    IHostApplication* application = Tarvik::GetHostApplication();
    if (application != nullptr && SUCCEEDED(application->GetUiLanguage(&language)))
        for (WORD id : {0x0804, 0x0411, 0x0004, 0x0011, 0x0012, 0x0007, 0x000D, 0x0001})
            if (language == id)
                return true;
    // Text the 8-bit code page cannot hold goes as UTF-16, so that nothing is lost.
    BOOL lossy = FALSE;
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), text.Length(), nullptr, 0, nullptr, &lossy);
    return lossy != FALSE;
}

HRESULT TVF_TableView::ExportCsv(const Ovo::String& fileName) {
    Ovo::String name = fileName;
    if (name.IsEmpty()) {
        WCHAR file[256] = {};
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = GetHandle();
        dialog.lpstrFilter = u"CSV (Comma delimited) (*.csv)\0*.csv\0";
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = file;
        dialog.nMaxFile = 256;
        dialog.lpstrInitialDir = u".";
        dialog.lpstrTitle = u"Export to CSV file";
        dialog.lpstrDefExt = u"csv";
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
        if (GetSaveFileNameW(&dialog))
            name = Ovo::String(file);
    }
    if (name.IsEmpty())
        return E_FAIL;
    const Ovo::String text = BuildTableText(Ovo::String(LocaleInfo::Instance().ListSeparator()), true);
    std::string bytes;
    if (UseUnicodeCsv(DocumentName(), text)) {
        bytes = "\xFF\xFE";
        for (const WCHAR* c = text.c_str(); c != text.c_str() + text.Length(); ++c) {
            bytes += static_cast<char>(*c & 0xFF);
            bytes += static_cast<char>(*c >> 8);
        }
    } else if (text.Length() > 0) {
        bytes.resize(static_cast<std::size_t>(text.Length()));
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), text.Length(), bytes.data(), text.Length(), nullptr,
                            nullptr);
    }
    std::ofstream out(win32::Utf16ToUtf8(name.ToU16String()), std::ios::binary | std::ios::trunc);
    if (!out)
        return E_FAIL;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out ? S_OK : E_FAIL;
}

HRESULT TVF_TableView::AddSelectionToDataPad() {
    ComPtr<IDataPad> pad;
    const ComPtr<IUnknown> object = DocumentObject();
    if (!object || FAILED(object->QueryInterface(IID_IDataPad, pad.PutVoid())) || !pad)
        return S_FALSE;
    auto selected = [&](EventGridControl& grid) {
        const TVF_Grid::SelectionRange& r = grid.Selection().Range();
        return TVF_Grid::ExportOptions{mIncludeRowLabels, mIncludeTitles, r.rowStart, r.rowEnd};
    };
    if (mMain->Selection().IsValid())
        return TVF_Grid::AddToDataPad(*mMain, *pad.Get(), selected(*mMain));
    if (mFixed->Selection().IsValid())
        return TVF_Grid::AddToDataPad(*mFixed, *pad.Get(), selected(*mFixed));
    const TVF_Grid::ExportOptions whole{mIncludeRowLabels, mIncludeTitles, GridPos{}, GridPos{}};
    HRESULT result = TVF_Grid::AddToDataPad(*mMain, *pad.Get(), whole);
    if (result == S_OK && mFixedShown)
        result = TVF_Grid::AddToDataPad(*mFixed, *pad.Get(), whole);
    return result;
}

bool TVF_TableView::PreProcessMsg(MSG& msg) {
    if (msg.message >= WM_KEYDOWN && msg.message <= 0x109 && (GetKeyState(VK_CONTROL) & 0x8000))
        return false;
    return IsDialogMessageW(GetHandle(), &msg) != FALSE;
}
