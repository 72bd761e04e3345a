#pragma once
// The printout a view hands the host's print service: the title, the page
// owner and the source it prints for, and, once printing begins, the page
// rectangle (printer pixels) with the context pages go to. Derived printouts
// count their pages and draw each one.

#include <memory>

#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "platform/owl/TDC.h"
#include "platform/vantrel/IPrintout.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class ZARPrintout : public ICAFPrintoutEx, public Ovo::CComObjectRoot {
public:
    // Holds a reference on the source (may be null).
    ZARPrintout(const Ovo::String& title, DWORD pageOwner, IUnknown* source);
    ~ZARPrintout() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    HRESULT GetPageOwner(DWORD* owner) override;
    HRESULT GetTitle(BSTR* title) override;
    HRESULT BeginPrinting(const RECT* page, HDC output, HDC printer) override;
    HRESULT GetPageCount(UINT* count) override;
    HRESULT IsPastLastPage(UINT page, BOOL* past) override;
    HRESULT PrintPage(UINT page, DWORD flags) override;
    HRESULT GetSource(IUnknown** source) override;

    const Ovo::String& Title() const { return mTitle; }
    const RECT& PageRect() const { return mPage; }
    // The context pages are drawn on; the printer's during a preview.
    HDC OutputDC() const { return mOutput ? mOutput->GetHDC() : nullptr; }
    HDC PrinterDC() const { return mPrinter ? mPrinter->GetHDC() : OutputDC(); }

protected:
    virtual void DrawPage(UINT page, OWL::TDC& dc, DWORD flags) = 0;
    virtual UINT CountPages() { return 1; }

private:
    RECT mPage{0, 0, 0, 0};
    Ovo::String mTitle;
    std::unique_ptr<OWL::TDC> mOutput;
    std::unique_ptr<OWL::TDC> mPrinter;
    DWORD mPageOwner;
    ComPtr<IUnknown> mSource;
    UINT mPageCount = 0;
};

} // namespace Tarvik
