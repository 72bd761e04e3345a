#pragma once
// Printing: the printout a view hands the host's print service, and that
// service (the application's operation 20). The service gives the printout its
// page rectangle (printable area in printer pixels) and contexts, asks it how
// many pages it has and has it draw them one by one.

#include "platform/gdi/handles.h"
#include "platform/win32/bstr.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_ICAFPrintout = MakeGuid("{6C1F2A90-3B55-4E0D-9A41-52D8E6B1C903}");      // our own id
inline constexpr IID IID_ICAFPrintoutEx = MakeGuid("{6C1F2A91-3B55-4E0D-9A41-52D8E6B1C903}");    // our own id
inline constexpr IID IID_IHostPrintService = MakeGuid("{6C1F2A92-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id

struct ICAFPrintout : IUnknown {
    virtual HRESULT GetPageOwner(DWORD* owner) = 0; // slot 3
    // Frees the BSTR passed in; a new one of the title, or null for an empty title.
    virtual HRESULT GetTitle(BSTR* title) = 0; // slot 4
    // The printable page rectangle and where pages go: printer null prints on
    // output; with a printer, output is a preview drawn as the printer would.
    virtual HRESULT BeginPrinting(const RECT* page, HDC output, HDC printer) = 0; // slot 5
    virtual HRESULT GetPageCount(UINT* count) = 0;                                // slot 6
    virtual HRESULT EndPrinting() { return S_OK; }                                // slot 7
    virtual HRESULT Reserved8() { return S_OK; }                                  // slot 8
    // *past is TRUE once page (from 0) is not below the page count.
    virtual HRESULT IsPastLastPage(UINT page, BOOL* past) = 0; // slot 9
    virtual HRESULT PrintPage(UINT page, DWORD flags) = 0;     // slot 10

protected:
    ~ICAFPrintout() = default;
};

struct ICAFPrintoutEx : ICAFPrintout {
    virtual HRESULT Reserved11() { return S_OK; }     // slot 11
    virtual HRESULT Reserved12() { return S_OK; }     // slot 12
    virtual HRESULT GetSource(IUnknown** source) = 0; // slot 13

protected:
    ~ICAFPrintoutEx() = default;
};

struct IHostPrintService : IUnknown {
    // Prints every page (flags 1: at once, without asking).
    virtual HRESULT Print(ICAFPrintout* printout, DWORD flags) = 0; // slot 3
    virtual HRESULT Reserved4() { return E_NOTIMPL; }               // slot 4
    // Shows the pages in a preview, drawn as the printer would.
    virtual HRESULT Preview(ICAFPrintout* printout) = 0; // slot 5

protected:
    ~IHostPrintService() = default;
};
