#include "document/PersistSettings.h"

#include "document/SettingsStreams.h"
#include "document/TarvikDocument.h"
#include "module/MessageIds.h"

namespace Tarvik {

PersistSettings::PersistSettings(TarvikDocument& document, bool extra)
    : mDocument(&document), mExtra(extra) {}

HRESULT PersistSettings::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_IPersistStreamInit, static_cast<IPersistStreamInit*>(this)},
                                   {IID_IPersist, static_cast<IPersist*>(this)}},
                                  iid, out);
}

HRESULT PersistSettings::GetClassID(CLSID* clsid) {
    if (clsid == nullptr)
        return E_POINTER;
    *clsid = TarvikDocumentGUID;
    return S_OK;
}

HRESULT PersistSettings::Load(IStream* stream) {
    if (mDocument == nullptr)
        return E_UNEXPECTED;
    if (stream == nullptr)
        return E_POINTER;
    mLoaded = true;
    TarvikDocument& document = *mDocument;
    document.SetLoading(true);
    const HRESULT hr = LoadSettingsStream(document, stream, mExtra);
    document.SetLoading(false);
    return hr;
}

HRESULT PersistSettings::Save(IStream* stream, BOOL clearDirty) {
    if (mDocument == nullptr)
        return E_UNEXPECTED;
    if (stream == nullptr)
        return E_POINTER;
    const HRESULT hr = SaveSettingsStream(*mDocument, stream, mExtra);
    if (hr == S_OK && clearDirty)
        mDirty = false;
    return hr;
}

HRESULT PersistSettings::InitNew() {
    if (mDocument == nullptr)
        return E_UNEXPECTED;
    if (!mDocument->SettingsLoaded() && !mLoaded)
        return S_FALSE;
    mDocument->ResetModels();
    return S_OK;
}

} // namespace Tarvik
