#pragma once
// COM persistence: an object that names its class (IPersist) and one that is
// saved to and loaded from a stream (IPersistStreamInit).

#include "platform/win32/stream.h"

inline constexpr IID IID_IPersist = MakeGuid("{0000010C-0000-0000-C000-000000000046}");
inline constexpr IID IID_IPersistStreamInit = MakeGuid("{7FD52380-4E07-101B-AE2D-08002B2EC713}");

struct IPersist : IUnknown {
    virtual HRESULT GetClassID(CLSID* clsid) = 0; // slot 3

protected:
    ~IPersist() = default;
};

struct IPersistStreamInit : IPersist {
    // S_OK when the object changed since it was last saved, S_FALSE otherwise.
    virtual HRESULT IsDirty() = 0; // slot 4
    // Reads the object from the stream's current position.
    virtual HRESULT Load(IStream* stream) = 0; // slot 5
    // Writes the object at the stream's current position; clearDirty non-zero marks it saved.
    virtual HRESULT Save(IStream* stream, BOOL clearDirty) = 0; // slot 6
    virtual HRESULT GetSizeMax(ULARGE_INTEGER* size) = 0;       // slot 7
    // Gives the object the state of a new document.
    virtual HRESULT InitNew() = 0; // slot 8

protected:
    ~IPersistStreamInit() = default;
};
