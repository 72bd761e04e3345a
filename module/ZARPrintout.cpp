#include "module/ZARPrintout.h"

namespace Tarvik {

ZARPrintout::ZARPrintout(const Ovo::String& title, DWORD pageOwner, IUnknown* source)
    : mTitle(title), mPageOwner(pageOwner), mSource(source) {}

ZARPrintout::~ZARPrintout() = default;

HRESULT ZARPrintout::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_ICAFPrintout || iid == IID_ICAFPrintoutEx)
        *out = static_cast<ICAFPrintoutEx*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT ZARPrintout::GetPageOwner(DWORD* owner) {
    if (owner != nullptr)
        *owner = mPageOwner;
    return S_OK;
}

HRESULT ZARPrintout::GetTitle(BSTR* title) {
    if (title == nullptr)
        return S_OK;
    if (*title != nullptr)
        SysFreeString(*title);
    *title = mTitle.IsEmpty() ? nullptr : mTitle.AllocBSTR();
    return S_OK;
}

HRESULT ZARPrintout::BeginPrinting(const RECT* page, HDC output, HDC printer) {
    if (page != nullptr)
        mPage = *page;
    mOutput = std::make_unique<OWL::TDC>(output);
    mPrinter = printer != nullptr ? std::make_unique<OWL::TDC>(printer) : nullptr;
    return S_OK;
}

HRESULT ZARPrintout::GetPageCount(UINT* count) {
    mPageCount = CountPages();
    if (count != nullptr)
        *count = mPageCount;
    return S_OK;
}

HRESULT ZARPrintout::IsPastLastPage(UINT page, BOOL* past) {
    if (past != nullptr)
        *past = mPageCount <= page ? TRUE : FALSE;
    return S_OK;
}

HRESULT ZARPrintout::PrintPage(UINT page, DWORD flags) {
    if (mOutput) {
        DrawPage(page, *mOutput, flags);
        mOutput->RestoreObjects();
    }
    return S_OK;
}

HRESULT ZARPrintout::GetSource(IUnknown** source) {
    if (source == nullptr)
        return E_POINTER;
    *source = mSource.Get();
    if (*source != nullptr)
        (*source)->AddRef();
    return S_OK;
}

} // namespace Tarvik
