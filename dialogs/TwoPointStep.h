#pragma once
// The conductance (step-dialog id 3, template 136, model 3) and volume
// (step-dialog id 9, template 142, model 11) calibration steps: for each of two
// points the value sampled on the workflow's second channel (shown in that
// channel's unit, stored without its prefix) and the known value it stands
// for, in a unit the user chooses (stored without its prefix). Changing the
// unit keeps the numbers shown: they now mean the new unit.

#include "dialogs/StepDlgBase.h"

namespace Tarvik {

struct ConductanceTraits {
    static constexpr int kId = 3;
    static constexpr ModelParamId kSampled1 = 8, kSampled2 = 10, kKnown1 = 9, kKnown2 = 11, kApply = 12,
                                  kUnit = 13;
    static constexpr int kKnownEdit1 = 1107, kKnownEdit2 = 1108;
    static constexpr UINT kNoSelectionTitle = 408, kNoSelectionText = 409;
    static constexpr WORD kFromSelection = 274;
};

struct VolumeTraits {
    static constexpr int kId = 9;
    static constexpr ModelParamId kSampled1 = 50, kSampled2 = 51, kKnown1 = 52, kKnown2 = 53, kApply = 54,
                                  kUnit = 49;
    static constexpr int kKnownEdit1 = 1127, kKnownEdit2 = 1128;
    static constexpr UINT kNoSelectionTitle = 440, kNoSelectionText = 441;
    static constexpr WORD kFromSelection = 283;
};

template <class T> class TwoPointStep : public StepDlgBase<TwoPointStep<T>, T::kId> {
    using Base = StepDlgBase<TwoPointStep<T>, T::kId>;

public:
    explicit TwoPointStep(TarvikDocument& document) : Base(document) {}

    BEGIN_MSG_MAP(TwoPointStep)
    COMMAND_CODE_HANDLER(EN_CHANGE, OnEditChange)
    COMMAND_HANDLER(1077, BN_CLICKED, OnApply)
    COMMAND_HANDLER(1104, BN_CLICKED, OnLaunch)
    COMMAND_HANDLER(1075, BN_CLICKED, OnSetFromSelection)
    COMMAND_HANDLER(1076, BN_CLICKED, OnSetFromSelection)
    COMMAND_HANDLER(1106, CBN_SELCHANGE, OnUnitChange)
    CHAIN_MSG_MAP(Base)
    END_MSG_MAP()

    StepDlgTables Tables() const override;
    void OnModelChanged(const ModelParamSet& changed) override;
    void AfterStepMessage() override;

protected:
    void PrepareDialog() override;
    void SetUpControl(HWND child, int id) override;

private:
    LRESULT OnEditChange(WORD, WORD id, HWND, BOOL&);
    LRESULT OnApply(WORD, WORD, HWND, BOOL&);
    LRESULT OnLaunch(WORD, WORD, HWND, BOOL&);
    LRESULT OnSetFromSelection(WORD, WORD id, HWND button, BOOL&);
    LRESULT OnUnitChange(WORD, WORD, HWND, BOOL&);
};

using ConductanceStep = TwoPointStep<ConductanceTraits>;
using VolumeStep = TwoPointStep<VolumeTraits>;

extern template class TwoPointStep<ConductanceTraits>;
extern template class TwoPointStep<VolumeTraits>;

} // namespace Tarvik
