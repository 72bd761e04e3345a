#include "dialogs/StepDlgBase.h"

#include <algorithm>

#include "controls/BalloonHelp.h"
#include "controls/CWtlBitmapButton.h"
#include "controls/GdiPlusBitmap.h"
#include "controls/GdiplusStarter.h"
#include "controls/ThemeOpen.h"
#include "controls/UxThemeDLL.h"
#include "controls/WindowText.h"
#include "core/NumberText.h"
#include "module/ModuleInstance.h"
#include "platform/gdi/gdi.h"
#include "workflow/ChannelQueries.h"

namespace Tarvik {

namespace {

constexpr WORD kSelectionBitmap = 126;
constexpr UINT kStartSamplingText = 266;
constexpr UINT kStopSamplingText = 267;
constexpr int kThemeBodyText = 4;

struct StepDialogRow {
    std::int32_t model;
    WORD dialogTemplate;
};

// Step-dialog ids 1 to 9.
constexpr StepDialogRow kStepDialogs[] = {
    {kSetupModel, 124},    {kPressureModel, 135}, {kConductanceModel, 136},
    {kSamplingModel, 137}, {kCuvetteModel, 138},  {kSalineModel, 140},
    {kAnalysisModel, 139}, {kAlphaModel, 141},    {kVolumeModel, 142},
};

const StepDialogRow* StepDialog(int id) {
    return id >= 1 && id <= 9 ? &kStepDialogs[id - 1] : nullptr;
}

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The icon-title font with the control font's height.
LOGFONTW IconTitleFontAt(HWND control) {
    LOGFONTW controlFont{};
    if (HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)))
        GetObjectW(font, sizeof controlFont, &controlFont);
    LOGFONTW iconFont{};
    SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof iconFont, &iconFont, 0);
    HFONT temporary = CreateFontIndirectW(&iconFont);
    GetObjectW(temporary, sizeof iconFont, &iconFont);
    DeleteObject(temporary);
    iconFont.lfHeight = controlFont.lfHeight;
    return iconFont;
}

// The height of the text of a word-wrapped static at its width.
int MeasureTextHeight(HWND control, const std::u16string& text, int width) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT bounds{0, 0, width, 0};
    RECT extent = bounds;
    int height = -1;
    if (HTHEME theme = TryOpenTheme(control, u"TEXTSTYLE")) {
        try {
            if (SUCCEEDED(OvoLinkingUtils::UxThemeDLL::GetThemeTextExtent(
                    theme, dc, kThemeBodyText, 0, text.c_str(), DT_WORDBREAK | DT_CALCRECT, &bounds,
                    &extent)))
                height = extent.bottom - extent.top;
        } catch (...) {
        }
        CloseTheme(theme);
    }
    if (height < 0) {
        extent = bounds;
        DrawTextW(dc, text.c_str(), -1, &extent, DT_WORDBREAK | DT_CALCRECT);
        height = extent.bottom - extent.top;
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return height;
}

const Ovo::String& SamplingText(bool sampling) {
    static const Ovo::String start = LoadModuleString(kStartSamplingText);
    static const Ovo::String stop = LoadModuleString(kStopSamplingText);
    return sampling ? stop : start;
}

bool Listed(std::span<const int> ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

std::int32_t StepDialogModelId(int stepDialogId) {
    const StepDialogRow* row = StepDialog(stepDialogId);
    return row != nullptr ? row->model : 0;
}

WORD StepDialogTemplateId(int stepDialogId) {
    const StepDialogRow* row = StepDialog(stepDialogId);
    return row != nullptr ? row->dialogTemplate : 0;
}

StepDlgCore::StepDlgCore(TarvikDocument& document, std::int32_t modelId)
    : StepDlgModelHandler(document, document.GetModel(modelId)) {}

StepDlgCore::~StepDlgCore() {
    mSamplingButton.reset();
    mBitmapButtons.clear();
    mBitmaps.clear();
    if (mHeadingFont != nullptr)
        DeleteObject(mHeadingFont);
    if (mDescriptionFont != nullptr)
        DeleteObject(mDescriptionFont);
}

LRESULT StepDlgCore::InitStepDialog() {
    PrepareDialog();
    Model& model = StepModel();
    model.SetSuspended(true);
    OnModelChanged(model.GetParamIdSet());
    OnDocumentChanged();
    model.SetSuspended(false);
    for (HWND child = GetWindow(Dialog(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        SetUpChild(child, GetDlgCtrlID(child));
    UpdateSamplingLabel();
    UpdateChannelUnitLabels();
    RECT client{};
    GetClientRect(Dialog(), &client);
    mInitialWidth = client.right - client.left;
    for (const StepDlgResize& entry : Tables().resize)
        if (HWND control = GetDlgItem(Dialog(), entry.id))
            mPlaced.push_back({entry.id, entry.flags, ChildRect(Dialog(), control)});
    return TRUE;
}

void StepDlgCore::SetUpChild(HWND child, int id) {
    const StepDlgTables tables = Tables();
    if (Listed(tables.descriptions, id)) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(MakeDescriptionFont(child)), TRUE);
        FitStaticTextHeight(id);
    }
    if (Listed(tables.selectionButtons, id))
        AddBitmapButton(id, kSelectionBitmap);
    if (Listed(tables.samplingButtons, id))
        CreateSamplingButton(id);
    SetUpControl(child, id);
}

void StepDlgCore::DestroyStepDialog() {
    Model& model = StepModel();
    if (model.GetStepMessage().HasMessage())
        model.RollbackChange();
}

void StepDlgCore::ResizeStepDialog(int width) {
    if (mInitialWidth < 0)
        return;
    const int dx = width - mInitialWidth;
    for (const Placed& placed : mPlaced) {
        HWND control = GetDlgItem(Dialog(), placed.id);
        if (control == nullptr)
            continue;
        RECT rect = placed.rect;
        if (placed.flags & kMoveX)
            OffsetRect(&rect, dx, 0);
        if (placed.flags & kSizeX)
            rect.right = std::max(rect.left, rect.right + dx);
        SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HFONT StepDlgCore::MakeDescriptionFont(HWND control) {
    if (mDescriptionFont == nullptr) {
        LOGFONTW font = IconTitleFontAt(control);
        font.lfItalic = 1;
        mDescriptionFont = CreateFontIndirectW(&font);
    }
    return mDescriptionFont;
}

HFONT StepDlgCore::MakeHeadingFont(HWND control) {
    if (mHeadingFont == nullptr) {
        LOGFONTW font = IconTitleFontAt(control);
        font.lfWeight = FW_BOLD;
        mHeadingFont = CreateFontIndirectW(&font);
    }
    return mHeadingFont;
}

void StepDlgCore::FitStaticTextHeight(int id) {
    HWND dialog = Dialog();
    HWND control = GetDlgItem(dialog, id);
    const std::u16string text = GetWindowTextString(control);
    if (control == nullptr || text.empty())
        return;
    const RECT rect = ChildRect(dialog, control);
    const int grow = MeasureTextHeight(control, text, rect.right - rect.left) - (rect.bottom - rect.top);
    if (grow < 1)
        return;
    MoveWindow(control, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top + grow, TRUE);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == control)
            continue;
        const RECT other = ChildRect(dialog, child);
        if (other.top > rect.top)
            MoveWindow(child, other.left, other.top + grow, other.right - other.left,
                       other.bottom - other.top, TRUE);
    }
    RECT box{};
    GetWindowRect(dialog, &box);
    SetWindowPos(dialog, nullptr, 0, 0, box.right - box.left, box.bottom - box.top + grow,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StepDlgCore::AlignSeparator(int id, int to) {
    HWND separator = GetDlgItem(Dialog(), id);
    HWND reference = GetDlgItem(Dialog(), to);
    if (separator == nullptr || reference == nullptr)
        return;
    const RECT own = ChildRect(Dialog(), separator);
    const RECT along = ChildRect(Dialog(), reference);
    SetWindowPos(separator, nullptr, along.left - 1, own.top, along.right - along.left + 2,
                 own.bottom - own.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void StepDlgCore::AlignSelectionButton(int buttonId, int editId) {
    HWND button = GetDlgItem(Dialog(), buttonId);
    HWND edit = GetDlgItem(Dialog(), editId);
    if (button == nullptr || edit == nullptr)
        return;
    const RECT own = ChildRect(Dialog(), button);
    const RECT along = ChildRect(Dialog(), edit);
    SetWindowPos(button, nullptr, own.left, along.top - 1, own.right - own.left, along.bottom - along.top + 2,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void StepDlgCore::AddBitmapButton(int id, WORD bitmapId) {
    HWND control = GetDlgItem(Dialog(), id);
    if (control == nullptr)
        return;
    EnsureGdiplusStarted();
    auto button = std::make_unique<WTLControls::CWtlBitmapButton>();
    if (!button->SubclassWindow(control))
        return;
    std::unique_ptr<Gdiplus::Bitmap> bitmap(LoadGdiplusBitmapFromResource(bitmapId, ModuleInstance()));
    if (bitmap && bitmap->GetLastStatus() == Gdiplus::Ok) {
        button->CreateGreyedBitmap(bitmap.get());
        mBitmaps.push_back(std::move(bitmap));
    }
    mBitmapButtons.push_back(std::move(button));
}

void StepDlgCore::UpdateSamplingLabel() {
    const bool sampling = Document().IsSampling();
    const std::span<const int> labels = Tables().samplingLabels;
    for (HWND child = GetWindow(Dialog(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (Listed(labels, GetDlgCtrlID(child)))
            SetWindowTextW(child, SamplingText(sampling).c_str());
}

void StepDlgCore::UpdateChannelUnitLabels() {
    const StepDlgTables tables = Tables();
    if (tables.unitLabels.empty())
        return;
    const Ovo::Unit unit = tables.unitChannel == UnitLabelChannel::kPressure
                               ? GetPressureChannelUnit(Document())
                               : GetVolumeChannelUnit(Document());
    const std::wstring text = unit.Text();
    const std::u16string label(text.begin(), text.end());
    for (int id : tables.unitLabels)
        SetDlgItemTextW(Dialog(), id, label.c_str());
}

void StepDlgCore::CreateSamplingButton(int placeholderId) {
    HWND placeholder = GetDlgItem(Dialog(), placeholderId);
    if (placeholder == nullptr)
        return;
    mSamplingButton = std::make_unique<OwlSamplingButton>(placeholder, Document().HostDocumentObject(),
                                                          [this](bool) { UpdateSamplingLabel(); });
}

double StepDlgCore::GetEditValue(int id) const {
    const std::u16string text = GetWindowTextString(GetDlgItem(Dialog(), id));
    return GetWindowTextAsDouble(std::wstring(text.begin(), text.end()));
}

void StepDlgCore::StoreFromEdit(const std::function<void()>& store) {
    const bool outer = !mUpdating;
    mUpdating = true;
    store();
    SyncModel();
    if (outer)
        mUpdating = false;
}

void StepDlgCore::OnApplyClicked(int checkBoxId, const std::function<void(bool)>& set) {
    HWND box = GetDlgItem(Dialog(), checkBoxId);
    const bool checked = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    Model& model = StepModel();
    StepMessage message;
    if (checked) {
        message = model.GetStepMessage();
        if (message.HasMessage()) {
            SendMessageW(box, BM_SETCHECK, BST_UNCHECKED, 0);
            ShowBalloonFormattedAtControl(box, message);
            return;
        }
    }
    set(checked);
    SyncModel();
    if (!checked)
        return;
    message = model.GetStepMessage();
    if (!message.HasMessage())
        message = model.GetStepStatusMessage();
    if (message.HasMessage()) {
        // The model and the box agree again: the apply flag goes back to false.
        set(false);
        SyncModel();
        SendMessageW(box, BM_SETCHECK, BST_UNCHECKED, 0);
        ShowBalloonFormattedAtControl(box, message);
    }
}

StepDlgClassObjBase* gStepDlgClassObjects = nullptr;

StepDlgClassObjBase::StepDlgClassObjBase() : mNext(gStepDlgClassObjects) {
    gStepDlgClassObjects = this;
}

} // namespace Tarvik
