#pragma once
// The host's analysis manager of a document: analyses of the document's
// modules register as clients, hand over their settings objects, and ask for
// their analysis to be run again. The manager answers a request later, from
// the host's queue, never inside the call that made it: it notifies the
// document (IObserver) with one of the ids below of the space
// {659C39BA-EB97-4486-842E-10E185D5C17A}, the payload pointing at the client's
// key (and, for a region request, the item after it).

#include "platform/vantrel/HostDocObject.h"
#include "platform/win32/bstr.h"

inline constexpr IID IID_IAnalysisManager = MakeGuid("{4790D321-302C-4D78-89FD-D11897CEFEA7}");
inline constexpr GUID kAnalysisManagerGuid = MakeGuid("{659C39BA-EB97-4486-842E-10E185D5C17A}");

// Numbers in that space: the service id of the manager (IHostServiceProvider::GetService), and
// the notifications of a client.
inline constexpr WORD kAnalysisManagerService = 0;
inline constexpr WORD kAnalysisRecalculate = 5;
inline constexpr WORD kAnalysisClear = 6;
inline constexpr WORD kAnalysisReportRegion = 7;

struct IAnalysisManager : IUnknown {
    // Registers a client under its name and display text; *key receives its key.
    virtual HRESULT RegisterClient(BSTR name, BSTR displayText, LONG* key) = 0; // slot 3
    // Asks for the client's analysis to be run again; the manager calls back later.
    virtual HRESULT RequestRun(LONG key) = 0; // slot 4
    // The client's settings object of stream index (0 or 1), and whether it has begun loading.
    virtual HRESULT SetSettingsObject(LONG key, LONG index, IUnknown* settings, WORD loading) = 0; // slot 5
    virtual HRESULT Reserved6() { return E_NOTIMPL; }                                              // slot 6
    virtual HRESULT Reserved7() { return E_NOTIMPL; }                                              // slot 7
    // *active is non-zero while the manager runs the client's analysis.
    virtual HRESULT IsActive(LONG key, WORD* active) = 0; // slot 8
    // The region the client analyses, for item.
    virtual HRESULT ReportRegion(LONG key, LONG item, HostTickPosition start,
                                 HostTickPosition end) = 0; // slot 9

protected:
    ~IAnalysisManager() = default;
};
