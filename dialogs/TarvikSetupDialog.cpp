#include "dialogs/TarvikSetupDialog.h"

#include <algorithm>
#include <sstream>

#include "core/NumberText.h"
#include "core/ResourceStrings.h"
#include "module/ModuleInstance.h"
#include "platform/user/msgbox_api.h"
#include "platform/vantrel/IVirtualChannelService.h"
#include "resources/ModuleDialogs.h"
#include "workflow/ChannelQueries.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

namespace {

enum Control : int {
    kPressureChannel = 1003,
    kWholeChannelRadio = 1004,
    kSelectionRadio = 1005,
    kPeakHeight = 1006,
    kPeriod = 1007,
    kPressureDetection = 1008,
    kEcgDetection = 1009,
    kVolumeChannel = 1010,
    kQrsChannel = 1011,
    kPeriodUnit = 1063,
};

constexpr std::int32_t kMilli = 7, kUnity = 8;
constexpr std::int32_t kFromEcg = 1;
constexpr double kMinPeakHeight = 1e-9, kMaxPeakHeight = 1000.0; // base units of the pressure channel
constexpr double kMaxPeriod = 10000.0;                           // seconds

// The first number of the text; characters after it are ignored.
bool ReadNumber(const std::u16string& text, double& value) {
    std::wistringstream in(std::wstring(text.begin(), text.end()));
    in.imbue(std::locale::classic());
    return static_cast<bool>(in >> value);
}

bool SameTextIgnoringCase(std::u16string_view a, std::u16string_view b) {
    const auto lower = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

std::u16string Wide(const Ovo::String& text) {
    return text.ToU16String();
}

} // namespace

TarvikSetupDialog::TarvikSetupDialog(HWND parent, TarvikDocument& document, ModelPtr workingModel)
    : TDialog(nullptr, kSetupDialogTemplate), mDocument(document),
      mPressure(new OWL::TComboBox(this, kPressureChannel)),
      mVolume(new OWL::TComboBox(this, kVolumeChannel)),
      mWholeChannel(new OWL::TRadioButton(this, kWholeChannelRadio)),
      mSelection(new OWL::TRadioButton(this, kSelectionRadio)), mMinPeriod(new OWL::TEdit(this, kPeriod)),
      mMinPeakHeight(new OWL::TEdit(this, kPeakHeight)), mPeriodUnit(new OWL::TComboBox(this, kPeriodUnit)),
      mFromPressure(new OWL::TRadioButton(this, kPressureDetection)),
      mFromEcg(new OWL::TRadioButton(this, kEcgDetection)),
      mQrsChannel(new OWL::TComboBox(this, kQrsChannel)), mModel(std::move(workingModel)) {
    SetParentHandle(parent);
    SetResourceInstance(ModuleInstance());
}

TarvikSetupDialog::~TarvikSetupDialog() = default;

DEFINE_RESPONSE_TABLE1(TarvikSetupDialog, OWL::TDialog)
EV_CBN_SELCHANGE(kPressureChannel, PressureChannelChanged),
    EV_CBN_SELCHANGE(kVolumeChannel, VolumeChannelChanged), EV_CBN_SELCHANGE(kQrsChannel, Apply),
    EV_CBN_SELCHANGE(kPeriodUnit, PeriodUnitChanged), EV_BN_CLICKED(kPressureDetection, DetectFromPressure),
    EV_BN_CLICKED(kEcgDetection, DetectFromEcg), EV_EN_KILLFOCUS(kPeakHeight, PeakHeightLeft),
    EV_EN_KILLFOCUS(kPeriod, PeriodLeft), EV_BN_CLICKED(kWholeChannelRadio, Apply),
    EV_BN_CLICKED(kSelectionRadio, Apply), END_RESPONSE_TABLE;

void TarvikSetupDialog::SetupWindow() {
    TDialog::SetupWindow();
    std::vector<std::u16string> titles;
    GetChannelTitles(mDocument, titles);
    for (const std::u16string& title : titles) {
        mPressure->AddString(title.c_str());
        mVolume->AddString(title.c_str());
    }
    CollectEventChannels();
    for (const auto& [title, name] : mEventChannels)
        mQrsChannel->AddString(title.c_str());
    if (mEventChannels.empty() && !mModel->IsParamLocked(28) && GetModelParam<28>(mModel) != 0)
        SetModelParam<28>(mModel, 0);
    mPeriodUnit->AddString(u"ms");
    mPeriodUnit->AddString(u"s");
    LoadControlsFromModel();
}

// The host's virtual channels whose calculation gives events, except the module's own loop channel.
void TarvikSetupDialog::CollectEventChannels() {
    mEventChannels.clear();
    const auto channels =
        QueryInterfacePtr<IVirtualChannelService>(mDocument.DocumentData(), IID_IVirtualChannelService);
    if (!channels)
        return;
    for (ULONG index = 0;; ++index) {
        BSTR name = nullptr;
        if (channels->GetChannelName(index, &name) != S_OK)
            break;
        WORD events = 0;
        BSTR title = nullptr;
        if (SUCCEEDED(channels->IsEventChannel(name, &events)) && events != 0 &&
            SUCCEEDED(channels->GetChannelTitle(name, &title))) {
            const std::u16string text(title, SysStringLen(title));
            if (!SameTextIgnoringCase(text, u"Tarvik"))
                mEventChannels.emplace(text, std::u16string(name, SysStringLen(name)));
        }
        SysFreeString(title);
        SysFreeString(name);
    }
}

void TarvikSetupDialog::EnsureSourceChannels() {
    if (GetModelParam<1>(mModel) == kNoChannel)
        SetModelParam<1>(mModel, 0u);
    if (GetModelParam<2>(mModel) == kNoChannel)
        SetModelParam<2>(mModel, 1u);
}

void TarvikSetupDialog::LoadControlsFromModel() {
    EnsureSourceChannels();
    mPressure->SetSelIndex(static_cast<int>(GetModelParam<1>(mModel)));
    mVolume->SetSelIndex(static_cast<int>(GetModelParam<2>(mModel)));
    const std::int32_t region = GetModelParam<27>(mModel);
    mWholeChannel->SetCheck(region == kWholeChannel ? BST_CHECKED : BST_UNCHECKED);
    mSelection->SetCheck(region == kSelectionRegion ? BST_CHECKED : BST_UNCHECKED);
    mPeriodUnit->SetSelIndex(GetModelParam<32>(mModel) == kMilli ? 0 : 1);
    ShowMinPeakHeight(GetModelParam<30>(mModel));
    ShowMinPeriod(GetModelParam<31>(mModel));
    const bool fromEcg = GetModelParam<28>(mModel) == kFromEcg;
    mFromPressure->SetCheck(fromEcg ? BST_UNCHECKED : BST_CHECKED);
    mFromEcg->SetCheck(fromEcg ? BST_CHECKED : BST_UNCHECKED);
    EnableDetectionControls(fromEcg);
    if (mQrsChannel->GetCount() > 0)
        mQrsChannel->SetSelIndex(0);
    const Ovo::String source = GetModelParam<29>(mModel).first;
    if (!source.IsEmpty()) {
        const auto channels =
            QueryInterfacePtr<IVirtualChannelService>(mDocument.DocumentData(), IID_IVirtualChannelService);
        BSTR name = source.AllocBSTR();
        BSTR title = nullptr;
        if (channels && SUCCEEDED(channels->GetChannelTitle(name, &title)) && SysStringLen(title) != 0)
            mQrsChannel->SetSelString(std::u16string(title, SysStringLen(title)).c_str(), -1);
        SysFreeString(title);
        SysFreeString(name);
    }
    mFromEcg->EnableWindow(!mEventChannels.empty());
}

void TarvikSetupDialog::ApplyControlsToModel() {
    SetModelParam<1>(mModel, static_cast<std::uint32_t>(mPressure->GetSelIndex()));
    SetModelParam<2>(mModel, static_cast<std::uint32_t>(mVolume->GetSelIndex()));
    const bool selection = mSelection->GetCheck() == BST_CHECKED;
    SetModelParam<27>(mModel, selection ? kSelectionRegion : kWholeChannel);
    if (selection)
        SetModelParam<35>(mModel, false);
    WordPair start{0, 0}, end{kOpenEnd, kOpenEnd};
    HostTickPosition a{INT32_MAX, INT32_MAX}, b{INT32_MAX, INT32_MAX};
    if (IDocumentSelection* host = mDocument.HostSelection();
        selection && host != nullptr && SUCCEEDED(host->GetSelection(0, &a, &b))) {
        start = WordPair{static_cast<std::uint32_t>(a.tick), static_cast<std::uint32_t>(a.record)};
        end = WordPair{static_cast<std::uint32_t>(b.tick), static_cast<std::uint32_t>(b.record)};
    }
    SetModelParam<59>(mModel, start);
    SetModelParam<60>(mModel, end);
    double value = 0.0;
    if (ParseMinPeakHeight(value) == 0)
        SetModelParam<30>(mModel, value);
    if (ParseMinPeriod(value) == 0)
        SetModelParam<31>(mModel, value);
    SetModelParam<32>(mModel, mPeriodUnit->GetSelIndex() == 0 ? kMilli : kUnity);
    const bool ecg = mFromEcg->GetCheck() == BST_CHECKED;
    SetModelParam<28>(mModel, ecg ? kFromEcg : 0);
    if (ecg) {
        // The selected title (at most 100 characters) names the channel: the first one of that title.
        std::u16string title;
        if (const int selected = mQrsChannel->GetSelIndex(); selected >= 0) {
            title.assign(static_cast<std::size_t>(std::max(mQrsChannel->GetStringLen(selected), 0)) + 1,
                         u'\0');
            title.resize(
                static_cast<std::size_t>(std::max(mQrsChannel->GetString(title.data(), selected), 0)));
            title = title.substr(0, 99);
        }
        const auto found = mEventChannels.find(title);
        if (found != mEventChannels.end()) {
            SetModelParam<29>(mModel, StringPair{Ovo::String(found->second.c_str()), Ovo::String()});
        } else {
            SetModelParam<28>(mModel, 0);
            SetModelParam<29>(mModel, StringPair{});
        }
    }
}

double TarvikSetupDialog::PressurePrefixScale() {
    const Ovo::Unit unit = GetChannelUnit(mDocument, static_cast<std::int32_t>(GetModelParam<1>(mModel)));
    return unit.prefix != 0 ? Ovo::SiPrefixScale(unit.prefix) : 1.0;
}

int TarvikSetupDialog::ParseMinPeakHeight(double& value) {
    double number = 0.0;
    if (!mMinPeakHeight->IsWindow() || !ReadNumber(mMinPeakHeight->GetText(), number))
        return 1;
    value = number * PressurePrefixScale();
    return value >= kMinPeakHeight && value <= kMaxPeakHeight ? 0 : 2;
}

int TarvikSetupDialog::ParseMinPeriod(double& value) {
    double number = 0.0;
    if (!mMinPeriod->IsWindow() || !ReadNumber(mMinPeriod->GetText(), number))
        return 1;
    value = GetModelParam<32>(mModel) == kMilli ? number / 1000.0 : number;
    return value >= 0.0 && value <= kMaxPeriod ? 0 : 2;
}

void TarvikSetupDialog::ShowMinPeakHeight(double value) {
    const bool outer = mUpdating;
    mUpdating = true;
    mMinPeakHeight->SetText(Wide(FormatDoubleForDisplay(value / PressurePrefixScale())).c_str());
    mUpdating = outer;
}

void TarvikSetupDialog::ShowMinPeriod(double value) {
    const bool outer = mUpdating;
    mUpdating = true;
    const double factor = GetModelParam<32>(mModel) == kMilli ? 1000.0 : 1.0;
    mMinPeriod->SetText(Wide(FormatDoubleForDisplay(value * factor)).c_str());
    mUpdating = outer;
}

void TarvikSetupDialog::EnableDetectionControls(bool fromEcg) {
    mQrsChannel->EnableWindow(fromEcg);
    for (OWL::TWindow* control :
         std::initializer_list<OWL::TWindow*>{mMinPeakHeight, mMinPeriod, mPeriodUnit})
        control->EnableWindow(!fromEcg);
}

// The same physical peak height is shown in the new channel's unit.
void TarvikSetupDialog::PressureChannelChanged() {
    double value = 0.0;
    const bool parsed = ParseMinPeakHeight(value) == 0;
    SetModelParam<1>(mModel, static_cast<std::uint32_t>(mPressure->GetSelIndex()));
    if (parsed)
        ShowMinPeakHeight(value);
}

void TarvikSetupDialog::VolumeChannelChanged() {
    SetModelParam<2>(mModel, static_cast<std::uint32_t>(mVolume->GetSelIndex()));
    LoadControlsFromModel();
}

void TarvikSetupDialog::PeriodUnitChanged() {
    double value = 0.0;
    const bool parsed = ParseMinPeriod(value) == 0;
    SetModelParam<32>(mModel, mPeriodUnit->GetSelIndex() == 0 ? kMilli : kUnity);
    if (parsed)
        ShowMinPeriod(value);
}

void TarvikSetupDialog::DetectFromPressure() {
    mFromEcg->Uncheck();
    EnableDetectionControls(false);
    ApplyControlsToModel();
}

void TarvikSetupDialog::DetectFromEcg() {
    mFromPressure->Uncheck();
    EnableDetectionControls(true);
    ApplyControlsToModel();
}

void TarvikSetupDialog::PeakHeightLeft() {
    double value = 0.0;
    if (!mUpdating && ParseMinPeakHeight(value) == 0) {
        ShowMinPeakHeight(value);
        ApplyControlsToModel();
    }
}

void TarvikSetupDialog::PeriodLeft() {
    double value = 0.0;
    if (!mUpdating && ParseMinPeriod(value) == 0) {
        ShowMinPeriod(value);
        ApplyControlsToModel();
    }
}

// Numbers that do not parse or lie out of range keep the dialog open (the settings warning is not shown
// yet); so do the same channel twice and a channel that depends on the analysis itself.
bool TarvikSetupDialog::CanClose() {
    if (!TDialog::CanClose())
        return false;
    double value = 0.0;
    if (ParseMinPeakHeight(value) != 0 || ParseMinPeriod(value) != 0)
        return false;
    const Ovo::String caption = LoadModuleString(174);
    const int pressure = mPressure->GetSelIndex(), volume = mVolume->GetSelIndex();
    if (pressure == volume) {
        MessageBoxW(GetHandle(), LoadModuleString(175).c_str(), caption.c_str(), MB_ICONERROR | MB_OK);
        return false;
    }
    constexpr std::uint32_t kChannelKind = 0xC0000000;
    if (mDocument.IsChannelFlaggedAtPosition(static_cast<std::uint32_t>(pressure), kChannelKind) ||
        mDocument.IsChannelFlaggedAtPosition(static_cast<std::uint32_t>(volume), kChannelKind)) {
        MessageBoxW(GetHandle(), LoadModuleString(177).c_str(), caption.c_str(), MB_ICONERROR | MB_OK);
        return false;
    }
    ApplyControlsToModel();
    return true;
}

int RunSetupDialog(HWND parent, TarvikDocument& document, const ModelPtr& workingModel) {
    TarvikSetupDialog dialog(parent, document, workingModel);
    return dialog.Execute();
}

} // namespace Tarvik
