#include "dialogs/AnalyseStep.h"

#include "dialogs/SetupStep.h"
#include "module/HostCommands.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/StepLabels.h"

namespace Tarvik {

namespace {

constexpr int kType = 1095;
constexpr DWORD kAnalysisManagerMessage = 0x80010016;
constexpr DWORD kAnalysisManagerView = 0x800D000E;

const int kDescriptions[] = {1074};
const StepDlgResize kResize[] = {{1095, kSizeX}, {1074, kSizeX}, {1072, kSizeX},
                                 {1098, kMoveX}, {1092, kMoveX}, {1094, kMoveX}};

#pragma pack(push, 1)
struct AnalysisManagerRequest {
    std::uint32_t id = kAnalysisManagerMessage;
    std::uint32_t flags = 0;
    std::uint32_t typeCode = 0x114;
    std::uint32_t view = kAnalysisManagerView;
    std::uint32_t value1 = 1;
    std::uint32_t value2 = 1;
};
#pragma pack(pop)

} // namespace

StepDlgTables AnalyseStep::Tables() const {
    StepDlgTables tables;
    tables.descriptions = kDescriptions;
    tables.resize = kResize;
    return tables;
}

void AnalyseStep::PrepareDialog() {
    AlignSeparator(1072);
    std::vector<std::u16string> labels;
    GetAnalysisTypeLabels(labels);
    FillCombo(m_hWnd, kType, labels);
}

void AnalyseStep::SetUpControl(HWND, int id) {
    if (id == 1098)
        AddBitmapButton(1098, 135);
    else if (id == 1094)
        AddBitmapButton(1094, 136);
    else if (id == 1092)
        AddBitmapButton(1092, 138);
}

void AnalyseStep::OnModelChanged(const ModelParamSet& changed) {
    if (!changed.Test(20))
        return;
    const std::int32_t type = GetModelParam<20>(StepModel());
    SendDlgItemMessage(kType, CB_SETCURSEL, type == 0 || type == 1 ? type : static_cast<WPARAM>(-1));
}

LRESULT AnalyseStep::OnTypeChange(WORD, WORD, HWND control, BOOL&) {
    const LRESULT index = ::SendMessageW(control, CB_GETCURSEL, 0, 0);
    SetModelParam<20>(StepModel(), index == 0 || index == 1 ? static_cast<std::int32_t>(index) : -1);
    SyncModel();
    return 0;
}

LRESULT AnalyseStep::OnSettings(WORD, WORD, HWND, BOOL&) {
    SendAutomation(276, 4);
    return 0;
}

LRESULT AnalyseStep::OnAnalyse(WORD, WORD, HWND, BOOL&) {
    SendAutomation(257);
    return 0;
}

LRESULT AnalyseStep::OnAnalysisManager(WORD, WORD, HWND, BOOL&) {
    IUnknown* view = nullptr;
    OpenHostViewOfClass(kAnalysisManagerMessage, kAnalysisManagerView, 1, &view);
    // Without a view object from the host there is nothing to hand on.
    if (view == nullptr)
        return 0;
    TarvikDocument& document = Document();
    SendDocMessageWithArg(AnalysisManagerRequest{}, document, document.Target(), view, 0x100024);
    view->Release();
    return 0;
}

} // namespace Tarvik
