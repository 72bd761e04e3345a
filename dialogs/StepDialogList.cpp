// The class objects of the step dialogs, and the lookup through them.

#include "dialogs/AlphaDlg.h"
#include "dialogs/AnalyseStep.h"
#include "dialogs/CuvetteStep.h"
#include "dialogs/PressureStep.h"
#include "dialogs/SamplingStepDlg.h"
#include "dialogs/SetupStep.h"
#include "dialogs/TwoPointStep.h"
#include "module/ModuleInstance.h"

namespace Tarvik {

namespace {

StepDlgClassObj<SetupStep> gSetupStep;
StepDlgClassObj<PressureStep> gPressureStep;
StepDlgClassObj<ConductanceStep> gConductanceStep;
StepDlgClassObj<SamplingStepDlg> gSamplingStep;
StepDlgClassObj<CuvetteStep> gCuvetteStep;
StepDlgClassObj<AlphaDlg> gAlphaStep;
StepDlgClassObj<AnalyseStep> gAnalyseStep;
StepDlgClassObj<VolumeStep> gVolumeStep;

} // namespace

HWND CreateStepDlgById(int id, HWND parent, TarvikDocument& document) {
    ATL::_AtlBaseModule.SetResourceInstance(ModuleInstance());
    for (StepDlgClassObjBase* object = gStepDlgClassObjects; object != nullptr; object = object->mNext)
        if (object->GetId() == id)
            return object->Create(parent, document);
    return nullptr;
}

} // namespace Tarvik
