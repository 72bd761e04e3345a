#include "analysis/CalcEnumClasses.h"

#include <array>
#include <cfloat>
#include <iterator>
#include <span>

#include "analysis/CalcEnumClassBase2.h"
#include "analysis/DetEx_Enumerator.h"
#include "analysis/EEH3Enumerator.h"
#include "analysis/EcgEnumerator.h"
#include "analysis/EdpEnumerator.h"
#include "analysis/MaxEnumerator.h"
#include "analysis/PVASelector.h"
#include "analysis/PvaCalcEnumerator.h"

namespace CalcEnums {

namespace {

constexpr GUID kAnalyzerGuid = MakeGuid("{01FB0198-2B18-444B-9019-3C783C5D7491}");
constexpr GUID kEcgEdpGuid = MakeGuid("{881B196D-4CE5-4982-A98A-23EF79971A91}");
constexpr GUID kEdpGuid = MakeGuid("{762D88ED-2000-457A-AC1F-15B131890A7C}");
constexpr GUID kMaxGuid = MakeGuid("{DB83C3A9-9C48-408C-9B39-86F4E9388E82}");
constexpr GUID kSelectorGuid = MakeGuid("{CB36B947-DFE9-40A6-93C8-0C43CF9ABA3E}");
constexpr GUID kPvaSelectorGuid = MakeGuid("{94E0D8F2-E41A-4329-A031-447D762FDE55}");
constexpr GUID kPvaCalcGuid = MakeGuid("{CB90264E-9A14-4404-B036-D228D129277F}");

constexpr DWORD S = kCalcParamSamples, E = kCalcParamEvents;

// The four rows of the processing range that end the tables of the range-taking detectors.
constexpr ParamRow kLimitRows[] = {{L"LimitStart Record", -1, DBL_MAX, E},
                                   {L"LimitStart Tick", -1, DBL_MAX, E},
                                   {L"LimitEnd Record", -1, DBL_MAX, E},
                                   {L"LimitEnd Tick", -1, DBL_MAX, E}};

template <std::size_t N> constexpr std::array<ParamRow, N + 4> WithLimits(const ParamRow (&rows)[N]) {
    std::array<ParamRow, N + 4> all{};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = rows[i];
    for (std::size_t i = 0; i < 4; ++i)
        all[N + i] = kLimitRows[i];
    return all;
}

constexpr ParamRow kAnalyzerSources[] = {
    {L"Tick Source", 0, 0, S}, {L"Tick Source", 0, 0, S}, {L"EDP Event Source", 0, 0, E}};
constexpr ParamRow kEdpParams[] = {{L"Tick Source", 0, 0, S},
                                   {L"EDP Event Source", 0, 0, E},
                                   {L"Minimum Peak Height", DBL_EPSILON, DBL_MAX, E}};
constexpr ParamRow kEcgEdpSource[] = {{L"ECG Event Source", 0, 0, E}};
constexpr auto kAnalyzerRows = WithLimits(kAnalyzerSources);
constexpr auto kEcgEdpRows = WithLimits(kEcgEdpSource);
constexpr auto kEdpRows = WithLimits(kEdpParams);

const ParamRow kMaxRows[] = {{L"Tarvik Event Source", 0, 0, E}};
const ParamRow kSelectorRows[] = {{L"Event Source", 0, 0, E},
                                  {L"Calc Index", 0, 2147483647.0, E},
                                  {L"Pressure Prefix Factor", -DBL_MAX, DBL_MAX, E},
                                  {L"Volume Prefix Factor", -DBL_MAX, DBL_MAX, E}};
const ParamRow kPvaCalcRows[] = {{L"Tarvik Event Source", 0, 0, E},
                                 {L"ESPVR regression type", -1, 1, E},
                                 {L"EDPVR regression type", 0, 1, E},
                                 {L"Pressure at intersect", -DBL_MAX, DBL_MAX, E},
                                 {L"Volume at intersect", -DBL_MAX, DBL_MAX, E},
                                 {L"ESPVR function term 1", -DBL_MAX, DBL_MAX, E},
                                 {L"ESPVR function term 2", -DBL_MAX, DBL_MAX, E},
                                 {L"ESPVR function term 3", -DBL_MAX, DBL_MAX, E},
                                 {L"EDPVR function term 1", -DBL_MAX, DBL_MAX, E},
                                 {L"EDPVR function term 2", -DBL_MAX, DBL_MAX, E}};

const wchar_t* const kEcgEdpOutputs[] = {L"PVEcgEdpDetector"};
const wchar_t* const kEdpOutputs[] = {L"PVEdpDetector"};
const wchar_t* const kMaxOutputs[] = {L"PVMaxDetector"};
const wchar_t* const kSelectorOutputs[] = {L"TarvikParamSelector"};
const wchar_t* const kPvaSelectorOutputs[] = {L"TarvikPVAParamSelector"};
const wchar_t* const kPvaCalcOutputs[] = {L"PvaDetector"};

template <class Rows>
constexpr ParamTable Table(const Rows& rows, LONG sources, const wchar_t* const* outputs, DWORD flags) {
    ParamTable table;
    table.params = std::span<const ParamRow>(std::data(rows), std::size(rows));
    table.sourceCount = sources;
    table.outputs = std::span<const wchar_t* const>(outputs, outputs ? 1 : 0);
    table.flags = flags;
    table.argFlags = kCalcClassNumericArgs;
    return table;
}

const ParamTable kAnalyzerTable = Table(kAnalyzerRows, 3, nullptr, kCalcClassDetectorFlags);
const ParamTable kEcgEdpTable = Table(kEcgEdpRows, 1, kEcgEdpOutputs, kCalcClassDetectorFlags);
const ParamTable kEdpTable = Table(kEdpRows, 2, kEdpOutputs, kCalcClassDetectorFlags);
const ParamTable kMaxTable = Table(kMaxRows, 1, kMaxOutputs, kCalcClassDetectorFlags);
const ParamTable kSelectorTable = Table(kSelectorRows, 1, kSelectorOutputs, 0);
const ParamTable kPvaSelectorTable = Table(kSelectorRows, 1, kPvaSelectorOutputs, 0);
const ParamTable kPvaCalcTable = Table(kPvaCalcRows, 1, kPvaCalcOutputs, kCalcClassDetectorFlags);

CalcEnumDescriptor gAnalyzer{
    L"TarvikAnalyzer",
    L"Analyze Tarvik loops returning an event containing all required hemodynamic parameters.", 0,
    &kAnalyzerGuid, 0};
CalcEnumDescriptor gEcgEdp{L"PVEcgEdpDet", L"Returns the end-diastolic event in an ECG signal.", 0,
                           &kEcgEdpGuid, 0};
CalcEnumDescriptor gEdp{L"PVEdpDet", L"Returns the end-diastolic event in a signal.", 0, &kEdpGuid, 0};
CalcEnumDescriptor gMax{L"PVMaxDet",
                        L"Returns the point at the maximum between two detected edp points in a signal.", 0,
                        &kMaxGuid, 0};
CalcEnumDescriptor gSelector{L"Tarvik Parameter Selector",
                             L"Selects a particular parameter from a Tarvik event", 0, &kSelectorGuid, 0};
CalcEnumDescriptor gPvaSelector{L"Tarvik PVA Parameter Selector",
                                L"Selects a particular parameter from a PVA event", 0, &kPvaSelectorGuid, 0};
CalcEnumDescriptor gPvaCalc{
    L"PvaCalc", L"Analyze the Pressure Volume Area-dependent parameters. Builds on TarvikAnalyzer.", 0,
    &kPvaCalcGuid, 0};

template <class D> using Detector = CalcEnumNumericParamsClass<EEH3::EEH3Enumerator<D>>;

} // namespace

const std::array<ICalcEnumClass2*, 7>& CalcClassObjects() {
    static Detector<Tarvik::DetEx_Enumerator> analyzer(gAnalyzer, kAnalyzerTable);
    static Detector<Tarvik::EcgEnumerator> ecgEdp(gEcgEdp, kEcgEdpTable);
    static Detector<Tarvik::EdpEnumerator> edp(gEdp, kEdpTable);
    static Detector<Tarvik::MaxEnumerator> max(gMax, kMaxTable);
    static CalcEnumNumericParamsClass<Tarvik::Enum::Selector> selector(gSelector, kSelectorTable);
    static CalcEnumNumericParamsClass<Tarvik::Enum::PVASelector> pvaSelector(gPvaSelector, kPvaSelectorTable);
    static Detector<Tarvik::PvaCalc::Enumerator> pvaCalc(gPvaCalc, kPvaCalcTable);
    static const std::array<ICalcEnumClass2*, 7> objects = {&analyzer, &ecgEdp,      &edp,    &max,
                                                            &selector, &pvaSelector, &pvaCalc};
    return objects;
}

} // namespace CalcEnums
