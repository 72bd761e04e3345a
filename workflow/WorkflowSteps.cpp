#include "workflow/WorkflowSteps.h"

#include <array>
#include <span>

#include "core/NumericHelpers.h"
#include "module/ModuleInstance.h"
#include "workflow/ModelDocument.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

namespace {

constexpr std::array<WorkflowStepRow, 8> kSmallMammalSteps{{
    {430, 1, 1, L"pv_setup_tarvik_small"},
    {431, 2, 2, L"pv_pressure_calibration_small"},
    {432, 3, 3, L"pv_conductance_calibration_small"},
    {434, 4, 4, L"pv_sampling_small"},
    {435, 5, 5, L"pv_cuvette_calibration_small"},
    {436, 6, 6, L"pv_saline_calibration_small"},
    {437, 8, 10, L"pv_alpha_calibration_small"},
    {438, 7, 7, L"pv_analyze_small"},
}};

constexpr std::array<WorkflowStepRow, 7> kLargeMammalSteps{{
    {430, 1, 1, L"pv_setup_tarvik_large"},
    {431, 2, 2, L"pv_pressure_calibration_large"},
    {439, 9, 11, L"pv_volume_calibration_large"},
    {434, 4, 4, L"pv_sampling_large"},
    {436, 6, 6, L"pv_saline_calibration_large"},
    {437, 8, 10, L"pv_alpha_calibration_large"},
    {438, 7, 7, L"pv_analyze_large"},
}};

constexpr std::array<WorkflowStepRow, 1> kDefaultSteps{{{430, 1, 1, L"pv_workflows"}}};
constexpr const wchar_t* kDefaultHelpTopic = L"pv_workflows";

std::span<const WorkflowStepRow> StepsOfKind(std::int32_t kind) {
    if (kind == 1)
        return kSmallMammalSteps;
    if (kind == 2)
        return kLargeMammalSteps;
    return kDefaultSteps;
}

} // namespace

std::span<const WorkflowStepRow> GetWorkflowSteps(std::int32_t kind) {
    return StepsOfKind(kind);
}

namespace {

// Step-dialog ids.
constexpr std::int32_t kCuvetteStep = 5;
constexpr std::int32_t kSalineStep = 6;
constexpr std::int32_t kAnalyzeStep = 7;
constexpr std::int32_t kAlphaStep = 8;

std::int32_t CurrentStep(ModelDocument& document) {
    return GetModelParam<25>(document.GetModel(kWorkflowViewModel));
}

std::int32_t AnalysisType(ModelDocument& document) {
    return GetModelParam<20>(document.GetModel(kAnalysisModel));
}

template <WORD N> TarvikMessageId View() {
    return DocMsgId<N>();
}

TarvikMessageId StrevView() {
    return MsgIdClass<HostMsgGuidC203, 2>::Id();
}

bool OneOf(std::int32_t step, std::initializer_list<std::int32_t> steps) {
    for (std::int32_t s : steps)
        if (s == step)
            return true;
    return false;
}

} // namespace

bool IsWorkflowOff(ModelDocument& document) {
    return !GetModelParam<34>(document.FindModel());
}

std::int32_t GetWorkflowKind(ModelDocument& document) {
    return IsWorkflowOff(document) ? 0 : GetModelParam<0>(document.FindModel());
}

const WorkflowStepRow* GetWorkflowStepRow(std::int32_t kind, std::int32_t stepDialogId) {
    for (const WorkflowStepRow& row : StepsOfKind(kind))
        if (static_cast<std::int32_t>(row.stepDialogId) == stepDialogId)
            return &row;
    return nullptr;
}

Ovo::String GetWorkflowStepTitle(ModelDocument& document, std::int32_t index) {
    const std::int32_t kind = GetWorkflowKind(document);
    std::span<const WorkflowStepRow> steps = kind == 1 || kind == 2 ? StepsOfKind(kind) : kDefaultSteps;
    if (index < 0 || static_cast<std::size_t>(index) >= steps.size()) {
        if (index != 0)
            return Ovo::String();
        steps = kDefaultSteps;
    }
    return LoadModuleString(steps[static_cast<std::size_t>(index)].title);
}

Ovo::String GetWorkflowHelpTopic(ModelDocument& document, std::int32_t stepDialogId) {
    const WorkflowStepRow* row = GetWorkflowStepRow(GetWorkflowKind(document), stepDialogId);
    return Ovo::String(row != nullptr ? row->helpTopic : kDefaultHelpTopic);
}

bool IsCommandAllowedInStep(ModelDocument& document, TarvikMessageId command) {
    if (IsWorkflowOff(document))
        return true;
    const std::int32_t step = CurrentStep(document);
    if (command == DocMsgId<14>())
        return OneOf(step, {kAnalyzeStep, kAlphaStep});
    if (command == DocMsgId<21>())
        return OneOf(step, {kAnalyzeStep, kAlphaStep, kSalineStep});
    if (command == DocMsgId<23>() || command == DocMsgId<24>() || command == DocMsgId<25>() ||
        command == DocMsgId<26>())
        return step == kAnalyzeStep;
    if (command == DocMsgId<27>())
        return step == kSalineStep;
    if (command == DocMsgId<28>())
        return step == kCuvetteStep;
    if (command == DocMsgId<22>())
        return OneOf(step, {kSalineStep, kCuvetteStep, kAnalyzeStep}) &&
               !(step == kAnalyzeStep && AnalysisType(document) == 0);
    return true;
}

void BuildStepViewLayout(ModelDocument& document, std::vector<ViewPlacement>& list) {
    list.clear();
    if (IsWorkflowOff(document))
        return;
    const std::int32_t step = CurrentStep(document);
    const std::int32_t type = step == kAnalyzeStep ? AnalysisType(document) : -1;
    if (step == kCuvetteStep) {
        list = {{View<11>(), 0, 0, 100, 50}, {StrevView(), 0, 50, 100, 100}};
    } else if (step == kSalineStep) {
        list = {{View<8>(), 0, 0, 50, 60}, {View<4>(), 50, 0, 100, 60}, {StrevView(), 0, 60, 100, 100}};
    } else if ((step == kAnalyzeStep && type == 0) || step == kAlphaStep) {
        list = {{View<2>(), 0, 0, 100, 50}, {View<4>(), 0, 50, 40, 100}, {StrevView(), 40, 50, 100, 100}};
    } else if (step == kAnalyzeStep && type == 1) {
        list = {{View<5>(), 0, 0, 33, 50},
                {View<9>(), 33, 0, 66, 50},
                {View<10>(), 66, 0, 100, 50},
                {View<4>(), 0, 50, 40, 100},
                {StrevView(), 40, 50, 100, 100}};
    }
}

void GetHiddenLoopParamIds(ModelDocument& document, std::vector<std::int32_t>& list) {
    list.clear();
    if (!IsWorkflowOff(document) && AnalysisType(document) == 0)
        for (std::int32_t id : {26, 27, 28}) // PVA, PE, CE
            PushCommandId(list, id);
}

void PushCommandId(std::vector<std::int32_t>& list, std::int32_t id) {
    list.push_back(id);
}

RoundedWithRemainder RoundToNearestWithRemainder(double x) {
    const std::int32_t n = TruncateToInt32(x + 0.5);
    return {n, static_cast<float>(x - n)};
}

} // namespace Tarvik
