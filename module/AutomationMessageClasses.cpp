#include "module/AutomationMessageClasses.h"

namespace Ovo {

namespace {

Param Long(const char16_t* text) {
    return {ParamType::Long, String(text)};
}
Param Unsigned(const char16_t* text) {
    return {ParamType::UnsignedLong, String(text)};
}
Param Double(const char16_t* text) {
    return {ParamType::Double, String(text)};
}
Param Bool(const char16_t* text) {
    return {ParamType::Bool, String(text)};
}
Param Text(const char16_t* text) {
    return {ParamType::String, String(text)};
}

std::vector<MessageClassDef> MakeDefs() {
    return {
        {256,
         u"AddSelToTarvikCuvetteCalibration",
         u"Adds the current Strev View selection to Cuvette Calibration in Tarvik.",
         {}},
        {257, u"AnalyzeTarvikNow", u"Performs the analysis currently set up in the Tarvik module", {}},
        {258, u"ClearTarvikAnalysis", u"Clears the last analysis performed by Tarvik", {}},
        {259,
         u"ReselectTarvikAnalyzedRegion",
         u"Reselects the data that was used in the last Tarvik analysis",
         {}},
        {260, u"ToggleTarvikOnlineMode", u"Enables/disables Tarvik from analyzing while sampling", {}},
        {261,
         u"ToggleTarvikEventMarkers",
         u"Enables/disables the event markers appearing on Tarvik events",
         {}},
        {262,
         u"ApplyTarvikSalineCalibration",
         u"Uses Vp as the parallel conductance to use in Tarvik calculations, and reanalyzes",
         {Double(u"Vp - parallel conductance; in unprefixed units")}},
        {263, u"DisableTarvikSalineCalibration", u"Disables saline calibration, and reanalyzes", {}},
        {270,
         u"ApplyTarvikCuvetteCalibration",
         u"Sets the values for the cuvette calibration, and reanalyzes",
         {Double(u"slope - coefficient of linear conversion; in uL per unprefixed conductance unit"),
          Double(u"intercept - intercept of linear conversion; in uL")}},
        {271, u"DisableTarvikCuvetteCalibration", u"Disables cuvette calibration, and reanalyzes", {}},
        {268,
         u"SelectATarvik",
         u"Selects specified loop in the Loop View and Hemodynamics Table",
         {Long(u"LoopIdx - loop index, starting from zero. -1 will deselect all loops")}},
        {269,
         u"TarvikTableRowSelected",
         u"Message for special handling for when the table row being selected",
         {Unsigned(u"RowIdx - row index, starting from zero")},
         true},
        {264,
         u"ShowESPVRegression",
         u"Enables or disables showing the end-systolic pressure-volume relation in Loop view.",
         {Bool(u"ShowESPVR")}},
        {265,
         u"ShowEDPVRegression",
         u"Enables or disables showing the end-diastolic pressure-volume relation in Loop view.",
         {Bool(u"ShowEDPVR")}},
        {266,
         u"SetESPVRegressionType",
         u"Sets the type of the end-systolic pressure-volume relation fitted in Loop view, and reanalyzes",
         {Text(u"RegressionType - Can be one of: \"Linear\" or \"Quadratic\"")}},
        {267,
         u"SetEDPVRegressionType",
         u"Sets the type of the end-diastolic pressure-volume relation fitted in Loop view, and reanalyzes",
         {Text(u"RegressionType - Can be one of: \"Linear\" or \"Exponential\"")}},
        {272, u"CopyPVTableToDataPad", u"Copies data from the Hemodynamics Table to the Data Pad.", {}},
        {273,
         u"SetTarvikPressureValueFromSel",
         u"Sets the base values for the pressure calibration from the selection",
         {Long(u"pointIdx - 0 for the first point or 1 for the second point")},
         true},
        {274,
         u"SetTarvikConductanceValueFromSel",
         u"Sets the values for conductance calibration",
         {Long(u"pointIdx - boxes are indexed from left to right")},
         true},
        {276, u"OpenTarvikSettings", u"Opens the Tarvik settings dialog", {}, false, 4},
        {280, u"ArrangeTarvikViews", u"Arranges the views according to the current step in the workflow", {}},
        {281,
         u"AddAnalyzedParallelConductance",
         u"Adds the currently analyzed parallel conductance to the workflow view",
         {}},
        {282,
         u"RemoveParallelConductanceFromList",
         u"Removes the specified parallel conductance from the list in the saline calibration step",
         {Long(u"position - position in the list (starting from 1) of the parallel conductance to remove")}},
        {283,
         u"SetTarvikVolumeValueFromSel",
         u"Sets the values for volume calibration",
         {Long(u"pointIdx - boxes are indexed from left to right")},
         true},
        {284, u"OpenCVXControlSoftware", u"Launches Corvane Instruments' CVX Station Control Interface", {}},
        {285,
         u"EditParallelConductanceInList",
         u"Edits the value of a parallel conductance which is currently in the list in the saline "
         u"calibration step",
         {Long(u"position - position in the list (starting from 1) of the parallel conductance to edit"),
          Double(u"parallelConductance - the new parallel conductance in prefixed volume units")}},
    };
}

} // namespace

const std::vector<MessageClassDef>& AutomationMessageDefs() {
    static const std::vector<MessageClassDef> defs = MakeDefs();
    return defs;
}

AutomationMessageClasses::AutomationMessageClasses(MessageClassList& list) {
    for (const MessageClassDef& def : AutomationMessageDefs()) {
        mClasses.push_back(std::make_unique<MsgIdMessageClassObject>(def, String(u"Tarvik")));
        list.PushFront(mClasses.back().get());
    }
}

AutomationMessageClasses::~AutomationMessageClasses() {
    while (!mClasses.empty())
        mClasses.pop_back();
}

MsgIdMessageClassObject* AutomationMessageClasses::Find(WORD number) const {
    for (const auto& cls : mClasses)
        if (cls->Number() == number)
            return cls.get();
    return nullptr;
}

} // namespace Ovo
