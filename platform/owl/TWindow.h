#pragma once
// A window of the framework: an object bound to a window handle, answering its
// messages through response tables (TResponseTable.h). A TWindow made with a
// parent and a title is created later (Create, or its parent's creation) in
// the framework's own window class; one made over an existing handle is an
// alias: it subclasses the window, passes what it does not answer to the
// window's previous procedure, and leaves the window alive when it goes.
//
// An alias made over a window that already has an object stacks on it: the
// alias answers first and its default processing is the other object's, until
// the alias goes and the other object answers alone again.
//
// A scroll bar control's WM_HSCROLL and WM_VSCROLL reach its parent and are
// passed on to the bar's own TWindow when it has one.
//
// Children: a TWindow made with a TWindow parent belongs to it; the parent's
// SetupWindow creates the children not yet created and the parent's
// destruction deletes them. Owner-drawn controls' WM_DRAWITEM and
// WM_MEASUREITEM reach the parent and are passed on to the control's own
// TWindow when it has one.

#include <string>
#include <vector>

#include "platform/owl/TDC.h"
#include "platform/owl/TResponseTable.h"
#include "platform/user/styles.h"

namespace OWL {

class TModule;

// Status bits of a window object.
enum TWindowFlag : UINT {
    wfAlias = 0x0001,   // made over a handle it did not create
    wfCreated = 0x0002, // the window exists and was made through this object
};

class TWindow {
public:
    struct TWindowAttr {
        DWORD Style = WS_CHILD | WS_VISIBLE;
        DWORD ExStyle = 0;
        int X = 0;
        int Y = 0;
        int W = 0;
        int H = 0;
        int Id = 0;
    };

    TWindow(TWindow* parent, LPCWSTR title = nullptr, TModule* module = nullptr);
    // An alias over an existing window.
    explicit TWindow(HWND handle, TModule* module = nullptr);
    // An alias over the parent's control of this id (a dialog template's
    // control), bound when the parent's SetupWindow runs or, for a parent
    // that exists already, by Create.
    TWindow(TWindow* parent, int resourceId, TModule* module);
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    // Creates the window; false when the platform refused. A window that
    // exists already answers true; an alias of a control binds to it (false
    // when the parent has no such control).
    virtual bool Create();
    // True when every child window (of an object) agrees.
    virtual bool CanClose();
    // Paints the update area of a window of the framework's own class.
    virtual void Paint(TDC& dc, bool erase, TRect& rect) {}

    HWND GetHandle() const { return mHandle; }
    operator HWND() const { return mHandle; }
    TWindow* GetParentO() const { return mParent; }
    HWND GetParentH() const;
    const std::u16string& GetTitle() const { return mTitle; }
    bool IsFlagSet(UINT mask) const { return (mFlags & mask) != 0; }
    void SetFlag(UINT mask) { mFlags |= mask; }
    void ClearFlag(UINT mask) { mFlags &= ~mask; }

    TWindowAttr Attr;

    // Forwarding members.
    bool IsWindow() const;
    TRect GetClientRect() const;
    TRect GetWindowRect() const;
    void ScreenToClient(TPoint& point) const;
    void ClientToScreen(TPoint& point) const;
    bool IsZoomed() const;
    // Before creation, sets or clears WS_VISIBLE of the style it is made with.
    bool ShowWindow(int command);
    void Invalidate(bool erase = true) const;
    void UpdateWindow() const;
    HWND SetFocus() const;
    int GetId() const;
    bool SetWindowText(LPCWSTR text) const;
    int GetWindowTextLength() const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const;
    bool KillTimer(UINT_PTR id) const;
    bool MoveWindow(const TRect& rect, bool repaint = false) const;
    bool MoveWindow(int x, int y, int w, int h, bool repaint = false) const;
    bool SetWindowPos(HWND after, int x, int y, int w, int h, UINT flags) const;
    int GetWindowText(LPWSTR buffer, int length) const;
    std::u16string GetWindowTextString() const;
    bool EnableWindow(bool enable) const;
    bool IsWindowEnabled() const;
    bool IsWindowVisible() const;
    void InvalidateRect(const TRect& rect, bool erase = true) const;
    HWND SetCapture() const;
    void ReleaseCapture() const;
    HFONT GetWindowFont() const;
    void SetWindowFont(HFONT font, bool redraw) const;
    DWORD GetStyle() const;
    // Adds and removes style bits of the window, or of Attr before creation.
    void ModifyStyle(DWORD remove, DWORD add);
    TModule* GetModule() const { return mModule; }
    // The window to create this one in when it has no parent object (the
    // object then belongs to whoever made it, not to a parent).
    void SetParentHandle(HWND parent) { mParentHandle = parent; }
    int GetResourceId() const { return mResourceId; }

    // The window procedure of the object: the response tables, then
    // DefaultProcessing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The table search; classes with a table override it (DECLARE_RESPONSE_TABLE).
    virtual bool DispatchEvent(TEventInfo& event);
    // What the window would do without the object for the message being answered.
    LRESULT DefaultProcessing();

    // Handlers of the base table. EvPaint lets a system control paint itself
    // (DefaultProcessing) and paints any other window through Paint;
    // PaintObject always paints through Paint.
    void EvPaint();
    void PaintObject();
    // Passes a command enabler on to the parent window.
    void EvCommandEnable(TCommandEnabler& enabler);
    void EvSysColorChange();
    void EvDrawItem(UINT ctrlId, const DRAWITEMSTRUCT& item);
    void EvMeasureItem(UINT ctrlId, MEASUREITEMSTRUCT& item);
    void EvHScroll(UINT code, UINT thumbPos, HWND bar);
    void EvVScroll(UINT code, UINT thumbPos, HWND bar);

    static const TResponseTable<TWindow>& ResponseTable();

protected:
    // Runs on WM_CREATE (or when an alias is made): creates the children and
    // binds the children made over controls of this window.
    virtual void SetupWindow();
    // Runs on WM_DESTROY.
    virtual void CleanupWindow() {}
    // Makes the object an alias of a window made elsewhere (a control, a
    // window a host object made): takes its title, style, id and place,
    // subclasses it and runs SetupWindow.
    void AttachAlias(HWND handle);
    // A window whose class name is its own is made in a class registered from
    // GetWindowClass on its first creation (on each desktop).
    virtual LPCWSTR GetClassName() const;
    // The framework's class description; a window class of its own changes it.
    virtual void GetWindowClass(WNDCLASSW& windowClass) const;
    const TEventInfo* CurrentEvent() const { return mCurrent; }

private:
    friend struct TWindowBinding;
    friend struct TDialogProc;
    void Bind(HWND handle);
    void Unbind();
    LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes an owner-draw message on to the control's object; false when the
    // control has none (or is this window).
    bool ReflectTo(HWND control, TEventInfo& event);

    TWindow* mParent = nullptr;
    TModule* mModule = nullptr;
    std::u16string mTitle;
    HWND mHandle = nullptr;
    UINT mFlags = 0;
    std::vector<TWindow*> mChildren;
    WNDPROC mPreviousProc = nullptr; // for aliases and subclassed system controls
    TWindow* mUnder = nullptr;       // the object an alias stacked on
    TEventInfo* mCurrent = nullptr;
    int mResourceId = 0;
    HWND mParentHandle = nullptr;
    void BindToControl();
};

// The framework's object of a window, or null.
TWindow* GetWindowPtr(HWND hwnd);

} // namespace OWL
