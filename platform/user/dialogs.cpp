// Dialogs from templates: the dialog class, creation, the modal loop and the
// helpers that reach a dialog's controls by id.

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/user/ClassRegistry.h"
#include "platform/user/Desktop.h"
#include "platform/user/DialogTemplate.h"
#include "platform/user/button.h"
#include "platform/user/dialog_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/monitor_api.h"
#include "platform/user/msgbox_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"
#include "platform/win32/utf.h"

namespace user {
namespace {

struct DialogState {
    HFONT font = nullptr;
    bool ownsFont = false;
    SIZE baseUnits{8, 16};
    WORD defaultId = 0;
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
};

DialogState* StateOf(HWND dialog) {
    Window* w = Lookup(dialog);
    return w != nullptr ? static_cast<DialogState*>(w->control.get()) : nullptr;
}

// The average width of the letters and the height of a font, as dialogs measure their units.
SIZE BaseUnitsOf(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE letters{0, 0};
    static const char16_t kLetters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextExtentPoint32W(dc, kLetters, 52, &letters);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return SIZE{(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

RECT MapUnits(const SIZE& base, short x, short y, short cx, short cy) {
    const LONG left = MulDiv(x, base.cx, 4), top = MulDiv(y, base.cy, 8);
    return RECT{left, top, left + MulDiv(cx, base.cx, 4), top + MulDiv(cy, base.cy, 8)};
}

// The window rectangle around a client rectangle for the style.
RECT OuterRect(const RECT& client, DWORD style, DWORD exStyle) {
    const RECT probe{0, 0, 1000, 1000};
    const RECT inner = DefaultClientRect(probe, style, exStyle);
    return RECT{client.left - inner.left, client.top - inner.top, client.right + (probe.right - inner.right),
                client.bottom + (probe.bottom - inner.bottom)};
}

LONG Width(const RECT& r) {
    return r.right - r.left;
}
LONG Height(const RECT& r) {
    return r.bottom - r.top;
}

// Where a dialog goes: a child in its parent's client area, a popup from its owner's client origin
// (the screen's with DS_ABSALIGN or without owner), or centred on the work area with DS_CENTER.
RECT PlaceDialog(const DialogTemplate& t, RECT client, HWND parent) {
    const bool child = (t.style & WS_CHILD) != 0;
    RECT outer = OuterRect(client, t.style, t.exStyle);
    POINT origin{0, 0};
    if (!child && parent != nullptr && (t.style & DS_ABSALIGN) == 0)
        ClientToScreen(parent, &origin);
    if (!child && (t.style & DS_CENTER) != 0) {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        GetMonitorInfoW(MonitorFromWindow(parent, MONITOR_DEFAULTTOPRIMARY), &info);
        const RECT& work = info.rcWork;
        origin = POINT{work.left + (Width(work) - Width(outer)) / 2 - outer.left,
                       work.top + (Height(work) - Height(outer)) / 2 - outer.top};
    }
    return RECT{outer.left + origin.x, outer.top + origin.y, outer.right + origin.x, outer.bottom + origin.y};
}

bool AnswersDirectly(UINT message) {
    return message == WM_INITDIALOG || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
           message == WM_QUERYDRAGICON;
}

WORD FindDefaultButton(HWND dialog) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        if ((SendMessageW(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0)
            return static_cast<WORD>(GetDlgCtrlID(c));
    return 0;
}

LRESULT DefaultDialogMessage(HWND dialog, DialogState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state.font);
    case DM_GETDEFID: {
        const WORD id = state.defaultId != 0 ? state.defaultId : FindDefaultButton(dialog);
        return id != 0 ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID:
        state.defaultId = static_cast<WORD>(wParam);
        return TRUE;
    case WM_NEXTDLGCTL: {
        HWND next = lParam != 0 ? reinterpret_cast<HWND>(wParam)
                                : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0 ? TRUE : FALSE);
        if (next != nullptr)
            SetFocus(next);
        return 0;
    }
    case WM_NCDESTROY:
        if (state.ownsFont && state.font != nullptr)
            DeleteObject(state.font);
        state.font = nullptr;
        return DefWindowProcW(dialog, message, wParam, lParam);
    default:
        return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

// Creates the template's controls in order, in the dialog font; false when one cannot be made.
bool CreateControls(HWND dialog, const DialogTemplate& t, const DialogState& state, HINSTANCE instance) {
    for (const DialogItem& item : t.items) {
        const RECT r = MapUnits(state.baseUnits, item.x, item.y, item.cx, item.cy);
        HWND control =
            CreateWindowExW(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(), item.text.c_str(),
                            item.style | WS_CHILD, r.left, r.top, Width(r), Height(r), dialog,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, nullptr);
        if (control == nullptr)
            return false;
        if (state.font != nullptr)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    }
    return true;
}

HWND CreateFromTemplate(HINSTANCE instance, const DialogTemplate& t, HWND parent, DLGPROC proc, LPARAM param,
                        bool modal) {
    auto state = std::make_shared<DialogState>();
    state->modal = modal;
    if ((t.style & DS_SETFONT) != 0) {
        HDC screen = GetDC(nullptr);
        const int height = -MulDiv(t.pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        state->font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                                  0, t.fontFace.c_str());
        state->ownsFont = state->font != nullptr;
    }
    state->baseUnits =
        BaseUnitsOf(state->font != nullptr ? state->font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    const DWORD style = t.style & ~WS_VISIBLE;
    const DWORD exStyle = t.exStyle | ((t.style & DS_MODALFRAME) != 0 ? WS_EX_DLGMODALFRAME : 0) |
                          ((t.style & DS_CONTROL) != 0 ? WS_EX_CONTROLPARENT : 0);
    const RECT client = MapUnits(state->baseUnits, t.x, t.y, t.cx, t.cy);
    const RECT placed = PlaceDialog(t, RECT{client.left, client.top, client.right, client.bottom}, parent);
    const std::u16string className = t.className.empty() ? std::u16string(kDialogClassName) : t.className;
    HWND dialog =
        CreateWindowExW(exStyle, className.c_str(), t.caption.c_str(), style, placed.left, placed.top,
                        Width(placed), Height(placed), parent, nullptr, instance, nullptr);
    if (dialog == nullptr) {
        if (state->ownsFont)
            DeleteObject(state->font);
        return nullptr;
    }
    Lookup(dialog)->control = state;
    SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    if (state->font != nullptr)
        SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), FALSE);
    if (!CreateControls(dialog, t, *state, instance)) {
        DestroyWindow(dialog);
        return nullptr;
    }
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) != 0 &&
        first != nullptr && IsWindow(dialog))
        SetFocus(first);
    if (IsWindow(dialog) && (t.style & WS_VISIBLE) != 0 && !(modal && state->ended))
        ShowWindow(dialog, SW_SHOWNORMAL);
    return IsWindow(dialog) ? dialog : nullptr;
}

std::optional<DialogTemplate> TemplateAt(const DLGTEMPLATE* data) {
    if (data == nullptr)
        return std::nullopt;
    // The template's end is not known: read as far as the fields say (at most a megabyte).
    return DialogTemplate::Read(data, 1 << 20);
}

std::optional<DialogTemplate> TemplateResource(HINSTANCE instance, LPCWSTR name) {
    HRSRC found = FindResourceW(instance, name, RT_DIALOG);
    if (found == nullptr)
        return std::nullopt;
    const void* data = LockResource(LoadResource(instance, found));
    return data != nullptr ? DialogTemplate::Read(data, SizeofResource(instance, found)) : std::nullopt;
}

std::u16string CaptionOf(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w != nullptr ? w->text : std::u16string();
}

// Enables the owner again and destroys the dialog when the modal run ends, however it ends.
class ModalRun {
public:
    ModalRun(HWND dialog, HWND owner) : mDialog(dialog), mOwner(owner) {
        if (mOwner != nullptr && IsWindowEnabled(mOwner)) {
            EnableWindow(mOwner, FALSE);
            mDisabled = true;
        }
    }
    ~ModalRun() {
        if (mDisabled && IsWindow(mOwner))
            EnableWindow(mOwner, TRUE);
        if (IsWindow(mDialog))
            DestroyWindow(mDialog);
    }
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

private:
    HWND mDialog;
    HWND mOwner;
    bool mDisabled = false;
};

INT_PTR RunModal(HINSTANCE instance, const std::optional<DialogTemplate>& t, HWND owner, DLGPROC proc,
                 LPARAM param) {
    if (!t)
        return -1;
    HWND dialog = CreateFromTemplate(instance, *t, owner, proc, param, true);
    if (dialog == nullptr)
        return -1;
    ModalRun run(dialog, owner);
    DialogState* state = StateOf(dialog);
    Desktop& desktop = Desktop::Current();
    if (!state->ended) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        desktop.Dialogs().Run(DialogShown{dialog, owner, CaptionOf(dialog)});
    }
    for (int dispatched = 0; !state->ended && IsWindow(dialog); ++dispatched) {
        std::optional<MSG> message = desktop.Retrieve(nullptr, 0, 0, true, false);
        if (!message || dispatched > Desktop::kPumpLimit)
            break;
        if (!IsDialogMessageW(dialog, &*message)) {
            TranslateMessage(&*message);
            DispatchMessageW(&*message);
        }
    }
    if (!IsWindow(dialog) || !state->ended)
        throw UnexpectedDialog("the dialog \"" + win32::Utf16ToUtf8(CaptionOf(dialog)) +
                               "\" stayed open after its script");
    return state->result;
}

} // namespace

LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogState* state = StateOf(dialog);
    if (state == nullptr)
        return DefWindowProcW(dialog, message, wParam, lParam);
    if (auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC))) {
        const INT_PTR answer = proc(dialog, message, wParam, lParam);
        if (answer != 0)
            return AnswersDirectly(message) ? answer : GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
        if (message == WM_INITDIALOG)
            return 0;
        if (StateOf(dialog) == nullptr) // gone while its procedure ran
            return 0;
    }
    return DefaultDialogMessage(dialog, *state, message, wParam, lParam);
}

void RegisterDialogClass(ClassRegistry& classes) {
    WNDCLASSW c{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = &DefDlgProcW;
    c.cbWndExtra = DLGWINDOWEXTRA;
    c.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    c.lpszClassName = kDialogClassName;
    classes.Register(c);
}

} // namespace user

using user::DialogState;

HWND CreateDialogIndirectParamW(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND parent,
                                DLGPROC proc, LPARAM param) {
    const std::optional<user::DialogTemplate> t = user::TemplateAt(dialogTemplate);
    return t ? user::CreateFromTemplate(instance, *t, parent, proc, param, false) : nullptr;
}

HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc, LPARAM param) {
    const std::optional<user::DialogTemplate> t = user::TemplateResource(instance, templateName);
    return t ? user::CreateFromTemplate(instance, *t, parent, proc, param, false) : nullptr;
}

INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner,
                                DLGPROC proc, LPARAM param) {
    return user::RunModal(instance, user::TemplateAt(dialogTemplate), owner, proc, param);
}

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
    return user::RunModal(instance, user::TemplateResource(instance, templateName), owner, proc, param);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    DialogState* state = user::StateOf(dialog);
    if (state == nullptr)
        return FALSE;
    state->ended = true;
    state->result = result;
    ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? SendMessageW(control, message, wParam, lParam) : 0;
}

BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? SetWindowTextW(control, text) : FALSE;
}

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int max) {
    if (buffer != nullptr && max > 0)
        buffer[0] = u'\0';
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? static_cast<UINT>(GetWindowTextW(control, buffer, max)) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr)
        return FALSE;
    SendMessageW(control, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND dialog, int first, int last, int id) {
    for (int i = first; i <= last; ++i)
        if (HWND control = GetDlgItem(dialog, i))
            SendMessageW(control, BM_SETCHECK, i == id ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
    DialogState* state = user::StateOf(dialog);
    if (state == nullptr || rect == nullptr)
        return FALSE;
    *rect = user::MapUnits(state->baseUnits, static_cast<short>(rect->left), static_cast<short>(rect->top),
                           static_cast<short>(rect->right - rect->left),
                           static_cast<short>(rect->bottom - rect->top));
    return TRUE;
}

LONG GetDialogBaseUnits() {
    const SIZE base = user::BaseUnitsOf(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    return static_cast<LONG>(MAKELONG(base.cx, base.cy));
}
