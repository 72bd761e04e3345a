// The module's menu, the enablers of its commands and the refresh of command
// states that follows the workflow step, and the commands that open views and
// the set-up and workflow-mode dialogs.

#include "document/TarvikDocument.h"

#include "core/MsgData.h"
#include "core/ResourceStrings.h"
#include "document/DocumentUi.h"
#include "module/HostCommands.h"
#include "module/HostServices.h"
#include "module/ModuleInstance.h"
#include "module/SendDocMessage.h"
#include "platform/user/menu_api.h"
#include "platform/user/window_api.h"
#include "platform/vantrel/HostViews.h"
#include "platform/vantrel/IHostViewService.h"
#include "workflow/ModelClassObjects.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/WorkflowSteps.h"

namespace Tarvik {

namespace {

// One entry of the module's menu after its top menu. Commands are numbers of the module's space (0
// for separators and submenus); a keyed entry has an image (a PNG of the module) and the host's flags.
struct MenuEntry {
    const char16_t* path;
    WORD command;
    UINT text;
    WORD image; // 0: not keyed
    WORD flags;
};

// clang-format off
constexpr MenuEntry kMenu[] = {
    {u"Tarvik^EXTENSION|", 0, 2010, 0, 0},
    {u"Tarvik|Workflow", 31, 2160, 0, 2},
    {u"Tarvik|-", 0, 0, 0, 0},
    {u"Tarvik|Settings...", 13, 2020, 114, 10},
    {u"Tarvik|-", 0, 0, 0, 0},
    {u"Tarvik^EXTENSION|TarvikA^VIEWS", 15, 2030, 117, 10},
    {u"Tarvik^EXTENSION|TarvikPlots^VIEWS", 22, 2150, 120, 0x208},
    {u"Tarvik^EXTENSION|TarvikH^VIEWS", 14, 2050, 115, 10},
    {u"Tarvik|-", 0, 0, 0, 0},
    {u"Tarvik^EXTENSION|TarvikSaline^CALIBRATIONS", 27, 2110, 116, 2},
    {u"Tarvik^EXTENSION|TavrikCuvette^CALIBRATIONS", 28, 140, 116, 2},
    {u"Tarvik|-", 0, 0, 0, 0},
    {u"Tarvik^EXTENSION|TarvikPRSW^PLOTS", 23, 2040, 116, 2},
    {u"Tarvik^EXTENSION|TarvikdPdT^PLOTS", 24, 2120, 116, 2},
    {u"Tarvik^EXTENSION|TarvikPvaEdv^PLOTS", 25, 2130, 116, 2},
    {u"Tarvik^EXTENSION|TarvikPvaEsp^PLOTS", 26, 2140, 116, 2},
    {u"Tarvik|-", 0, 0, 0, 0},
    {u"Tarvik|Show Loop Markers^ONLINE", 17, 2070, 0, 2},
    {u"Tarvik|Online Mode^ONLINE", 19, 2080, 0, 2},
    {u"Tarvik|-", 0, 0, 0, 0},
    {u"Tarvik|Reselect^ANALYZE", 18, 2090, 0, 2},
    {u"Tarvik|Clear Analysis^ANALYZE", 20, 2100, 0, 2},
    {u"Tarvik|Analyze^ANALYZE", 21, 2060, 112, 10},
    {u"Tarvik|-", 0, 0, 0, 0},
    {u"Tarvik|Workflow Mode...", 32, 2170, 0, 2},
};
// clang-format on

// State bits of a host menu item: the command is offered in the current step (8), the view command is
// (2).
constexpr WORD kStepBit = 8;
constexpr WORD kViewStepBit = 2;

VARIANT_BOOL Bool(bool value) {
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

// Sends the host one message about a view: its parameter block starts with the view's kind.
template <class Record>
void SendViewMessage(TarvikDocument& document, Record record, DWORD flags, DWORD targetId = 0) {
    SendDocMessageTo(record, document, document.Target(), targetId, flags);
}

// The position and size of a floating view centred in the host's data window.
RECT CentredRect(HWND window, LONG width, LONG height) {
    RECT client{0, 0, 0, 0};
    if (window != nullptr)
        GetClientRect(window, &client);
    const LONG left = (client.right - width) / 2, top = (client.bottom - height) / 2;
    return RECT{left, top, left + width, top + height};
}

} // namespace

void TarvikDocument::AddMenuCommands(ICAFCommand* command) {
    static const Ovo::String kKey(u"Tarvik");
    AddHostTopMenu(Ovo::String(u"Tarvik"), kKey);
    const WORD space = MessageSpace(TarvikDocumentGUID);
    for (const MenuEntry& entry : kMenu) {
        const DWORD id = entry.command != 0 && space != 0 ? MakeMessageId(space, entry.command) : 0;
        AddHostMenuEntry(command, ModuleInstance(), Ovo::String(entry.path), id, entry.text,
                         entry.image != 0 ? &kKey : nullptr, entry.image, entry.flags);
    }
}

// --- Enablers -------------------------------------------------------------------------------------

void TarvikDocument::EnableSettings(ICommandState& state) {
    LONG locked = 1;
    IHostDocObject* host = HostChildDocument();
    state.SetEnabled(Bool(host != nullptr && SUCCEEDED(host->GetEditLock(0, &locked)) && locked == 0));
}

void TarvikDocument::EnableWorkflowMode(ICommandState& state) {
    state.SetEnabled(Bool(!IsHostBusy()));
}

void TarvikDocument::EnableWorkflow(ICommandState& state) {
    state.SetEnabled(Bool(GetModelParam<34>(FindModel())));
}

void TarvikDocument::EnableViewGroup(ICommandState& state) {
    state.SetEnabled(VARIANT_TRUE);
}

void TarvikDocument::EnableShowLoopMarkers(ICommandState& state) {
    state.SetEnabled(Bool(!IsHostBusy()));
    state.SetCheck(GetModelParam<36>(FindModel()) ? 1 : 0, 3);
}

void TarvikDocument::EnableOnlineMode(ICommandState& state) {
    state.SetEnabled(Bool(!IsHostBusy()));
    state.SetCheck(GetModelParam<35>(FindModel()) ? 1 : 0, 3);
}

void TarvikDocument::RefreshCommandStates() {
    const auto update = [this](TarvikMessageId command, WORD bit) {
        const ComPtr<ICommandState> item = FindHostCommandItem(command);
        if (!item)
            return;
        if (IsCommandAllowedInStep(*this, command))
            item->ModifyState(bit, 0);
        else
            item->ModifyState(0, bit);
    };
    for (const TarvikMessageId command : {DocMsgId<14>(), DocMsgId<21>(), DocMsgId<22>()})
        update(command, kStepBit);
    for (const TarvikMessageId command :
         {DocMsgId<23>(), DocMsgId<24>(), DocMsgId<25>(), DocMsgId<26>(), DocMsgId<27>(), DocMsgId<28>()})
        update(command, kViewStepBit);
    NotifyHostCommandStatesChanged();
}

// --- Views ----------------------------------------------------------------------------------------

void TarvikDocument::OpenView(TarvikMessageId kind) {
    constexpr DWORD kOpenViewFlags = 4;
    SendViewMessage(*this, Ovo::MakeMsgData1<std::uint32_t>(kOpenViewMessage, kind), kOpenViewFlags);
}

void TarvikDocument::OnOpenTableView() {
    OpenView(DocMsgId<2>());
}

void TarvikDocument::OnOpenLoopView() {
    OpenView(DocMsgId<4>());
}

void TarvikDocument::OnOpenPRSWPlot() {
    OpenView(DocMsgId<5>());
}

void TarvikDocument::OnOpenDpdtPlot() {
    OpenView(DocMsgId<7>());
}

void TarvikDocument::OnOpenPvaEdvPlot() {
    OpenView(DocMsgId<9>());
}

void TarvikDocument::OnOpenPvaEspPlot() {
    OpenView(DocMsgId<10>());
}

void TarvikDocument::OnOpenCuvetteView() {
    OpenView(DocMsgId<11>());
}

void TarvikDocument::PlaceView(TarvikMessageId kind, const RECT& rect, DWORD flags, DWORD targetId) {
    ViewPlacementBlock block;
    block.kind = kind;
    block.left = rect.left;
    block.top = rect.top;
    block.right = rect.right;
    block.bottom = rect.bottom;
    SendDocMessageBlock(kPlaceViewMessage, flags, &block, *this, Target(), nullptr, targetId);
}

HWND TarvikDocument::HostDataWindow() {
    HWND window = nullptr;
    const auto data = QueryInterfacePtr<IHostDataWindow>(HostDocumentObject(), IID_IHostDataWindow);
    if (data)
        data->GetWindow(&window);
    return window;
}

// A saline calibration view that is not open yet floats, 450 pixels square, centred in the data window.
void TarvikDocument::OnOpenSalineView() {
    constexpr LONG kSize = 450;
    constexpr DWORD kPlaceFlags = 0x814, kPlaceTarget = 0x100029;
    const TarvikMessageId kind = DocMsgId<8>();
    ComPtr<IUnknown> existing;
    OpenHostViewOfClass(kHostViewClassCode, kind, 0, existing.Put());
    if (!existing)
        PlaceView(kind, CentredRect(HostDataWindow(), kSize, kSize), kPlaceFlags, kPlaceTarget);
    OpenView(kind);
}

void TarvikDocument::OpenWorkflowPanel() {
    constexpr DWORD kPanelFlags = 0x14, kPanelTarget = 0x100020;
    SendViewMessage(*this, Ovo::MakeMsgData1<std::uint32_t>(kOpenPanelMessage, DocMsgId<12>()), 0);
    SendViewMessage(*this, Ovo::MakeMsgData1<std::uint32_t>(kPanelActionMessage, DocMsgId<12>()), kPanelFlags,
                    kPanelTarget);
}

void TarvikDocument::OnWorkflow() {
    constexpr DWORD kTileTarget = 0x100000;
    OpenWorkflowPanel();
    if (GetModelParam<26>(GetModel(kWorkflowViewModel)))
        SendViewMessage(*this, Ovo::MsgData0{kTileViewsMessage, 0}, 0, kTileTarget);
}

// --- Dialogs --------------------------------------------------------------------------------------

void TarvikDocument::OnSettings() {
    OnOpenSettings();
}

// The set-up dialog edits a suspended copy of the set-up model; OK copies it back, commits, analyses
// with the new set-up and marks the settings to be saved.
HRESULT TarvikDocument::OnOpenSettings() {
    const DocumentUi& ui = GetDocumentUi();
    const ModelPtr setup = FindModel();
    if (ui.runSetupDialog == nullptr || !setup)
        return S_OK;
    const ModelPtr copy = MakeModelSharedPtr(CreateRegisteredObject(kSetupModel, this));
    if (!copy)
        return S_OK;
    copy->CopyStateFrom(setup.get());
    copy->SetSuspended(true);
    if (ui.runSetupDialog(HostDataWindow(), *this, copy) != 1)
        return S_OK;
    setup->CopyStateFrom(copy.get());
    setup->CommitChange();
    ReregisterOnlineSink();
    mEcgSourceLost = 0;
    OnAnalyzeNow();
    // The accepted set-up is the document's settings now: stored settings are never read over it.
    if (!mLoading) {
        mSettingsLoaded = true;
        MarkSettingsDirty();
    }
    if (!mBusy && !mRerunning)
        RequestReanalysis();
    return S_OK;
}

void TarvikDocument::OnWorkflowMode() {
    const DocumentUi& ui = GetDocumentUi();
    const ModelPtr setup = FindModel();
    if (ui.runWorkflowModeDialog == nullptr || !setup)
        return;
    const bool wasInUse = GetModelParam<34>(setup);
    bool inUse = wasInUse;
    if (ui.runWorkflowModeDialog(GetActiveWindow(), inUse) != 1)
        return;
    SetModelParam<34>(setup, inUse);
    if (!inUse) {
        // Without the workflow the channels must be set: the first two channels unless one is taken.
        const std::uint32_t firstRead = GetModelParam<1>(setup);
        if (firstRead == kNoChannel)
            SetModelParam<1>(setup, GetModelParam<2>(setup) == 0 ? 1u : 0u);
        if (GetModelParam<2>(setup) == kNoChannel)
            SetModelParam<2>(setup, firstRead == 1 ? 2u : 1u);
        OpenWorkflowPanel();
    } else if (!wasInUse) {
        OnWorkflow();
    }
    setup->CommitChange();
}

// --- The Plots submenu ----------------------------------------------------------------------------

namespace {

struct PlotCommand {
    TarvikMessageId (*id)();
    UINT text;
};

constexpr PlotCommand kPlotCommands[] = {
    {&DocMsgId<23>, 2040}, {&DocMsgId<24>, 2120}, {&DocMsgId<25>, 2130}, {&DocMsgId<26>, 2140}};

} // namespace

HRESULT TarvikDocument::OnFillPlotsMenu(ULONG_PTR handle) {
    const auto menu = reinterpret_cast<HMENU>(handle);
    if (menu == nullptr)
        return S_FALSE;
    while (GetMenuItemCount(menu) > 0)
        RemoveMenu(menu, 0, MF_BYPOSITION);
    for (const PlotCommand& command : kPlotCommands)
        AppendMenuW(menu, MF_STRING, command.id(), LoadModuleString(command.text).c_str());
    return S_OK;
}

HRESULT TarvikDocument::OnRunPlotsMenu(ULONG_PTR, ULONG_PTR chosen) {
    const auto id = static_cast<TarvikMessageId>(chosen);
    if (id == DocMsgId<23>())
        OnOpenPRSWPlot();
    else if (id == DocMsgId<24>())
        OnOpenDpdtPlot();
    else if (id == DocMsgId<25>())
        OnOpenPvaEdvPlot();
    else if (id == DocMsgId<26>())
        OnOpenPvaEspPlot();
    else
        return S_FALSE;
    return S_OK;
}

ComPtr<IUnknown> TarvikDocument::HostViewTree() {
    ComPtr<IUnknown> root;
    if (IHostViewService* views = GetHostViewService())
        views->GetViewTree(Identity(), root.Put());
    return root;
}

} // namespace Tarvik
