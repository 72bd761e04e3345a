#pragma once
// The module's channel calculation "Tarvik": a channel of the host shows one
// loop parameter of the module's analysis, one value per loop, instead of its
// recorded data. The calculation writes the parameter selector's formula over
// the module's loop-event (or pressure-volume-area) channel and lets the host
// evaluate it; its own work is its settings and the mapping of the display
// range onto the host's 16-bit codes.

#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "core/Unit.h"
#include "module/ChannelCalcBase.h"

namespace Tarvik {

class VChanData;

class TarvikChannelCalculation : public ChannelCalcBase {
public:
    // The persisted settings: version 1, parameter, bottom and top; the rest is not persisted.
    class Settings : public Ovo::SimpleUnknownImp1<IPersistObject, IID_IPersistObject> {
    public:
        // Made with one reference.
        static Settings* Create(LONG channel = -1);
        Settings* Copy() const;

        // kFormatTooNew for a version above 1; the fields keep their values then.
        HRESULT Load(IBinInStream* stream) override;
        HRESULT Save(IBinOutStream* stream) override;

        // Parameter, bottom, top, decimals and the enabled flag; unit, channel and sources do not count.
        bool operator==(const Settings& other) const;

        bool enabled = true; // the dialog's result takes the range of the data (auto scale)
        Ovo::Unit unit;
        std::int32_t channel = -1;
        VirtualChannelRef loopSourceRef;
        VirtualChannelRef areaSourceRef;
        Ovo::String loopSource; // the loop-event channel's name
        Ovo::String areaSource; // the pressure-volume-area channel's name
        std::uint32_t parameter = 1;
        float bottom = -1.0f;
        float top = 1.0f;
        float decimals = 4.0f;

    private:
        explicit Settings(LONG c) : channel(c) { AddRef(); }
    };

    // hostDocument: the document of the channel; its module document's loop data gives the sources.
    TarvikChannelCalculation(IChannelCalcContext* context, DWORD word1, DWORD word2, IUnknown* hostDocument);

    HRESULT ApplySettings(IPersistObject* settings, BOOL force) override;
    HRESULT SetSettings(IPersistObject* settings) override;
    HRESULT GetSettings(IPersistObject** settings) override;
    HRESULT GetFlags(DWORD* flags) override;
    HRESULT GetName(BSTR* name) override;

    const Settings& Current() const { return *mSettings.Get(); }

    // The selector's text for the settings and its source reference: the area selector over the
    // area source for PVA, PE and CE (26 to 28), the loop selector over the loop source otherwise.
    static Ovo::String SelectorText(const Settings& settings, double pressureFactor, double volumeFactor,
                                    VirtualChannelRef* source);
    // Widens a range narrower than 1e-5 by 1e-5 each way, or, where that is below the values'
    // resolution, by a step their magnitude keeps, so that the range is never empty.
    static void WidenRange(double& top, double& bottom);
    // The module document's pressure and volume prefix factors; 1 each when unavailable.
    static std::pair<double, double> PrefixFactors(IUnknown* hostDocument);
    // With the settings enabled, their bottom and top become the range of the values the selector
    // gives over the channel's data (the host's range query); unchanged when that fails.
    static void ScaleToData(Settings& settings, IUnknown* hostDocument);

protected:
    ~TarvikChannelCalculation() override = default;

private:
    ComPtr<IUnknown> mHostDocument;
    ComPtr<Settings> mSettings;
    VChanData* mChannels = nullptr; // the module's virtual channels of the document, or null
};

} // namespace Tarvik
