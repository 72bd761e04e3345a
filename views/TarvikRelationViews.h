#pragma once
// The four relation plots: one point per analysed loop against a second loop quantity, with the
// straight regression line through the points. dP/dt max and PRSW (stroke work) against end-diastolic
// volume, pressure-volume area against end-diastolic volume and against end-systolic pressure. Each
// only answers the graph view base's questions.

#include "views/TarvikGraphViewBase.h"
#include "views/TitledView.h"

namespace Tarvik {

class TarvikdPdTMaxEDVGraphView : public TitledView<135, TarvikGraphViewBase> {
public:
    using TitledView::TitledView;
    bool GetRegression(double& b, double& a, double& r) override;
    Ovo::String GetXTitle() override;
    Ovo::String GetXAbbreviation() override;
    Ovo::String GetYTitle() override;
    Ovo::String GetYAbbreviation() override;
    Ovo::String GetYUnitText() override; // the pressure unit per second
    int GetPlotKind() override { return 3; }
    int GetRegressionGlyph() override { return IsLatestLoopsOnly() ? -1 : 2; }
    bool GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) override;
    UINT GetReadoutFormat() override { return 138; }
    Ovo::String GetHelpTipText() override;
    Ovo::String GetHelpTopic() override;
};

// The y quantity of the next three is a product of pressure and volume: its unit is the pressure
// unit, "*", the volume unit.
class PressureVolumeProductView : public TarvikGraphViewBase {
public:
    using TarvikGraphViewBase::TarvikGraphViewBase;
    Ovo::String GetYUnitText() override;
    Ovo::String GetXAbbreviation() override;
};

class TarvikPRSWGraphView : public TitledView<107, PressureVolumeProductView> {
public:
    using TitledView::TitledView;
    bool GetRegression(double& b, double& a, double& r) override;
    Ovo::String GetXTitle() override;
    Ovo::String GetYTitle() override;
    Ovo::String GetYAbbreviation() override;
    int GetPlotKind() override { return 1; }
    int GetRegressionGlyph() override { return IsLatestLoopsOnly() ? -1 : 0; }
    bool GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) override;
    UINT GetReadoutFormat() override { return 133; }
    Ovo::String GetHelpTipText() override;
    Ovo::String GetHelpTopic() override;
};

class TarvikPVAEDVView : public TitledView<1087, PressureVolumeProductView> {
public:
    using TitledView::TitledView;
    bool GetRegression(double& b, double& a, double& r) override;
    Ovo::String GetXTitle() override;
    Ovo::String GetYTitle() override;
    Ovo::String GetYAbbreviation() override { return GetYTitle(); }
    int GetPlotKind() override { return 9; }
    int GetRegressionGlyph() override { return 7; }
    bool GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) override;
    UINT GetReadoutFormat() override { return 151; }
    Ovo::String GetHelpTipText() override;
    Ovo::String GetHelpTopic() override;
    bool CanBuildPlot() override { return !IsLatestLoopsOnly(); }
};

class TarvikPVAESPView : public TitledView<1088, PressureVolumeProductView> {
public:
    using TitledView::TitledView;
    bool GetRegression(double& b, double& a, double& r) override;
    Ovo::Unit GetXUnit() override; // the pressure channel's
    Ovo::String GetXTitle() override;
    Ovo::String GetXAbbreviation() override;
    Ovo::String GetYTitle() override;
    Ovo::String GetYAbbreviation() override { return GetYTitle(); }
    int GetPlotKind() override { return 11; }
    int GetRegressionGlyph() override { return 10; }
    bool GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) override;
    UINT GetReadoutFormat() override { return 152; }
    Ovo::String GetHelpTipText() override;
    Ovo::String GetHelpTopic() override;
    bool CanBuildPlot() override { return !IsLatestLoopsOnly(); }
};

} // namespace Tarvik
