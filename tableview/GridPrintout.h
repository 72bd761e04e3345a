#pragma once
// A printout of one grid: every printed row and column, in pages of whole
// columns across (a column wider than a page in page-wide slices) and whole
// rows down, pages running across first. Column titles stand on the top
// pages, row labels on the leftmost ones. While it exists the grid paints
// without selection highlight and its renderer limits the rows to those
// printed (the selection's, unless style bit 8 is set or nothing is
// selected).

#include <vector>

#include "module/ZARPrintout.h"
#include "tableview/TableInterfaces.h"

namespace TVF_Grid {

class GridControl;
class GridRenderer;

class GridPrintout : public Tarvik::ZARPrintout {
public:
    // Fixed geometry of a page, in printer pixels.
    struct Layout {
        int rowHeight = 1;
        int headerHeight = 0;
        int labelWidth = 0;
        std::vector<int> widths; // printed width of each column
        std::vector<long> lefts; // each column's left across all pages (page i starts at i x page width)
        int pageWidth = 1;
        int firstPageRows = 1;
        int laterPageRows = 1;
        int pagesAcross = 1;
        int pagesDown = 1;
    };

    GridPrintout(const Ovo::String& title, GridControl& grid, bool printRowLabels, bool printColumnTitles);
    ~GridPrintout() override;

    // The page layout for a printer context and the page rectangle.
    Layout ComputeLayout(HDC printer) const;
    // The rows of a band of pages (down index), as [first, end) from the grid's origin.
    static void RowBand(const Layout& layout, int down, int rowCount, int& first, int& end);

protected:
    UINT CountPages() override;
    void DrawPage(UINT page, OWL::TDC& dc, DWORD flags) override;

private:
    void DrawTitles(HDC dc, const Layout& layout, int across, int printed, HFONT header);
    void DrawRowLabels(HDC dc, const Layout& layout, int first, int end, int top);
    int PrintedColumns() const;

    GridControl& mGrid;
    GridRenderer& mRenderer;
    bool mPrintRowLabels;
    bool mPrintColumnTitles;
};

// Null when allocation fails; the printout comes with one reference.
GridPrintout* CreateGridPrintout(const Ovo::String& title, GridControl& grid, bool printRowLabels,
                                 bool printColumnTitles);

} // namespace TVF_Grid
