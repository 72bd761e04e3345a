#include "workflow/CalibratorBase.h"

#include "core/NumberText.h"
#include "workflow/ModelDocument.h"

namespace Tarvik {

namespace {

// Fixed notation with 15 decimals, tidied.
Ovo::String PointText(double value, const std::wstring& suffix = std::wstring()) {
    std::wstring text;
    NumberToText(text, kNumberTextFixed, value, 15);
    return Ovo::String(text + suffix);
}

IAutoOvoString* Interface(const Ovo::String& text) {
    return text.GetInterface();
}

} // namespace

CalibratorBase::CalibratorBase(ModelDocument& document) : mDocument(document), mCache(document) {}

CalibratorBase::~CalibratorBase() {
    mCache.Clear();
}

Ovo::Unit CalibratorBase::ConversionInfo::RawUnit() const {
    Ovo::Unit unit(rawUnitName.ToWString());
    unit.SetPrefixCode(raw.prefixCode);
    return unit;
}

bool CalibratorBase::GetConversionInfo(IUnknown* conversion, ConversionInfo& info) {
    const ComPtr<IUnitConversion> object =
        QueryInterfacePtr<IUnitConversion>(conversion, IID_IUnitConversion);
    if (!object)
        return false;
    info.raw.flags = 0;
    info.scaling.flags = 0;
    info.scaling.hasScaling = 0;
    return SUCCEEDED(object->GetConversionInfo(&info.raw, Ovo::OvoStringOutParam(info.rawUnitName),
                                               &info.scaling, Ovo::OvoStringOutParam(info.scaledUnitName)));
}

CalibratorBase::Start CalibratorBase::BeginCalibratedConversion(std::int32_t channel, IUnknown** conversion) {
    Start start;
    start.cached = ComPtr<IUnknown>::Adopt(mCache.Find(channel));
    if (!IsApplied()) {
        start.done = true;
        start.result = static_cast<bool>(start.cached);
        *conversion = start.cached ? ComPtr<IUnknown>(start.cached).Detach() : nullptr;
        return start;
    }
    if (!start.cached) {
        mCache.Fetch(channel);
        start.cached = ComPtr<IUnknown>::Adopt(mCache.Find(channel));
    }
    start.done = !start.cached || !GetConversionInfo(start.cached.Get(), start.info);
    return start;
}

bool CalibratorBase::MakeTwoPointConversion(const ConversionInfo& info, double raw1, double raw2,
                                            double calibrated1, double calibrated2, const Ovo::Unit& target,
                                            IUnknown** conversion) {
    IUnitService* service = mDocument.UnitService();
    if (service == nullptr)
        return false;
    const Ovo::Unit rawUnit = info.RawUnit();
    const std::wstring prefix = rawUnit.PrefixText();
    const ComPtr<IAutoOvoString> rawName = ComPtr<IAutoOvoString>::Adopt(Interface(info.rawUnitName));
    const auto text = [](const Ovo::String& s) { return ComPtr<IAutoOvoString>::Adopt(Interface(s)); };
    const auto rawText1 = text(PointText(rawUnit.ScaleFromBase(raw1), prefix));
    const auto rawText2 = text(PointText(rawUnit.ScaleFromBase(raw2), prefix));
    const auto calibratedText1 = text(PointText(calibrated1));
    const auto calibratedText2 = text(PointText(calibrated2));
    const auto unitBase = text(Ovo::String(target.base));
    ComPtr<IUnknown> made;
    ComPtr<IAutoOvoString> dropped1, dropped2;
    DWORD droppedCount = 0;
    const HRESULT hr = service->MakeTwoPointConversion(
        0, &info.raw, rawName.Get(), rawText1.Get(), rawText2.Get(), calibratedText1.Get(),
        calibratedText2.Get(), unitBase.Get(), target.PrefixCode(), info.scaling.decimals, 0, made.Put(),
        dropped1.Put(), dropped2.Put(), &droppedCount);
    if (hr != S_OK || !made)
        return false;
    *conversion = made.Detach();
    return true;
}

} // namespace Tarvik
