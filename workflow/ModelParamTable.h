#pragma once
// The step models and their parameters. Each parameter id (0 to 61) belongs to
// exactly one model and has one kind; this table is the one place that says
// which. Step models register their members against it (checked when they are
// compiled), and the typed setters and getters take their types from it.

#include <array>
#include <cstdint>

#include "workflow/ModelParamKind.h"

namespace Tarvik {

using ModelParamId = std::int32_t;
inline constexpr ModelParamId kModelParamCount = 62;

// Model ids (a separate numbering from the step-dialog ids of the workflow tables).
enum ModelId : std::int32_t {
    kSetupModel = 1,
    kPressureModel = 2,
    kConductanceModel = 3,
    kSamplingModel = 4,
    kCuvetteModel = 5,
    kSalineModel = 6,
    kAnalysisModel = 7,
    kLoopViewModel = 8,
    kWorkflowViewModel = 9,
    kAlphaModel = 10,
    kVolumeModel = 11,
    kHemoTableModel = 12,
};
inline constexpr std::int32_t kFirstModelId = kSetupModel;
inline constexpr std::int32_t kLastModelId = kHemoTableModel;

struct ModelParamRow {
    std::int32_t model;
    ModelParamKind kind;
};

namespace detail {
using K = ModelParamKind;
} // namespace detail

// Row i is parameter id i.
inline constexpr std::array<ModelParamRow, kModelParamCount> kModelParams{{
    {kSetupModel, detail::K::Int},            // 0 workflow kind: 0 none, 1 small mammal, 2 large mammal
    {kSetupModel, detail::K::Unsigned},       // 1 pressure source channel
    {kSetupModel, detail::K::Unsigned},       // 2 volume (conductance or volume) source channel
    {kPressureModel, detail::K::Double},      // 3 first point, recorded value
    {kPressureModel, detail::K::Double},      // 4 first point, known value
    {kPressureModel, detail::K::Double},      // 5 second point, recorded value
    {kPressureModel, detail::K::Double},      // 6 second point, known value
    {kPressureModel, detail::K::Bool},        // 7 apply the pressure calibration
    {kConductanceModel, detail::K::Double},   // 8 first point, recorded value
    {kConductanceModel, detail::K::Double},   // 9 first point, known value
    {kConductanceModel, detail::K::Double},   // 10 second point, recorded value
    {kConductanceModel, detail::K::Double},   // 11 second point, known value
    {kConductanceModel, detail::K::Bool},     // 12 apply the conductance calibration
    {kConductanceModel, detail::K::Unit},     // 13 unit of the known values
    {kSamplingModel, detail::K::Bool},        // 14 sampling step done
    {kCuvetteModel, detail::K::Double},       // 15 slope (volume per conductance)
    {kCuvetteModel, detail::K::Double},       // 16 intercept
    {kCuvetteModel, detail::K::Bool},         // 17 apply the cuvette calibration
    {kSalineModel, detail::K::Double},        // 18 parallel conductance to subtract
    {kSalineModel, detail::K::Bool},          // 19 apply the parallel-conductance correction
    {kAnalysisModel, detail::K::Int},         // 20 analysis type, 0 or 1
    {kLoopViewModel, detail::K::Bool},        // 21 show the end-systolic relation
    {kLoopViewModel, detail::K::Bool},        // 22 show the end-diastolic relation
    {kLoopViewModel, detail::K::Int},         // 23 end-systolic relation: 0 linear, 1 quadratic
    {kLoopViewModel, detail::K::Int},         // 24 end-diastolic relation: 0 linear, 1 exponential
    {kWorkflowViewModel, detail::K::Int},     // 25 current workflow step (a step-dialog id)
    {kWorkflowViewModel, detail::K::Bool},    // 26 a workflow-panel flag
    {kSetupModel, detail::K::Int},            // 27 analysis region: 0 selection, 1 whole channel
    {kSetupModel, detail::K::Int},            // 28 end-diastolic point source: 1 ECG events
    {kSetupModel, detail::K::StringPair},     // 29 the ECG event source
    {kSetupModel, detail::K::Double},         // 30 peak height of the pressure-based detector
    {kSetupModel, detail::K::Double},         // 31 second argument of the peak detector
    {kSetupModel, detail::K::Int},            // 32 a set-up dialog setting
    {kCuvetteModel, detail::K::Unit},         // 33 unit of the well volumes
    {kSetupModel, detail::K::Bool},           // 34 workflow in use
    {kSetupModel, detail::K::Bool},           // 35 online (open-ended) analysis
    {kSetupModel, detail::K::Bool},           // 36 loop markers shown
    {kCuvetteModel, detail::K::Doubles},      // 37 one value per well column
    {kCuvetteModel, detail::K::CuvetteTable}, // 38 the cuvette calibration table
    {kSetupModel, detail::K::Bool},           // 39 an analysis exists
    {kSalineModel, detail::K::Boluses},       // 40 the analysed saline boluses
    {kSalineModel, detail::K::IndexSet},      // 41 the boluses selected in the step's list
    {kAlphaModel, detail::K::Double},         // 42 alpha
    {kAlphaModel, detail::K::Bool},           // 43 apply alpha
    {kAlphaModel, detail::K::Int},            // 44 source of alpha: 1 cardiac output, 2 stroke volume
    {kAlphaModel, detail::K::Double},         // 45 cardiac output from the catheter
    {kAlphaModel, detail::K::Double},         // 46 reference cardiac output
    {kAlphaModel, detail::K::Double},         // 47 stroke volume from the catheter
    {kAlphaModel, detail::K::Double},         // 48 reference stroke volume
    {kVolumeModel, detail::K::Unit},          // 49 unit of the known values
    {kVolumeModel, detail::K::Double},        // 50 first point, recorded value
    {kVolumeModel, detail::K::Double},        // 51 second point, recorded value
    {kVolumeModel, detail::K::Double},        // 52 first point, known value
    {kVolumeModel, detail::K::Double},        // 53 second point, known value
    {kVolumeModel, detail::K::Bool},          // 54 apply the volume calibration
    {kHemoTableModel, detail::K::IdSet},      // 55 loop parameters shown as table columns
    {kHemoTableModel, detail::K::Bool},       // 56 a table option read by the export
    {kHemoTableModel, detail::K::Bool},       // 57 a table option set by the table view
    {kSetupModel, detail::K::Int},            // 58 index of the selected loop (-1 none)
    {kSetupModel, detail::K::WordPair},       // 59 analysis start: tick, record
    {kSetupModel, detail::K::WordPair},       // 60 analysis end: tick, record
    {kLoopViewModel, detail::K::IndexSet},    // 61 loop indices kept by the loop view's list
}};

template <ModelParamId P> constexpr ModelParamKind kParamKind = kModelParams[P].kind;
template <ModelParamId P> constexpr std::int32_t kParamModel = kModelParams[P].model;
// The C++ type of parameter P.
template <ModelParamId P> using ModelParamType = ModelParamKindT<kParamKind<P>>;

} // namespace Tarvik
