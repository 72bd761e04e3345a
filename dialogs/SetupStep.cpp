#include "dialogs/SetupStep.h"

#include <algorithm>

#include "module/ModuleInstance.h"
#include "platform/gdi/gdi.h"
#include "workflow/ChannelQueries.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

namespace {

enum : int { kWorkflow = 1070, kPressure = 1005, kVolume = 1006 };
constexpr UINT kChooseHint = 262;
constexpr UINT kSmallMammal = 263;
constexpr UINT kLargeMammal = 22941;
constexpr int kMaxExtent = 400;
constexpr std::uint32_t kNoChannelIndex = 0x80000000u;

const StepDlgResize kResize[] = {{kWorkflow, kSizeX}, {kPressure, kSizeX}, {kVolume, kSizeX}};

void SelectChannel(HWND dialog, int id, std::uint32_t channel) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL,
                        channel == kNoChannelIndex ? static_cast<WPARAM>(-1) : channel, 0);
}

} // namespace

void FillCombo(HWND dialog, int id, const std::vector<std::u16string>& texts) {
    HWND combo = GetDlgItem(dialog, id);
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    int width = static_cast<int>(SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0));
    for (const std::u16string& text : texts) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const int wide = std::min(static_cast<int>(extent.cx), kMaxExtent);
        if (wide > width) {
            SendMessageW(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(wide + 8), 0);
            width = wide;
        }
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);
}

LRESULT ChooseCombo::OnPaint(UINT message, WPARAM wParam, LPARAM lParam, BOOL&) {
    DefWindowProc(message, wParam, lParam);
    if (SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0) >= 0)
        return 0;
    static const Ovo::String hint = LoadModuleString(kChooseHint);
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
    RECT text{};
    DrawTextW(dc, hint.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    client.left += 4;
    client.top += ((client.bottom - client.top) - (text.bottom - text.top)) / 2;
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, hint.c_str(), -1, &client, DT_SINGLELINE);
    SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return 0;
}

StepDlgTables SetupStep::Tables() const {
    StepDlgTables tables;
    tables.resize = kResize;
    return tables;
}

void SetupStep::PrepareDialog() {
    mWorkflow.SubclassWindow(GetDlgItem(kWorkflow));
    mPressure.SubclassWindow(GetDlgItem(kPressure));
    mVolume.SubclassWindow(GetDlgItem(kVolume));
    FillCombo(m_hWnd, kWorkflow,
              {LoadModuleString(kSmallMammal).ToU16String(), LoadModuleString(kLargeMammal).ToU16String()});
    std::vector<std::u16string> titles;
    GetChannelTitles(Document(), titles);
    FillCombo(m_hWnd, kPressure, titles);
    FillCombo(m_hWnd, kVolume, titles);
}

void SetupStep::OnModelChanged(const ModelParamSet& changed) {
    Model& model = StepModel();
    if (changed.Test(0)) {
        const std::int32_t kind = GetModelParam<0>(model);
        SendDlgItemMessageW(m_hWnd, kWorkflow, CB_SETCURSEL, kind == 1 || kind == 2 ? kind - 1 : -1, 0);
    }
    if (changed.Test(1))
        SelectChannel(m_hWnd, kPressure, GetModelParam<1>(model));
    if (changed.Test(2))
        SelectChannel(m_hWnd, kVolume, GetModelParam<2>(model));
}

LRESULT SetupStep::OnSelectionChange(WORD, WORD id, HWND control, BOOL&) {
    const LRESULT selected = ::SendMessageW(control, CB_GETCURSEL, 0, 0);
    Model& model = StepModel();
    // No selection is stored as "no channel", not as an index.
    const std::uint32_t channel = selected < 0 ? kNoChannelIndex : static_cast<std::uint32_t>(selected);
    if (id == kWorkflow)
        SetModelParam<0>(model, selected == 0 ? 1 : selected == 1 ? 2 : 0);
    else if (id == kPressure)
        SetModelParam<1>(model, channel);
    else if (id == kVolume)
        SetModelParam<2>(model, channel);
    SyncModel();
    return 0;
}

} // namespace Tarvik
