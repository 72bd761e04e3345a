#include "document/UnitUpdate.h"

#include "core/XOvo.h"
#include "document/MergedEventReader.h"
#include "module/HostServices.h"
#include "module/SendDocMessage.h"
#include "module/ZARDocument.h"
#include "platform/vantrel/IChannelLookup.h"
#include "platform/vantrel/IUnitService.h"
#include "workflow/CalibratorBase.h"

namespace Tarvik {

namespace {

constexpr std::uint32_t kNoChannel = 0x80000000;
constexpr DWORD kUnitRecordSize = 144;
constexpr DWORD kUnitChangeKind = 2;

// Whether the channel takes a new unit at once: it has no calculation, or its calculation says so.
bool TakesUnitAtOnce(IUnknown* settings, std::int32_t channel) {
    const auto lookup = QueryInterfacePtr<IChannelLookup>(settings, IID_IChannelLookup);
    ComPtr<IUnknown> object;
    if (!lookup || lookup->GetChannel(channel, kChannelObject, object.Put()) != S_OK)
        return true;
    const auto calculation = object.Query<IChannelCalcFlags>(IID_IChannelCalcFlags);
    DWORD flags = 0;
    if (!calculation)
        return true;
    if (FAILED(calculation->GetFlags(&flags)))
        return false;
    return (flags & kCalcTakesUnitAtOnce) != 0;
}

Ovo::String PointText(IUnitConversion* conversion, LONG index) {
    ComPtr<IAutoOvoString> text;
    if (FAILED(conversion->GetPointText(index, text.Put())))
        return {};
    return Ovo::String(text.Get());
}

Ovo::String PrefixText(LONG code) {
    Ovo::Unit unit;
    unit.SetPrefixCode(code);
    return Ovo::String(unit.PrefixText());
}

// Whether two conversions show the same unit through the same line.
bool SameConversion(IUnknown* a, IUnknown* b) {
    if (a == b)
        return true;
    const auto first = QueryInterfacePtr<IUnitConversion>(a, IID_IUnitConversion);
    const auto second = QueryInterfacePtr<IUnitConversion>(b, IID_IUnitConversion);
    if (!first || !second)
        return false;
    UnitRawInfo raw[2];
    UnitScalingInfo scaling[2];
    ComPtr<IAutoOvoString> names[2];
    for (int i = 0; i < 2; ++i) {
        raw[i].flags = scaling[i].flags = scaling[i].hasScaling = 0;
        if (FAILED(
                (i == 0 ? first : second)->GetConversionInfo(&raw[i], nullptr, &scaling[i], names[i].Put())))
            return false;
    }
    return raw[0].prefixCode == raw[1].prefixCode &&
           (scaling[0].hasScaling != 0) == (scaling[1].hasScaling != 0) &&
           scaling[0].scale == scaling[1].scale && scaling[0].offset == scaling[1].offset &&
           scaling[0].prefixCode == scaling[1].prefixCode &&
           Ovo::String(names[0].Get()) == Ovo::String(names[1].Get());
}

void SendUnitChange(IUnknown* conversion, std::int32_t channel, ZARDocument& target) {
    UnitConvHandle handle;
    handle.Bind(conversion);
    const auto info = QueryInterfacePtr<IUnitConversion>(handle.Get(), IID_IUnitConversion);
    UnitRawInfo raw;
    UnitScalingInfo scaling;
    raw.flags = scaling.flags = scaling.hasScaling = 0;
    ComPtr<IAutoOvoString> scaledName;
    if (!info || FAILED(info->GetConversionInfo(&raw, nullptr, &scaling, scaledName.Put())))
        return;
    ComPtr<IUnknown> travelling;
    if (IHostViewService* views = GetHostViewService())
        views->MakeViewObject(kUnitChangeMessage, static_cast<ULONG_PTR>(channel), kUnitChangeKind, 0,
                              travelling.Put());
    const Ovo::String range =
        FormatRangeText(PointText(info.Get(), 0), PointText(info.Get(), 2), PointText(info.Get(), 1),
                        PointText(info.Get(), 3), Ovo::String(scaledName.Get()));
    const Ovo::String rawPrefix = PrefixText(raw.prefixCode), shownPrefix = PrefixText(scaling.prefixCode);
    const ComPtr<IAutoOvoString> rangeObject = ComPtr<IAutoOvoString>::Adopt(range.GetInterface());
    const ComPtr<IAutoOvoString> rawObject = ComPtr<IAutoOvoString>::Adopt(rawPrefix.GetInterface());
    const ComPtr<IAutoOvoString> shownObject = ComPtr<IAutoOvoString>::Adopt(shownPrefix.GetInterface());
    MsgData6 record;
    record.channel = channel;
    record.hasScaling = scaling.hasScaling != 0 ? 1 : 0;
    record.rangeText = rangeObject.Get();
    record.rawPrefix = rawObject.Get();
    record.shownPrefix = shownObject.Get();
    record.decimals = static_cast<std::int32_t>(scaling.decimals);
    const auto handler = QueryInterfacePtr<IMessageHandler>(target.Identity(), IID_IMessageHandler);
    SendDocMessageWithArg(record, target, handler.Get(), travelling.Get(), 0);
}

} // namespace

void UnitConvHandle::Bind(IUnknown* conversion) {
    ComPtr<IUnknown> held(conversion);
    DWORD size = 0;
    IUnitService* service = GetUnitService();
    if (!held || service == nullptr || FAILED(service->GetConversionRecordSize(held.Get(), &size)) ||
        size != kUnitRecordSize)
        throw XOvo(Ovo::String(L"Units size mismatch in UnitConvHandle::Bind()"), OVO_E_MESSAGE_ONLY);
    mConversion = std::move(held);
}

bool UpdateChannelUnits(CalibratorBase& source, ISampleBlocks* data, std::int32_t channel,
                        ZARDocument& target) {
    if (static_cast<std::uint32_t>(channel) == kNoChannel || channel < 0 || data == nullptr)
        return false;
    ComPtr<IUnknown> unit;
    if (!source.GetCalibratedConversion(channel, unit.Put()) || !unit)
        return false;
    LONG records = 0;
    ComPtr<IUnknown> shown;
    if (SUCCEEDED(data->GetRecordTotal(0, &records)) && records > 0)
        data->GetChannelConversion(kChannelConversionShown, records - 1, channel, shown.Put());
    if (SameConversion(shown.Get(), unit.Get()))
        return false;
    ComPtr<IUnknown> settings;
    data->GetChannelSettings(0, settings.Put());
    if (TakesUnitAtOnce(settings.Get(), channel))
        data->ApplyChannelUnit(0, 0, channel, 1, unit.Get());
    else
        SendUnitChange(unit.Get(), channel, target);
    return true;
}

} // namespace Tarvik
