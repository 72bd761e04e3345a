#pragma once
// The calculation formula texts the document writes into the host's virtual
// channels: the loop analyser, the end-diastolic detectors, the volume channel,
// the maximum detector and the pressure-volume-area calculation. The host's
// calculation engine parses them; the module never reads them back.
//
// Texts are composed in the classic locale: channels as "ch" + (index + 1),
// integers as signed 32-bit decimals, doubles as printf's %g with precision 6,
// arguments separated by ", ". The analysed region (set-up parameters 59 and 60,
// each a (tick, record) pair) is written record first.

#include <cstdint>
#include <ostream>

#include "core/String.h"
#include "workflow/Model.h"

namespace Tarvik {

class TarvikData;
class VolumeCalibrator;

// Appends ", start record, start tick, end record, end tick": the end is "-1, -1" in online mode
// (parameter 35), INT_MAX twice for the whole channel (parameter 27 == 1), else parameter 60.
void AppendAnalysisLimits(std::wostream& out, const Model& setup);

// "PVEcgEdpDet(" + the ECG source text (parameter 28 == 1), else
// "PVEdpDet(chP, CMPeakDet(chP, h, w), h" with h and w parameters 30 and 31; then the limits
// unless omitted, then ")".
Ovo::String BuildEdpDetectorFormula(bool omitLimits, const ModelPtr& setup);
Ovo::String MakeEdpDetectorFormula(const ModelPtr& setup);

// "TarvikAnalyzer(chP, " + the volume channel or "pvvolumewithoutvp" + ", " + the detector with
// its limits + the limits + ")".
Ovo::String BuildAnalyzerFormula(bool withVolumeChannel, const ModelPtr& setup);
Ovo::String MakeAnalyzerFormula(const ModelPtr& setup);
Ovo::String MakeAnalyzerFormulaOnVirtualVolume(const ModelPtr& setup);

// The volume calibrator's text for the volume channel (parameter 2).
Ovo::String MakeVolumeFormula(VolumeCalibrator& calibrator, const ModelPtr& setup);

// "PVMaxDet(" + source + ")".
Ovo::String BuildMaxDetectorFormula(const Ovo::String& source, const ModelPtr& setup);

// The pressure-volume-area calculation over the loop data's fitted relations (espvrType 0 linear,
// 1 quadratic; edpvrType 0 linear, 1 exponential): "PVACalc(tarvik, " + the types, the
// intersection's pressure and volume, three ESPVR and two EDPVR terms + ")". The default
// "PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)" when the data hold too few loops, the host is busy,
// a chosen fit fails or the relations do not meet.
Ovo::String BuildPvaCalcText(TarvikData& data, std::int32_t espvrType, std::int32_t edpvrType, bool hostBusy);

// The set-up model's pressure and volume channels (parameters 1 and 2), the first text of its ECG
// source (parameter 29), and the loop-view model's relation types (parameters 23 and 24).
// The selector that gives one loop parameter per loop over the module's events: source is the
// event channel's name, parameter the LoopParamId, the factors the pressure and volume prefix
// factors: "TarvikParamSelector(S, 3, 1, 0.001)", or "TarvikPVAParamSelector(...)" with area.
Ovo::String BuildParamSelectorFormula(bool area, const Ovo::String& source, std::uint32_t parameter,
                                      double pressureFactor, double volumeFactor);

std::uint32_t GetPressureChannelParam(const ModelPtr& setup);
std::uint32_t GetVolumeChannelParam(const ModelPtr& setup);
Ovo::String GetEcgSourceText(const ModelPtr& setup);
std::int32_t GetEspvrRegressionType(const ModelPtr& loopView);
std::int32_t GetEdpvrRegressionType(const ModelPtr& loopView);

} // namespace Tarvik
