#include "document/TarvikChannelCalculation.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "analysis/TarvikData.h"
#include "document/FormulaTexts.h"
#include "document/HostLoopData.h"
#include "document/ITarvikDocInterface.h"
#include "module/HostServices.h"
#include "module/MessageIds.h"
#include "platform/vantrel/DocumentClass.h"
#include "platform/vantrel/HostDocObject.h"

namespace Tarvik {
namespace {

constexpr DWORD kSettingsVersion = 1;
constexpr DWORD kCalculationFlags = 0x10000000;
constexpr double kNarrowestRange = 1e-5;
// Relative step kept by a double at any magnitude (2^-40, far above its 2^-52 resolution).
constexpr double kRelativeStep = 9.094947017729282e-13;
// The parameters read from the pressure-volume-area channel: PVA, PE, CE.
constexpr std::uint32_t kFirstAreaParameter = 26;
constexpr std::uint32_t kLastAreaParameter = 28;

TarvikChannelCalculation::Settings* AsSettings(IPersistObject* object) {
    return dynamic_cast<TarvikChannelCalculation::Settings*>(object);
}

} // namespace

// --- Settings -----------------------------------------------------------------------------------

TarvikChannelCalculation::Settings* TarvikChannelCalculation::Settings::Create(LONG channel) {
    return new Settings(channel);
}

TarvikChannelCalculation::Settings* TarvikChannelCalculation::Settings::Copy() const {
    Settings* copy = Create(channel);
    copy->enabled = enabled;
    copy->unit = unit;
    copy->loopSourceRef = loopSourceRef;
    copy->areaSourceRef = areaSourceRef;
    copy->loopSource = loopSource;
    copy->areaSource = areaSource;
    copy->parameter = parameter;
    copy->bottom = bottom;
    copy->top = top;
    copy->decimals = decimals;
    return copy;
}

HRESULT TarvikChannelCalculation::Settings::Load(IBinInStream* stream) {
    DWORD version = 0, id = 0;
    LONG low = 0, high = 0;
    if (FAILED(stream->ReadU32(&version)))
        return E_FAIL;
    if (version > kSettingsVersion)
        return kFormatTooNew;
    if (FAILED(stream->ReadU32(&id)) || FAILED(stream->Read4(&low)) || FAILED(stream->Read4(&high)))
        return E_FAIL;
    parameter = id;
    bottom = std::bit_cast<float>(low);
    top = std::bit_cast<float>(high);
    return S_OK;
}

HRESULT TarvikChannelCalculation::Settings::Save(IBinOutStream* stream) {
    stream->WriteU32(kSettingsVersion);
    stream->WriteU32(parameter);
    stream->WriteFloat(bottom);
    stream->WriteFloat(top);
    return stream->GetStatus();
}

bool TarvikChannelCalculation::Settings::operator==(const Settings& other) const {
    return parameter == other.parameter && bottom == other.bottom && top == other.top &&
           decimals == other.decimals && enabled == other.enabled;
}

// --- The calculation --------------------------------------------------------------------------

TarvikChannelCalculation::TarvikChannelCalculation(IChannelCalcContext* context, DWORD word1, DWORD word2,
                                                   IUnknown* hostDocument)
    : ChannelCalcBase(context, word1, word2), mHostDocument(hostDocument),
      mSettings(ComPtr<Settings>::Adopt(Settings::Create())) {
    if (TarvikData* loops = LoopDataOf(hostDocument))
        mChannels = &loops->GetVChanData();
}

Ovo::String TarvikChannelCalculation::SelectorText(const Settings& settings, double pressureFactor,
                                                   double volumeFactor, VirtualChannelRef* source) {
    const bool area = settings.parameter >= kFirstAreaParameter && settings.parameter <= kLastAreaParameter;
    if (source != nullptr)
        *source = area ? settings.areaSourceRef : settings.loopSourceRef;
    return BuildParamSelectorFormula(area, area ? settings.areaSource : settings.loopSource,
                                     settings.parameter, pressureFactor, volumeFactor);
}

void TarvikChannelCalculation::WidenRange(double& top, double& bottom) {
    if (std::fabs(top - bottom) >= kNarrowestRange)
        return;
    const double step =
        std::max(kNarrowestRange, std::max(std::fabs(top), std::fabs(bottom)) * kRelativeStep);
    top += step;
    bottom -= step;
}

std::pair<double, double> TarvikChannelCalculation::PrefixFactors(IUnknown* hostDocument) {
    std::pair<double, double> factors{1.0, 1.0};
    const auto host = QueryInterfacePtr<IHostDocument>(hostDocument, IID_IHostDocument);
    ComPtr<IUnknown> module;
    if (!host || host->FindObject(DocMsgId<0>(), module.Put()) != S_OK)
        return factors;
    if (const auto document = QueryInterfacePtr<ITarvikDocInterface>(module.Get(), IID_ITarvikDocInterface)) {
        if (FAILED(document->GetPressureScale(0, &factors.first)))
            factors.first = 1.0;
        if (FAILED(document->GetVolumeScale(0, &factors.second)))
            factors.second = 1.0;
    }
    return factors;
}

void TarvikChannelCalculation::ScaleToData(Settings& settings, IUnknown* hostDocument) {
    if (!settings.enabled)
        return;
    if (TarvikData* loops = LoopDataOf(hostDocument))
        loops->GetVChanData().GetChannelRefs(settings.loopSourceRef, settings.areaSourceRef);
    settings.loopSource = Ovo::String(u"tarvik");
    settings.areaSource = Ovo::String(u"pva");
    const auto [pressure, volume] = PrefixFactors(hostDocument);
    VirtualChannelRef source;
    const Ovo::String text = SelectorText(settings, pressure, volume, &source);
    IClassRegistry* registry = GetClassRegistry();
    ComPtr<IChannelRangeQuery> query;
    if (registry == nullptr || FAILED(registry->GetService(MsgIdClass<HostMsgGuidC203, 17>::Id(),
                                                           IID_IChannelRangeQuery, query.PutVoid())))
        return;
    double bottom = 0.0, top = 0.0;
    const auto textObject = ComPtr<IAutoOvoString>::Adopt(text.GetInterface());
    if (query->GetRange(textObject.Get(), source, kChannelFormulaFlags, settings.channel, hostDocument,
                        &bottom, &top) != S_OK)
        return;
    settings.bottom = static_cast<float>(bottom);
    settings.top = static_cast<float>(top);
}

HRESULT TarvikChannelCalculation::ApplySettings(IPersistObject* object, BOOL force) {
    Settings* given = AsSettings(object);
    if (given == nullptr)
        return E_INVALIDARG;
    if (!force && *given == *mSettings.Get())
        return S_FALSE;
    double top = given->top, bottom = given->bottom;
    WidenRange(top, bottom);
    const auto unit = ComPtr<IAutoOvoString>::Adopt(Ovo::String(given->unit.Text()).GetInterface());
    SetOutputFormat(top, bottom, static_cast<std::int32_t>(std::trunc(given->decimals)), unit.Get());

    VirtualChannelRef loops, area;
    const bool available =
        mChannels != nullptr && mChannels->GetChannelRefs(loops, area) && loops.IsDefined();
    const auto [pressure, volume] = PrefixFactors(mHostDocument.Get());
    mSettings = ComPtr<Settings>::Adopt(given->Copy());
    if (available) {
        mSettings->loopSourceRef = loops;
        mSettings->areaSourceRef = area;
        mSettings->loopSource = Ovo::String(u"tarvik");
        mSettings->areaSource = Ovo::String(u"pva");
    }
    if (IChannelFormula* evaluator = Evaluator()) {
        VirtualChannelRef source;
        const Ovo::String text =
            available ? SelectorText(*mSettings.Get(), pressure, volume, &source) : Ovo::String(u"0");
        evaluator->SetText(ComPtr<IAutoOvoString>::Adopt(text.GetInterface()).Get(), source,
                           kChannelFormulaFlags);
    }
    return ApplyEvaluatorResult();
}

HRESULT TarvikChannelCalculation::SetSettings(IPersistObject* object) {
    Settings* given = AsSettings(object);
    if (given == nullptr)
        return E_INVALIDARG;
    mSettings = ComPtr<Settings>::Adopt(given->Copy());
    return S_OK;
}

HRESULT TarvikChannelCalculation::GetSettings(IPersistObject** settings) {
    if (settings == nullptr)
        return E_POINTER;
    *settings = mSettings->Copy();
    return S_OK;
}

HRESULT TarvikChannelCalculation::GetFlags(DWORD* flags) {
    if (flags == nullptr)
        return E_POINTER;
    *flags = kCalculationFlags;
    return S_OK;
}

HRESULT TarvikChannelCalculation::GetName(BSTR* name) {
    return Ovo::String(u"Tarvik").PutBSTR(name);
}

} // namespace Tarvik
