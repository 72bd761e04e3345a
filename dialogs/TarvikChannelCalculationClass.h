#pragma once
// The class objects of the channel calculation "Tarvik": the calculation class
// (settings dialog, calculations for a document's channels) and its settings
// class (settings made new or read from a stream). Both are static: counting
// references changes nothing.

#include "platform/vantrel/IChannelCalc.h"
#include "platform/vantrel/IChannelLookup.h"

namespace Tarvik {

class TarvikChannelCalculationClass : public ICalculationClass {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }

    // The host's number of GUID {C9C5B31B-...} in the high word, class number 0; computed once.
    HRESULT GetClassId(DWORD* id) override;
    HRESULT GetTypeGuid(const GUID** type) override;
    HRESULT GetNameBSTR(BSTR* name) override;
    HRESULT IsTypeGuid(const GUID* type) override;
    HRESULT GetDescription(BSTR* description) override;
    HRESULT GetFlags(DWORD* flags) override;
    HRESULT EditSettings(HWND parent, IUnknown* hostDocument, LONG channel, IPersistObject* existing,
                         IPersistObject** settings) override;
    HRESULT CreateCalculation(IChannelCalcContext* context, DWORD word1, DWORD word2, IUnknown* hostDocument,
                              IUnknown** calculation) override;
};

class TarvikChannelCalculationSettingsClass : public IPersistClassObject {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }

    // Class number 1 in the calculation class's space; the name "Settings".
    HRESULT GetClassId(DWORD* id) override;
    HRESULT GetTypeGuid(const GUID** type) override;
    HRESULT GetNameBSTR(BSTR* name) override;
    HRESULT IsTypeGuid(const GUID* type) override;
    HRESULT CreateObject(IPersistObject** settings) override;
    HRESULT LoadObject(IBinInStream* stream, IPersistObject** settings) override;
};

// The module's two class objects.
TarvikChannelCalculationClass& ChannelCalculationClass();
TarvikChannelCalculationSettingsClass& ChannelCalculationSettingsClass();

} // namespace Tarvik
