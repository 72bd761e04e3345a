#include "document/FormulaTexts.h"

#include <climits>
#include <locale>
#include <sstream>
#include <vector>

#include "analysis/TarvikData.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/VolumeCalibrator.h"

namespace Tarvik {

namespace {

constexpr std::int32_t kEcgSource = 1;
constexpr std::int32_t kWholeChannel = 1;
constexpr std::int32_t kLinear = 0;
constexpr std::int32_t kCurved = 1; // quadratic ESPVR, exponential EDPVR

// A wide stream whose numbers are written in the classic locale (%g with precision 6).
struct FormulaStream : std::wostringstream {
    FormulaStream() { imbue(std::locale::classic()); }
    Ovo::String Text() const { return Ovo::String(str()); }
};

// A word of a stored position as the signed 32-bit number the texts carry.
std::int32_t Signed(std::uint32_t word) {
    return static_cast<std::int32_t>(word);
}

void WriteChannel(std::wostream& out, std::uint32_t channel) {
    out << L"ch" << Signed(channel) + 1;
}

} // namespace

void AppendAnalysisLimits(std::wostream& out, const Model& setup) {
    const WordPair start = GetModelParam<59>(setup);
    out << L", " << Signed(start.second) << L", " << Signed(start.first);
    if (GetModelParam<35>(setup)) {
        out << L", -1, -1";
    } else if (GetModelParam<27>(setup) == kWholeChannel) {
        out << L", " << INT_MAX << L", " << INT_MAX;
    } else {
        const WordPair end = GetModelParam<60>(setup);
        out << L", " << Signed(end.second) << L", " << Signed(end.first);
    }
}

Ovo::String BuildEdpDetectorFormula(bool omitLimits, const ModelPtr& setup) {
    FormulaStream out;
    if (GetModelParam<28>(setup) == kEcgSource) {
        out << L"PVEcgEdpDet(" << GetEcgSourceText(setup).ToWString();
    } else {
        const std::uint32_t pressure = GetModelParam<1>(setup);
        const double height = GetModelParam<30>(setup);
        out << L"PVEdpDet(";
        WriteChannel(out, pressure);
        out << L", CMPeakDet(";
        WriteChannel(out, pressure);
        out << L", " << height << L", " << GetModelParam<31>(setup) << L"), " << height;
    }
    if (!omitLimits && setup)
        AppendAnalysisLimits(out, *setup);
    out << L")";
    return out.Text();
}

Ovo::String MakeEdpDetectorFormula(const ModelPtr& setup) {
    return BuildEdpDetectorFormula(true, setup);
}

Ovo::String BuildAnalyzerFormula(bool withVolumeChannel, const ModelPtr& setup) {
    FormulaStream out;
    out << L"TarvikAnalyzer(";
    WriteChannel(out, GetModelParam<1>(setup));
    out << L", ";
    if (withVolumeChannel)
        WriteChannel(out, GetModelParam<2>(setup));
    else
        out << L"pvvolumewithoutvp";
    out << L", " << BuildEdpDetectorFormula(false, setup).ToWString();
    if (setup)
        AppendAnalysisLimits(out, *setup);
    out << L")";
    return out.Text();
}

Ovo::String MakeAnalyzerFormula(const ModelPtr& setup) {
    return BuildAnalyzerFormula(true, setup);
}

Ovo::String MakeAnalyzerFormulaOnVirtualVolume(const ModelPtr& setup) {
    return BuildAnalyzerFormula(false, setup);
}

Ovo::String MakeVolumeFormula(VolumeCalibrator& calibrator, const ModelPtr& setup) {
    return calibrator.BuildVolumeCalcText(Signed(GetModelParam<2>(setup)));
}

Ovo::String BuildMaxDetectorFormula(const Ovo::String& source, const ModelPtr&) {
    FormulaStream out;
    out << L"PVMaxDet(" << source.ToWString() << L")";
    return out.Text();
}

namespace {

// The fitted terms of the chosen relations; false when a chosen fit fails.
bool FitTerms(TarvikData& data, std::int32_t espvrType, std::int32_t edpvrType, double (&es)[3],
              double (&ed)[2]) {
    double unused = 0.0;
    if (espvrType == kLinear && !data.FitLinearESPVR(es[0], es[1], unused))
        return false;
    if (espvrType == kCurved) {
        std::vector<double> terms(3, 0.0);
        if (!data.FitQuadraticRelation(terms, nullptr, true))
            return false;
        for (std::size_t i = 0; i < 3 && i < terms.size(); ++i)
            es[i] = terms[i];
    }
    if (edpvrType == kLinear && !data.FitLinearEDPVR(ed[0], ed[1], unused))
        return false;
    if (edpvrType == kCurved && !data.FitExponentialRelation(&ed[0], &ed[1], &unused, true))
        return false;
    return true;
}

} // namespace

Ovo::String BuildPvaCalcText(TarvikData& data, std::int32_t espvrType, std::int32_t edpvrType,
                             bool hostBusy) {
    static const Ovo::String kDefault(L"PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)");
    double es[3] = {0.0, 0.0, 0.0};
    double ed[2] = {0.0, 0.0};
    double pressure = 0.0, volume = 0.0;
    if (!data.HasEnoughLoops() || hostBusy || !FitTerms(data, espvrType, edpvrType, es, ed) ||
        !data.FitPressureVolumeRelations(pressure, volume))
        return kDefault;
    FormulaStream out;
    out << L"PVACalc(tarvik, " << espvrType << L", " << edpvrType << L", " << pressure << L", " << volume;
    for (double term : es)
        out << L", " << term;
    for (double term : ed)
        out << L", " << term;
    out << L")";
    return out.Text();
}

Ovo::String BuildParamSelectorFormula(bool area, const Ovo::String& source, std::uint32_t parameter,
                                      double pressureFactor, double volumeFactor) {
    FormulaStream out;
    out << (area ? L"TarvikPVAParamSelector(" : L"TarvikParamSelector(") << source.ToWString() << L", "
        << parameter << L", " << pressureFactor << L", " << volumeFactor << L")";
    return out.Text();
}

std::uint32_t GetPressureChannelParam(const ModelPtr& setup) {
    return GetModelParam<1>(setup);
}

std::uint32_t GetVolumeChannelParam(const ModelPtr& setup) {
    return GetModelParam<2>(setup);
}

Ovo::String GetEcgSourceText(const ModelPtr& setup) {
    return GetModelParam<29>(setup).first;
}

std::int32_t GetEspvrRegressionType(const ModelPtr& loopView) {
    return GetModelParam<23>(loopView);
}

std::int32_t GetEdpvrRegressionType(const ModelPtr& loopView) {
    return GetModelParam<24>(loopView);
}

} // namespace Tarvik
