#include "tableview/GridPrintout.h"

#include <algorithm>
#include <new>

#include "platform/gdi/gdi.h"
#include "platform/user/paint_api.h"
#include "tableview/CellFlags.h"
#include "tableview/GridControl.h"
#include "tableview/GridPane.h"
#include "tableview/GridRenderer.h"

namespace TVF_Grid {
namespace {

constexpr int kCellInset = 9;

// A grid font made again for the printer: its size scaled by the printer's
// pixels per inch over the screen's.
class PrinterFont {
public:
    PrinterFont(HFONT screenFont, HDC printer) {
        LOGFONTW f{};
        GetObjectW(screenFont, sizeof f, &f);
        HDC screen = GetDC(nullptr);
        const int sx = GetDeviceCaps(screen, LOGPIXELSX), sy = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        f.lfHeight = MulDiv(f.lfHeight, GetDeviceCaps(printer, LOGPIXELSY), sy);
        f.lfWidth = MulDiv(f.lfWidth, GetDeviceCaps(printer, LOGPIXELSX), sx);
        mFont = CreateFontIndirectW(&f);
    }
    ~PrinterFont() { DeleteObject(mFont); }
    PrinterFont(const PrinterFont&) = delete;
    PrinterFont& operator=(const PrinterFont&) = delete;
    HFONT Get() const { return mFont; }
    TEXTMETRICW Metrics(HDC dc) const {
        TEXTMETRICW tm{};
        HGDIOBJ old = SelectObject(dc, mFont);
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, old);
        return tm;
    }

private:
    HFONT mFont;
};

int ScreenDpiX() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void ClipTo(HDC dc, const RECT& r) {
    BeginPath(dc);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    EndPath(dc);
    SelectClipPath(dc, RGN_AND);
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void Frame(HDC dc, const RECT& r) {
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, oldBrush);
}

} // namespace

GridPrintout::GridPrintout(const Ovo::String& title, GridControl& grid, bool printRowLabels,
                           bool printColumnTitles)
    : Tarvik::ZARPrintout(title, 0, nullptr), mGrid(grid), mRenderer(grid.Pane().Renderer()),
      mPrintRowLabels(printRowLabels), mPrintColumnTitles(printColumnTitles) {
    mGrid.SetNoHighlight(true);
    mRenderer.BeginPrintRows();
}

GridPrintout::~GridPrintout() {
    mGrid.SetNoHighlight(false);
    mRenderer.EndPrintRows();
}

GridPrintout* CreateGridPrintout(const Ovo::String& title, GridControl& grid, bool printRowLabels,
                                 bool printColumnTitles) {
    auto* printout = new (std::nothrow) GridPrintout(title, grid, printRowLabels, printColumnTitles);
    if (printout != nullptr)
        printout->AddRef();
    return printout;
}

GridPrintout::Layout GridPrintout::ComputeLayout(HDC printer) const {
    Layout l;
    const PrinterFont cell(mGrid.CellFont().GetHandle(), printer),
        header(mGrid.HeaderFont().GetHandle(), printer);
    const TEXTMETRICW cellMetrics = cell.Metrics(printer);
    l.rowHeight = std::max(1, static_cast<int>(cellMetrics.tmHeight * 1.4));
    l.headerHeight = header.Metrics(printer).tmHeight;
    if (mPrintRowLabels) {
        std::size_t longest = 0;
        for (int r = 0; r < mGrid.RowCount(); ++r)
            longest = std::max<std::size_t>(
                longest,
                static_cast<std::size_t>(
                    mRenderer
                        .GetRowLabel(r + mRenderer.FirstPrintedRow() + mGrid.RowOrigin(), mGrid.RowOrigin())
                        .Length()));
        l.labelWidth = cellMetrics.tmAveCharWidth * static_cast<int>(longest + 6);
    }
    const int screenDpi = ScreenDpiX(), printerDpi = GetDeviceCaps(printer, LOGPIXELSX);
    const RECT& page = PageRect();
    l.pageWidth = std::max<int>(1, page.right - page.left);
    long x = l.labelWidth, pageStart = 0; // x on the page that pageStart begins
    for (int c = 0; c < mGrid.Pane().ColumnCount(); ++c) {
        const int w =
            static_cast<int>(static_cast<long long>(mGrid.Pane().Column(c).Width()) * printerDpi / screenDpi);
        l.widths.push_back(w);
        long global = pageStart + x;
        x += w;
        if (x > l.pageWidth && w <= l.pageWidth) { // the column starts the next page
            ++l.pagesAcross;
            pageStart += l.pageWidth;
            global = pageStart;
            x = w;
        }
        while (x > l.pageWidth) { // a column wider than a page runs on over the next ones
            ++l.pagesAcross;
            pageStart += l.pageWidth;
            x -= l.pageWidth;
        }
        l.lefts.push_back(global);
    }
    const int height = page.bottom - page.top;
    // At least one row a page, whatever the sizes; each page's unused rest counts.
    l.firstPageRows = std::max(1, (height - 2 * l.headerHeight) / l.rowHeight);
    l.laterPageRows = std::max(1, height / l.rowHeight);
    const int rest = std::max(0, mGrid.RowCount() - l.firstPageRows);
    l.pagesDown = 1 + (rest + l.laterPageRows - 1) / l.laterPageRows;
    return l;
}

void GridPrintout::RowBand(const Layout& layout, int down, int rowCount, int& first, int& end) {
    first = down == 0 ? 0 : (down - 1) * layout.laterPageRows + layout.firstPageRows;
    end = first + (down == 0 ? layout.firstPageRows : layout.laterPageRows);
    first = std::min(first, rowCount);
    end = std::min(end, rowCount);
}

UINT GridPrintout::CountPages() {
    const Layout l = ComputeLayout(PrinterDC());
    return static_cast<UINT>(l.pagesAcross * l.pagesDown);
}

int GridPrintout::PrintedColumns() const {
    const int columns = mGrid.Pane().ColumnCount();
    ITableDataManager* data = mGrid.DataSource();
    int n = columns;
    DWORD flags = 1;
    while (n > 0 && data != nullptr &&
           SUCCEEDED(data->GetCellFlags(mGrid.TableId(), static_cast<DWORD>(mGrid.RowOrigin()),
                                        static_cast<DWORD>(n), &(flags = 1))) &&
           (flags & kNoChoice))
        --n;
    if (n < columns)
        ++n;
    return n;
}

void GridPrintout::DrawTitles(HDC dc, const Layout& l, int across, int printed, HFONT header) {
    const RECT& page = PageRect();
    const long offset = static_cast<long>(across) * l.pageWidth;
    HGDIOBJ oldFont = SelectObject(dc, header);
    SetTextAlign(dc, TA_LEFT | TA_BASELINE);
    SetBkMode(dc, TRANSPARENT);
    for (int c = 0; c < printed; ++c) {
        const long left = l.lefts[static_cast<std::size_t>(c)] - offset;
        if (left >= l.pageWidth || left + l.widths[static_cast<std::size_t>(c)] <= 0)
            continue;
        RECT cell{page.left + static_cast<LONG>(left), page.top,
                  page.left + static_cast<LONG>(left) + l.widths[static_cast<std::size_t>(c)],
                  page.top + 2 * l.headerHeight};
        cell.left = std::max(cell.left, page.left);
        cell.right = std::min(cell.right, page.right);
        const int saved = SaveDC(dc);
        ClipTo(dc, cell);
        const Ovo::String title = mGrid.Pane().Column(c).Title();
        TextOutW(dc, page.left + static_cast<int>(left), (cell.top + cell.bottom) / 2, title.c_str(),
                 title.Length());
        RestoreDC(dc, saved);
        Frame(dc, cell);
    }
    SelectObject(dc, oldFont);
}

void GridPrintout::DrawRowLabels(HDC dc, const Layout& l, int first, int end, int top) {
    const RECT& page = PageRect();
    SetTextAlign(dc, TA_BOTTOM | TA_CENTER);
    SetBkMode(dc, TRANSPARENT);
    const int origin = mGrid.RowOrigin(), shift = mRenderer.FirstPrintedRow();
    for (int r = first; r < end; ++r) {
        const int y = top + (r - first) * l.rowHeight;
        const RECT cell{page.left, y, page.left + l.labelWidth, y + l.rowHeight};
        const Ovo::String label = mRenderer.GetRowLabel(r + shift + origin, origin);
        TextOutW(dc, (cell.left + cell.right) / 2, cell.bottom, label.c_str(), label.Length());
        Frame(dc, RECT{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1});
    }
}

void GridPrintout::DrawPage(UINT pageNumber, OWL::TDC& out, DWORD) {
    HDC dc = out.GetHDC();
    const Layout l = ComputeLayout(PrinterDC());
    const int down = static_cast<int>(pageNumber) / l.pagesAcross;
    const int across = static_cast<int>(pageNumber) % l.pagesAcross;
    const RECT& page = PageRect();
    const int lineWidth = static_cast<int>(static_cast<int>(GetDeviceCaps(dc, LOGPIXELSX) / 25.4) * 0.5);
    HPEN framePen = CreatePen(PS_SOLID, lineWidth, RGB(0, 0, 0));
    HPEN gridPen = CreatePen(PS_DOT, 4, RGB(16, 16, 16));
    const PrinterFont cell(mGrid.CellFont().GetHandle(), PrinterDC()),
        header(mGrid.HeaderFont().GetHandle(), PrinterDC());
    int first = 0, end = 0;
    RowBand(l, down, mGrid.RowCount(), first, end);
    const int printed = PrintedColumns();
    HGDIOBJ oldPen = SelectObject(dc, framePen);
    if (mPrintColumnTitles && down == 0)
        DrawTitles(dc, l, across, printed, header.Get());
    const int top = page.top + (down == 0 ? 2 * l.headerHeight : 0);
    const int bottom = top + (end - first) * l.rowHeight;
    const long offset = static_cast<long>(across) * l.pageWidth;
    ITableDataManager* data = mGrid.DataSource();
    DWORD joined = 1;
    const bool rightLines = data == nullptr ||
                            FAILED(data->GetCellFlags(mGrid.TableId(), static_cast<DWORD>(mGrid.RowOrigin()),
                                                      static_cast<DWORD>(printed), &joined)) ||
                            !(joined & kNoChoice);
    HGDIOBJ oldFont = SelectObject(dc, cell.Get());
    SelectObject(dc, gridPen);
    int lineLeft = page.right, lineRight = page.left, lastLeft = page.left;
    for (int c = 0; c < printed; ++c) {
        const long left = l.lefts[static_cast<std::size_t>(c)] - offset;
        const int w = l.widths[static_cast<std::size_t>(c)];
        if (left >= l.pageWidth || left + w <= 0)
            continue;
        const RECT column{page.left + static_cast<LONG>(left), top, page.left + static_cast<LONG>(left) + w,
                          bottom};
        const RECT visible{std::max(column.left, page.left), top, std::min(column.right, page.right),
                           page.bottom};
        const int saved = SaveDC(dc);
        ClipTo(dc, visible);
        UniformRowPosCursor rows(top, GridPos{first + mGrid.RowOrigin(), mGrid.RowOrigin()},
                                 GridPos{end + mGrid.RowOrigin(), mGrid.RowOrigin()}, l.rowHeight);
        OWL::TDC cells(dc);
        int widestCell = 0, widestText = 0;
        mRenderer.DrawCells(cells, mGrid.Pane().Column(c),
                            OWL::TRect(column.left + kCellInset, top, column.right - kCellInset, bottom),
                            rows, widestCell, widestText);
        RestoreDC(dc, saved);
        ExtSelectClipRgn(dc, nullptr, RGN_COPY);
        SelectObject(dc, gridPen);
        Line(dc, visible.left, top, visible.left, bottom);
        if (rightLines)
            Line(dc, visible.right, top, visible.right, bottom);
        lineLeft = std::min<int>(lineLeft, visible.left);
        lineRight = std::max<int>(lineRight, visible.right);
        lastLeft = visible.left;
    }
    if (!rightLines)
        lineRight = lastLeft;
    for (int r = first; r < end && lineLeft < lineRight; ++r) {
        const int y = top + (r - first + 1) * l.rowHeight;
        Line(dc, lineLeft, y, lineRight, y);
    }
    SelectObject(dc, framePen);
    if (mPrintRowLabels && across == 0)
        DrawRowLabels(dc, l, first, end, top);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    DeleteObject(framePen);
    DeleteObject(gridPen);
}

} // namespace TVF_Grid
