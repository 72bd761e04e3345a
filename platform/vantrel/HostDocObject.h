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

struct IHostDataObject;
struct IHostSelection;

// The host object of a document: the one that created the module's document.
struct IHostDocObject : IUnknown {
    // The document's data object, with one reference.
    virtual HRESULT GetDataObject(DWORD reserved, IHostDataObject** data) = 0; // slot 54
    // The current selection, with one reference; S_FALSE and null when there is none.
    virtual HRESULT GetSelection(DWORD reserved, IHostSelection** selection) = 0; // slot 65

protected:
    ~IHostDocObject() = default;
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

// The host's view of the recording: the stretch it shows and its compression.
struct IRecordingView : IUnknown {
    virtual HRESULT GetShownRange(HostTickPosition* start, HostTickPosition* end) = 0; // slot 3
    // Ticks per pixel.
    virtual HRESULT GetCompression(double* ticksPerPixel) = 0; // slot 5

protected:
    ~IRecordingView() = default;
};
