#pragma once
// The host's objects behind a document that the module's views and previews
// reach: the document's host object, its data object with position mapping,
// the further operations of the document data interface, the selection and
// the host's view of the recording. Positions are (record, tick) pairs;
// (INT32_MAX, INT32_MAX) is no position. Methods are named, in slot order,
// with the host's slot numbers beside them.

#include <cstdint>

#include "platform/win32/unknown.h"

struct HostTickPosition {
    LONG record;
    LONG tick;
};
static_assert(sizeof(HostTickPosition) == 8);

inline constexpr IID IID_IHostDocObject = MakeGuid("{864B2DE1-3F7F-11D1-9981-00C0DF492697}");
inline constexpr IID IID_IHostDataObject = MakeGuid("{6C1F2A70-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id
inline constexpr IID IID_IDocumentDataEx = MakeGuid("{6C1F2A71-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id
inline constexpr IID IID_IChildDataHost = MakeGuid("{6C1F2A72-3B55-4E0D-9A41-52D8E6B1C903}");  // our own id
inline constexpr IID IID_IHostSelection = MakeGuid("{6C1F2A73-3B55-4E0D-9A41-52D8E6B1C903}");  // our own id
inline constexpr IID IID_IRecordingView = MakeGuid("{E99E1950-6188-11D3-80B1-005004AD3C53}");
inline constexpr IID IID_IDocumentSelection = MakeGuid("{30720619-2F9C-4A61-AB1F-EBE679C9321F}");

struct IHostDataObject;
struct IHostSelection;
struct IHostServiceProvider;
struct IHostDocState;

// The host object of a document: the one that created the module's document. It also answers
// the recording view (IRecordingView) and the channel lookup of its data (IChannelLookup).
struct IHostDocObject : IUnknown {
    // The provider of the document's further services (the analysis manager), with one reference.
    virtual HRESULT GetServiceProvider(IHostServiceProvider** provider) { return E_NOTIMPL; } // slot 7
    // The source of the selection (it answers IDocumentSelection), with one reference.
    virtual HRESULT GetSelectionSource(IUnknown** source) { return E_NOTIMPL; } // slot 8
    // The document's data source (it answers ISampleBlocks, the document's data interface, and
    // IOnlineDataSinkRegistry), with one reference.
    virtual HRESULT GetDataSource(IUnknown** source) { return E_NOTIMPL; } // slot 16
    // Draws the document's views again.
    virtual HRESULT Redraw(DWORD reserved) { return E_NOTIMPL; } // slot 39
    // The document's state, with one reference.
    virtual HRESULT GetState(IHostDocState** state) { return E_NOTIMPL; } // slot 50
    // The document's data object, with one reference.
    virtual HRESULT GetDataObject(DWORD reserved, IHostDataObject** data) = 0; // slot 54
    // The current selection, with one reference; S_FALSE and null when there is none.
    virtual HRESULT GetSelection(DWORD reserved, IHostSelection** selection) = 0; // slot 65
    // *locked is 0 when the document's settings may be edited (no modal task of the host holds them).
    virtual HRESULT GetEditLock(DWORD reserved, LONG* locked) { return E_NOTIMPL; } // slot 76

protected:
    ~IHostDocObject() = default;
};

// Further services of a document, by a message id of the host.
struct IHostServiceProvider : IUnknown {
    // The service of id, with one reference; E_FAIL and null when there is none.
    virtual HRESULT GetService(DWORD id, DWORD reserved, IUnknown** service) = 0; // slot 25

protected:
    ~IHostServiceProvider() = default;
};

// The state of a host document.
struct IHostDocState : IUnknown {
    // *busy is non-zero while the host is busy with the document (sampling, a modal task):
    // nothing may change the analysis then.
    virtual HRESULT GetBusy(DWORD reserved, WORD* busy) = 0; // slot 15
    // *count is non-zero once the document holds data.
    virtual HRESULT GetDataCount(DWORD reserved, LONG which, LONG* count) = 0; // slot 23

protected:
    ~IHostDocState() = default;
};

// The document's current selection: its ends; a start record of INT32_MAX when there is none.
struct IDocumentSelection : IUnknown {
    virtual HRESULT GetSelection(DWORD reserved, HostTickPosition* start,
                                 HostTickPosition* end) = 0; // slot 3

protected:
    ~IDocumentSelection() = default;
};

// The data object: maps positions and counts the recording's ticks. It also
// answers the document data interface (IID_IDocumentData, IID_IDocumentDataEx).
struct IHostDataObject : IUnknown {
    // A selection's end as a position of the data.
    virtual HRESULT MapPosition(HostTickPosition in, HostTickPosition* out) = 0; // slot 44
    // A position in the form in which previews report it.
    virtual HRESULT ReportPosition(HostTickPosition in, HostTickPosition* out) = 0; // slot 45
    virtual HRESULT GetTickCount(DWORD reserved, std::int64_t* count) = 0;          // slot 50

protected:
    ~IHostDataObject() = default;
};

// Further operations of the document data interface {2BC6F321-B62F-11D2-8227-00C0DFE13362}.
struct IDocumentDataEx : IUnknown {
    // *valid is non-zero when the position lies in the data.
    virtual HRESULT IsValidPosition(HostTickPosition position, WORD* valid) = 0; // slot 10
    // The host object that owns the data, with one reference.
    virtual HRESULT GetOwnerObject(IUnknown** owner) = 0; // slot 72
    // The position of a tick count from the start of the recording, and back.
    virtual HRESULT PositionOfTickCount(std::int64_t count, HostTickPosition* position) = 0; // slot 78
    virtual HRESULT TickCountOfPosition(HostTickPosition position, std::int64_t* count) = 0; // slot 79

protected:
    ~IDocumentDataEx() = default;
};

// The host object that keeps the documents' child data by type id.
struct IChildDataHost : IUnknown {
    // The child data of the type, with one reference; S_FALSE and null when there is none.
    virtual HRESULT GetChildData(DWORD reserved, DWORD typeId, IUnknown** data) = 0; // slot 15

protected:
    ~IChildDataHost() = default;
};

struct IHostSelection : IUnknown {
    virtual HRESULT GetEnds(HostTickPosition* start, HostTickPosition* end) = 0; // slot 7
    // *present is non-zero when something is selected.
    virtual HRESULT HasSelection(WORD* present) = 0; // slot 10

protected:
    ~IHostSelection() = default;
};

// What SelectRange selects.
struct SelectionKind {
    DWORD kind = 0x801E0000; // a time range
    DWORD reserved1 = 0;
    DWORD reserved2 = 0;
};

// The host's view of the recording: the stretch it shows and its compression, and what it selects.
struct IRecordingView : IUnknown {
    virtual HRESULT GetShownRange(HostTickPosition* start, HostTickPosition* end) = 0; // slot 3
    // Ticks per pixel.
    virtual HRESULT GetCompression(double* ticksPerPixel) = 0; // slot 5
    virtual HRESULT Reserved6() { return E_NOTIMPL; }          // slots 6 to 8: not used by the module
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    // Scrolls the view so that position is shown (kind 0x801E0000, flags 1).
    virtual HRESULT ShowPosition(HostTickPosition position, DWORD kind, DWORD reserved1, DWORD reserved2,
                                 DWORD flags) {
        return E_NOTIMPL;
    } // slot 9
    // Starts a new selection.
    virtual HRESULT BeginSelection() { return E_NOTIMPL; } // slot 17
    // Selects a channel's value range (range[0] top, range[1] bottom).
    virtual HRESULT SelectValueRange(LONG channel, const double* range) { return E_NOTIMPL; } // slot 20
    // Selects the stretch start .. end.
    virtual HRESULT SelectRange(DWORD reserved, const SelectionKind* kind, HostTickPosition start,
                                HostTickPosition end) {
        return E_NOTIMPL;
    } // slot 29

protected:
    ~IRecordingView() = default;
};
