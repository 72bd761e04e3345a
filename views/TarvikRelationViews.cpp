#include "views/TarvikRelationViews.h"

#include "analysis/TarvikData.h"
#include "document/TarvikDocument.h"
#include "workflow/ChannelQueries.h"

namespace Tarvik {

namespace {

Ovo::String Text(UINT id) {
    return LoadViewTitle(id);
}

// Extents of a point list: x first. Only written when the list can be drawn.
bool WriteRange(bool drawable, const PlotExtent& x, const PlotExtent& y, float* xMin, float* xMax,
                float* yMin, float* yMax) {
    if (!drawable)
        return false;
    if (xMin != nullptr)
        *xMin = x.minimum;
    if (xMax != nullptr)
        *xMax = x.maximum;
    if (yMin != nullptr)
        *yMin = y.minimum;
    if (yMax != nullptr)
        *yMax = y.maximum;
    return true;
}

} // namespace

// --- dP/dt max against end-diastolic volume -------------------------------------------------------------

bool TarvikdPdTMaxEDVGraphView::GetRegression(double& b, double& a, double& r) {
    TarvikData* loops = Loops();
    return loops != nullptr && loops->FitdPdtMaxEDVLine(b, a, r);
}

Ovo::String TarvikdPdTMaxEDVGraphView::GetXTitle() {
    return Text(122);
}

Ovo::String TarvikdPdTMaxEDVGraphView::GetXAbbreviation() {
    return Text(162);
}

Ovo::String TarvikdPdTMaxEDVGraphView::GetYTitle() {
    return Text(137);
}

Ovo::String TarvikdPdTMaxEDVGraphView::GetYAbbreviation() {
    return Text(126);
}

Ovo::String TarvikdPdTMaxEDVGraphView::GetYUnitText() {
    return Ovo::String(GetYUnit().Text() + L"/s");
}

bool TarvikdPdTMaxEDVGraphView::GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) {
    TarvikData* loops = Loops();
    if (loops == nullptr)
        return false;
    const TarvikData::PlotRanges ranges = loops->GetdPdtMaxEDVPlotRanges();
    return WriteRange(ranges.drawable, ranges.x, ranges.y, xMin, xMax, yMin, yMax);
}

Ovo::String TarvikdPdTMaxEDVGraphView::GetHelpTipText() {
    return Text(272);
}

Ovo::String TarvikdPdTMaxEDVGraphView::GetHelpTopic() {
    return Text(273);
}

// --- Pressure-volume products -----------------------------------------------------------------------

Ovo::String PressureVolumeProductView::GetYUnitText() {
    TarvikDocument* document = ModuleDocument();
    if (document == nullptr || LoopCount() == 0)
        return Ovo::String();
    return Ovo::String(GetPressureChannelUnit(*document).Text() + L"*" +
                       GetVolumeChannelUnit(*document).Text());
}

Ovo::String PressureVolumeProductView::GetXAbbreviation() {
    return Text(162);
}

bool TarvikPRSWGraphView::GetRegression(double& b, double& a, double& r) {
    TarvikData* loops = Loops();
    return loops != nullptr && loops->FitPRSWLine(b, a, r);
}

Ovo::String TarvikPRSWGraphView::GetXTitle() {
    return Text(122);
}

Ovo::String TarvikPRSWGraphView::GetYTitle() {
    return Text(112);
}

Ovo::String TarvikPRSWGraphView::GetYAbbreviation() {
    return Text(179);
}

bool TarvikPRSWGraphView::GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) {
    TarvikData* loops = Loops();
    if (loops == nullptr)
        return false;
    const TarvikData::PlotRanges ranges = loops->GetPRSWPlotRanges();
    return WriteRange(ranges.drawable, ranges.x, ranges.y, xMin, xMax, yMin, yMax);
}

Ovo::String TarvikPRSWGraphView::GetHelpTipText() {
    return Text(270);
}

Ovo::String TarvikPRSWGraphView::GetHelpTopic() {
    return Text(271);
}

bool TarvikPVAEDVView::GetRegression(double& b, double& a, double& r) {
    TarvikData* loops = Loops();
    return loops != nullptr && loops->FitPVALine(&TarvikData::LoopVed, b, a, r);
}

Ovo::String TarvikPVAEDVView::GetXTitle() {
    return Text(122);
}

Ovo::String TarvikPVAEDVView::GetYTitle() {
    return Text(244);
}

bool TarvikPVAEDVView::GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) {
    TarvikData* loops = Loops();
    if (loops == nullptr)
        return false;
    return WriteRange(loops->HasEnoughLoops(), loops->GetExtents().ved, loops->GetExtents().pva, xMin, xMax,
                      yMin, yMax);
}

Ovo::String TarvikPVAEDVView::GetHelpTipText() {
    return Text(274);
}

Ovo::String TarvikPVAEDVView::GetHelpTopic() {
    return Text(275);
}

bool TarvikPVAESPView::GetRegression(double& b, double& a, double& r) {
    TarvikData* loops = Loops();
    return loops != nullptr && loops->FitPVALine(&TarvikData::LoopPes, b, a, r);
}

Ovo::Unit TarvikPVAESPView::GetXUnit() {
    TarvikDocument* document = ModuleDocument();
    return document != nullptr && LoopCount() > 0 ? GetPressureChannelUnit(*document) : Ovo::Unit();
}

Ovo::String TarvikPVAESPView::GetXTitle() {
    return Text(120);
}

Ovo::String TarvikPVAESPView::GetXAbbreviation() {
    return Text(163);
}

Ovo::String TarvikPVAESPView::GetYTitle() {
    return Text(244);
}

bool TarvikPVAESPView::GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) {
    TarvikData* loops = Loops();
    if (loops == nullptr)
        return false;
    return WriteRange(loops->HasEnoughLoops(), loops->GetExtents().pes, loops->GetExtents().pva, xMin, xMax,
                      yMin, yMax);
}

Ovo::String TarvikPVAESPView::GetHelpTipText() {
    return Text(276);
}

Ovo::String TarvikPVAESPView::GetHelpTopic() {
    return Text(277);
}

} // namespace Tarvik
