#include "host/framework/PrintService.h"

#include "host/framework/Text.h"
#include "platform/gdi/Png.h"
#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"

namespace Vantrel {

HRESULT PrintService::Print(ICAFPrintout* printout, DWORD flags) {
    return Run(printout, flags, false);
}

HRESULT PrintService::Preview(ICAFPrintout* printout) {
    return Run(printout, 0, true);
}

HRESULT PrintService::Run(ICAFPrintout* printout, DWORD flags, bool preview) {
    if (printout == nullptr)
        return E_POINTER;
    PrintJob job;
    job.preview = preview;
    job.flags = flags;
    BSTR title = nullptr;
    printout->GetTitle(&title);
    job.title = TakeBstr(title);
    const RECT page{0, 0, mSetup.printable.cx, mSetup.printable.cy};
    auto surface = std::make_shared<gdi::Surface>(page.right, page.bottom, 32, 0xFFFFFF);
    HDC output = gdi::CreatePrinterPageDC(surface, mSetup.dpi);
    // A preview draws as the printer would: the printer's context is the attribute context.
    HDC printer =
        preview ? gdi::CreatePrinterPageDC(std::make_shared<gdi::Surface>(1, 1), mSetup.dpi) : nullptr;
    printout->BeginPrinting(&page, output, printer);
    printout->GetPageCount(&job.pageCount);
    for (UINT p = 0; p < job.pageCount; ++p) {
        BOOL past = FALSE;
        printout->IsPastLastPage(p, &past);
        if (past)
            break;
        const int saved = SaveDC(output);
        surface->Fill(0xFFFFFF);
        printout->PrintPage(p, 0);
        RestoreDC(output, saved);
        auto copy = std::make_shared<gdi::Surface>(*surface);
        if (!mFolder.empty())
            gdi::SavePng(*copy,
                         mFolder + "/" + Utf16ToUtf8(job.title) + "-" + std::to_string(p + 1) + ".png");
        job.pages.push_back(std::move(copy));
    }
    printout->EndPrinting();
    DeleteDC(output);
    if (printer != nullptr)
        DeleteDC(printer);
    mJobs.push_back(std::move(job));
    return S_OK;
}

} // namespace Vantrel
