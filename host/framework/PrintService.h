#pragma once
// The host's print service: it prints a printout's pages onto page surfaces
// of the printer set up (300 dpi letter paper by default) and keeps them, and
// writes each page as a PNG when an output folder is set. A preview draws the
// same pages with the printer's context given as the attribute context.

#include <memory>
#include <string>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/gdi/Surface.h"
#include "platform/vantrel/IPrintout.h"

namespace Vantrel {

struct PrinterSetup {
    int dpi = 300;
    // The printable area in printer pixels: letter paper less a quarter inch on each side.
    SIZE printable{2400, 3150};
};

struct PrintJob {
    std::u16string title;
    bool preview = false;
    DWORD flags = 0;
    UINT pageCount = 0;
    std::vector<std::shared_ptr<gdi::Surface>> pages;
};

class PrintService : public ComObject<IHostPrintService> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IHostPrintService ? static_cast<IHostPrintService*>(this) : nullptr;
    }

    HRESULT Print(ICAFPrintout* printout, DWORD flags) override;
    HRESULT Preview(ICAFPrintout* printout) override;

    PrinterSetup& Setup() { return mSetup; }
    // Pages are written as <folder>/<title>-<n>.png (n from 1); empty: kept in memory only.
    void SetOutputFolder(std::string folder) { mFolder = std::move(folder); }
    const std::vector<PrintJob>& Jobs() const { return mJobs; }

private:
    HRESULT Run(ICAFPrintout* printout, DWORD flags, bool preview);

    PrinterSetup mSetup;
    std::string mFolder;
    std::vector<PrintJob> mJobs;
};

} // namespace Vantrel
