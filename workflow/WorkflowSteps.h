#pragma once
// The guided workflow's two step sequences (small mammals: a conductance
// catheter; large mammals: a volume signal) and what the rest of the module asks
// of them: the step's row, title and help topic, whether the workflow is on and
// of which kind, which document commands the current step allows, the views it
// arranges and the loop parameters the haemodynamics table hides. Every answer
// reads the document's set-up model (1), analysis step (7) and workflow panel
// (9) at the moment of the call.

#include <cstdint>
#include <span>
#include <vector>

#include "core/String.h"
#include "module/MessageIds.h"

namespace Tarvik {

class ModelDocument;

struct WorkflowStepRow {
    std::uint32_t title;        // string id
    std::uint32_t stepDialogId; // 1 set-up, 2 pressure, 3 conductance, 4 sampling, 5 cuvette,
                                // 6 saline, 7 analyze, 8 alpha, 9 volume
    std::uint32_t modelId;      // the step model holding the step's values
    const wchar_t* helpTopic;
};

// One view of a step's layout: its kind (a message id) and its edges in percent of the document
// frame's client area.
struct ViewPlacement {
    TarvikMessageId viewKind;
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    friend bool operator==(const ViewPlacement&, const ViewPlacement&) = default;
};

// Parameter 34 (workflow in use) of the set-up model is false (or there is no set-up model).
bool IsWorkflowOff(ModelDocument& document);
// 0 when the workflow is off, else the set-up model's workflow kind (1 small, 2 large mammal).
std::int32_t GetWorkflowKind(ModelDocument& document);
// The first row of kind's table (1 small, 2 large, any other the default row) that shows the
// step-dialog id; null when none does.
const WorkflowStepRow* GetWorkflowStepRow(std::int32_t kind, std::int32_t stepDialogId);
// The rows of kind's table in workflow order (1 small, 2 large, any other the default row).
std::span<const WorkflowStepRow> GetWorkflowSteps(std::int32_t kind);
// The title of the step at index (0-based) of the current workflow's table; index 0 of the default
// table when the workflow is off or of no kind; any other index the empty text.
Ovo::String GetWorkflowStepTitle(ModelDocument& document, std::int32_t index);
// The help topic of the step in the current workflow; "pv_workflows" when it has no row.
Ovo::String GetWorkflowHelpTopic(ModelDocument& document, std::int32_t stepDialogId);
// Whether the current step allows the document command (a message id of the module's space). With
// the workflow off every command is allowed.
bool IsCommandAllowedInStep(ModelDocument& document, TarvikMessageId command);
// Clears the list and fills it with the current step's views.
void BuildStepViewLayout(ModelDocument& document, std::vector<ViewPlacement>& list);
// Clears the list and fills it with the loop-parameter ids the haemodynamics table hides now.
void GetHiddenLoopParamIds(ModelDocument& document, std::vector<std::int32_t>& list);
void PushCommandId(std::vector<std::int32_t>& list, std::int32_t id);

struct RoundedWithRemainder {
    std::int32_t n;
    float remainder;
};
// n = x + 0.5 truncated toward zero (as Windows converts: NaN and out-of-range give INT32_MIN),
// remainder = x - n as a 32-bit float. Halves round up from -0.5 on; below, the truncation rounds
// toward zero (-1.7 gives -1).
RoundedWithRemainder RoundToNearestWithRemainder(double x);

} // namespace Tarvik
