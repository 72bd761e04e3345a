#include "workflow/ChannelQueries.h"

#include "core/OFormatStringStream.h"
#include "module/ModalOwner.h"
#include "module/ModuleInstance.h"
#include "module/ModuleVersion.h"
#include "platform/user/msgbox_api.h"
#include "platform/vantrel/IDocumentChannels.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/WorkflowSetup.h"

namespace Tarvik {

namespace {

constexpr UINT kCaption = 174;
constexpr UINT kUnifyUnitsQuestion = 169;
constexpr UINT kIncompatibleCalculation = 176;

ComPtr<IDocumentChannels> Channels(ModelDocument& document) {
    return QueryInterfacePtr<IDocumentChannels>(document.DocumentData(), IID_IDocumentChannels);
}

// The set-up model's channel of a role (1 pressure, 2 volume); false without one.
template <ModelParamId Role> bool RoleChannel(ModelDocument& document, std::int32_t& channel) {
    const ModelPtr setup = document.FindModel();
    if (!setup)
        return false;
    const std::uint32_t value = GetModelParam<Role>(setup);
    if (value == WorkflowSetup::kNoChannel)
        return false;
    channel = static_cast<std::int32_t>(value);
    return true;
}

// Text id with %1 = the channel's number as the user counts.
Ovo::String ChannelText(UINT id, std::int32_t channel) {
    Ovo::OFormatStringStream text(LoadModuleString(id));
    text << channel + 1;
    text.EndArgument();
    return text.str();
}

int Ask(const Ovo::String& text, UINT style) {
    return MessageBoxW(GetModalOwnerWindow(), text.c_str(), LoadModuleString(kCaption).c_str(), style);
}

// The object's identity: its IUnknown.
ComPtr<IUnknown> Identity(IUnknown* object) {
    return QueryInterfacePtr<IUnknown>(object, IID_IUnknown);
}

} // namespace

void GetChannelTitles(ModelDocument& document, std::vector<std::u16string>& titles) {
    titles.clear();
    const auto channels = Channels(document);
    LONG count = 0;
    if (!channels || FAILED(channels->GetChannelCount(&count)))
        return;
    for (LONG c = 0; c < count; ++c) {
        Ovo::String title;
        if (FAILED(channels->GetChannelTitle(c, Ovo::OvoStringOutParam(title))))
            title.Clear();
        titles.push_back(title.ToU16String());
    }
}

Ovo::Unit GetChannelUnit(ModelDocument& document, std::int32_t channel) {
    ModelDocument::Position start, end;
    bool whole = false;
    document.AnalysisRange(start, end, whole);
    Ovo::Unit unit;
    if (!GetChannelUnitText(document.DocumentData(), channel, start.record, unit))
        return Ovo::Unit();
    return unit;
}

Ovo::Unit GetPressureChannelUnit(ModelDocument& document) {
    std::int32_t channel = 0;
    return RoleChannel<1>(document, channel) ? GetChannelUnit(document, channel) : Ovo::Unit();
}

Ovo::Unit GetVolumeChannelUnit(ModelDocument& document) {
    std::int32_t channel = 0;
    return RoleChannel<2>(document, channel) ? GetChannelUnit(document, channel) : Ovo::Unit();
}

bool SelectionIsWithinOneRecord(ModelDocument& document, std::int32_t channel) {
    const auto channels = Channels(document);
    SHORT selected = 0;
    if (!channels || FAILED(channels->HasSelection(channel, &selected)) || selected == 0)
        return false;
    LONG startRecord = INT32_MAX, startTick = INT32_MAX, endRecord = INT32_MAX, endTick = INT32_MAX;
    // Only ends the host gave count: two untouched ends would look like one record.
    return channels->GetSelection(channel, &startRecord, &startTick, &endRecord, &endTick) == S_OK &&
           startRecord == endRecord;
}

bool ConfirmUnifyChannelUnits(ModelDocument& document) {
    std::int32_t channel = 0;
    IDocumentData* data = document.DocumentData();
    LONG records = 0;
    if (!RoleChannel<2>(document, channel) || data == nullptr || FAILED(data->GetRecordCount(&records)))
        return false;
    ComPtr<IUnknown> first;
    bool consistent = true;
    for (LONG r = 0; r < records && consistent; ++r) {
        ComPtr<IUnknown> unit;
        if (data->GetChannelUnit(channel, r, kDataUnitFlags, unit.Put()) != S_OK || !unit)
            continue;
        ComPtr<IUnknown> identity = Identity(unit.Get());
        if (!first)
            first = identity;
        else
            consistent = identity.Get() == first.Get();
    }
    if (consistent)
        return false;
    return Ask(ChannelText(kUnifyUnitsQuestion, channel), MB_YESNO | MB_ICONQUESTION) != IDYES;
}

bool CheckVolumeCalibrationCompatible(ModelDocument& document) {
    std::int32_t channel = 0;
    if (!RoleChannel<2>(document, channel) ||
        IsChannelCalcCompatibleWithVolumeCalibration(document.DocumentData(), channel))
        return false;
    Ask(ChannelText(kIncompatibleCalculation, channel), MB_OK | MB_ICONERROR);
    return true;
}

} // namespace Tarvik
