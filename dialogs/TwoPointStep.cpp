#include "dialogs/TwoPointStep.h"

#include "controls/BalloonHelp.h"
#include "controls/NumberFields.h"
#include "controls/QuietText.h"
#include "core/NumericHelpers.h"
#include "core/ScaledValue.h"
#include "core/UnitChoices.h"
#include "dialogs/PressureStep.h"
#include "workflow/ChannelQueries.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

namespace {

enum : int {
    kSampledEdit1 = 1079,
    kSampledEdit2 = 1081,
    kUnitChoice = 1106,
    kUnitLabel = 1084,
    kApplyBox = 1077
};

double Factor(const Ovo::Unit& unit) {
    return MakeScaledValue(unit, 1.0).scale;
}

template <class T> const std::vector<Ovo::Unit>& Choices() {
    if constexpr (T::kId == 3)
        return Ovo::GetConductanceUnitChoices();
    else
        return Ovo::GetVolumeUnitChoices();
}

template <class T> int FindChoice(const Ovo::Unit& unit) {
    if constexpr (T::kId == 3)
        return Ovo::FindConductanceUnitIndex(unit);
    else
        return Ovo::FindVolumeUnitIndex(unit);
}

std::u16string UnitText(const Ovo::Unit& unit) {
    const std::wstring text = unit.Text();
    return std::u16string(text.begin(), text.end());
}

} // namespace

template <class T> StepDlgTables TwoPointStep<T>::Tables() const {
    return CalibrationStepTables(UnitLabelChannel::kVolume);
}

template <class T> void TwoPointStep<T>::PrepareDialog() {
    for (int id : {1072, 1073, 1099})
        this->AlignSeparator(id);
    EnableLaunchRow(this->m_hWnd);
    for (const Ovo::Unit& unit : Choices<T>()) {
        const std::u16string text = UnitText(unit);
        this->SendDlgItemMessage(kUnitChoice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    for (int id : {int{kSampledEdit1}, int{kSampledEdit2}, T::kKnownEdit1, T::kKnownEdit2})
        InstallQuietText(this->GetDlgItem(id));
}

template <class T> void TwoPointStep<T>::SetUpControl(HWND, int id) {
    if (id == 1104)
        this->AddBitmapButton(1104, 137);
    else if (id == 1075)
        this->AlignSelectionButton(1075, kSampledEdit1);
    else if (id == 1076)
        this->AlignSelectionButton(1076, kSampledEdit2);
}

template <class T> void TwoPointStep<T>::OnModelChanged(const ModelParamSet& changed) {
    Model& model = this->StepModel();
    if (changed.Test(T::kApply))
        this->CheckDlgButton(kApplyBox, GetModelParam<T::kApply>(model) ? BST_CHECKED : BST_UNCHECKED);
    const Ovo::Unit unit = GetModelParam<T::kUnit>(model);
    if (changed.Test(T::kUnit)) {
        ::SetDlgItemTextW(this->m_hWnd, kUnitLabel, UnitText(unit).c_str());
        this->SendDlgItemMessage(kUnitChoice, CB_SETCURSEL, static_cast<WPARAM>(FindChoice<T>(unit)), 0);
    }
    if (this->IsUpdatingModel())
        return;
    const double channel = 1.0 / Factor(GetVolumeChannelUnit(this->Document()));
    const double known = 1.0 / Factor(unit);
    const auto show = [&](int id, double value, double factor) {
        SetWindowTextFromDouble(this->GetDlgItem(id), ScaleValue(value, factor));
    };
    if (changed.Test(T::kSampled1))
        show(kSampledEdit1, GetModelParam<T::kSampled1>(model), channel);
    if (changed.Test(T::kSampled2))
        show(kSampledEdit2, GetModelParam<T::kSampled2>(model), channel);
    if (changed.Test(T::kKnown1))
        show(T::kKnownEdit1, GetModelParam<T::kKnown1>(model), known);
    if (changed.Test(T::kKnown2))
        show(T::kKnownEdit2, GetModelParam<T::kKnown2>(model), known);
}

template <class T> void TwoPointStep<T>::AfterStepMessage() {
    ModelParamSet sampled;
    sampled.Set(T::kSampled1);
    sampled.Set(T::kSampled2);
    OnModelChanged(sampled);
}

template <class T> LRESULT TwoPointStep<T>::OnEditChange(WORD, WORD id, HWND, BOOL&) {
    this->StoreFromEdit([&] {
        Model& model = this->StepModel();
        const double value = this->GetEditValue(id);
        if (IsEmptyValue(value))
            SetModelParam<T::kApply>(model, false);
        const double channel = Factor(GetVolumeChannelUnit(this->Document()));
        const double known = Factor(GetModelParam<T::kUnit>(model));
        if (id == kSampledEdit1)
            SetModelParam<T::kSampled1>(model, ScaleValue(value, channel));
        else if (id == kSampledEdit2)
            SetModelParam<T::kSampled2>(model, ScaleValue(value, channel));
        else if (id == T::kKnownEdit1)
            SetModelParam<T::kKnown1>(model, ScaleValue(value, known));
        else if (id == T::kKnownEdit2)
            SetModelParam<T::kKnown2>(model, ScaleValue(value, known));
    });
    return 0;
}

template <class T> LRESULT TwoPointStep<T>::OnApply(WORD, WORD, HWND, BOOL&) {
    this->OnApplyClicked(kApplyBox,
                         [this](bool apply) { SetModelParam<T::kApply>(this->StepModel(), apply); });
    return 0;
}

template <class T> LRESULT TwoPointStep<T>::OnLaunch(WORD, WORD, HWND, BOOL&) {
    this->SendAutomation(284);
    return 0;
}

template <class T> LRESULT TwoPointStep<T>::OnSetFromSelection(WORD, WORD id, HWND button, BOOL&) {
    const ModelPtr setup = this->Document().FindModel();
    const auto channel = setup ? static_cast<std::int32_t>(GetModelParam<2>(setup)) : -1;
    if (channel < 0 || !SelectionIsWithinOneRecord(this->Document(), channel))
        ShowBalloonStringAtControl(button, T::kNoSelectionTitle, T::kNoSelectionText);
    const std::int32_t point = id == 1075 ? 0 : 1;
    this->SendToDocument(Ovo::MakeMsgData1<std::int32_t>(
        MakeMessageId(MessageSpace(TarvikDocumentGUID), T::kFromSelection), point));
    return 0;
}

template <class T> LRESULT TwoPointStep<T>::OnUnitChange(WORD, WORD, HWND, BOOL&) {
    Model& model = this->StepModel();
    const double before = Factor(GetModelParam<T::kUnit>(model));
    const double shown1 = ScaleValue(GetModelParam<T::kKnown1>(model), 1.0 / before);
    const double shown2 = ScaleValue(GetModelParam<T::kKnown2>(model), 1.0 / before);
    const auto index = static_cast<int>(this->SendDlgItemMessage(kUnitChoice, CB_GETCURSEL));
    const std::vector<Ovo::Unit>& choices = Choices<T>();
    if (index < 0 || index >= static_cast<int>(choices.size()))
        return 0;
    const double after = Factor(choices[static_cast<std::size_t>(index)]);
    SetModelParam<T::kUnit>(model, choices[static_cast<std::size_t>(index)]);
    SetModelParam<T::kKnown1>(model, ScaleValue(shown1, after));
    SetModelParam<T::kKnown2>(model, ScaleValue(shown2, after));
    this->SyncModel();
    return 0;
}

template class TwoPointStep<ConductanceTraits>;
template class TwoPointStep<VolumeTraits>;

} // namespace Tarvik
