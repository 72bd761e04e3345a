#pragma once
// Tarvik::PersistSettings: the persistence object the document hands the host
// for one of its two settings streams (SettingsStreams.h). The host saves and
// loads it with the recording; the document marks it dirty when its settings
// change. It points at its document without a reference; the document detaches
// it when it goes, after which the object refuses every call.

#include "core/CComObjectRoot.h"
#include "platform/win32/persist.h"

namespace Tarvik {

class TarvikDocument;

class PersistSettings final : public IPersistStreamInit, public Ovo::CComObjectRoot {
public:
    // Count 0: the first holder takes the first reference.
    PersistSettings(TarvikDocument& document, bool extra);

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    // The document's class id.
    HRESULT GetClassID(CLSID* clsid) override;
    HRESULT IsDirty() override { return mDirty ? S_OK : S_FALSE; }
    // Reads the stream into the document; a refused stream changes nothing.
    HRESULT Load(IStream* stream) override;
    // Writes the document's settings; a write that fails answers STG_E_WRITEFAULT and stays dirty.
    HRESULT Save(IStream* stream, BOOL clearDirty) override;
    HRESULT GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    // Resets every model to its defaults once settings were loaded; S_FALSE otherwise.
    HRESULT InitNew() override;

    void SetDirty() { mDirty = true; }
    // Whether a load has begun on the object.
    bool HasBegunLoading() const { return mLoaded; }
    void Detach() { mDocument = nullptr; }

private:
    ~PersistSettings() override = default;

    bool mDirty = false;
    bool mLoaded = false;
    TarvikDocument* mDocument;
    bool mExtra;
};

} // namespace Tarvik
