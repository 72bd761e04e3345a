#pragma once
// Document views: the view classes the module registers, the view objects the
// host asks them for, the client windows of those views, and the host's side
// of a view (its frame, frame site, view site and the view-class service).
// Methods are in slot order; where the host's slot numbers matter they are
// given beside them.

#include "platform/vantrel/CommandHandler.h"
#include "platform/vantrel/ICAFClassObject.h"

struct HWND__;
using HWND = HWND__*;

inline constexpr IID IID_IViewClass = MakeGuid("{CD8A64F1-48D2-11D1-8D03-00C0D1570D74}");
inline constexpr IID IID_IDocViewClass = MakeGuid("{216EA591-42AF-11D2-B79C-008048C36FE8}");
inline constexpr IID IID_IDocView2 = MakeGuid("{168D30B1-30B5-11D1-8CEB-00C0D1570D74}");
inline constexpr IID IID_IEnumInterface = MakeGuid("{0AE13F60-6A62-11D3-80B3-005004AD3C53}");
inline constexpr IID IID_IViewRegistry = MakeGuid("{165E5211-D987-11D1-B2F2-00600894D72A}");
inline constexpr IID IID_IViewClassService = MakeGuid("{5FCB46F0-0B1D-11D2-B325-008048C36FE8}");
inline constexpr IID IID_IClientWindow = MakeGuid("{6C1F2A80-3B55-4E0D-9A41-52D8E6B1C903}");   // our own id
inline constexpr IID IID_IObjInfo = MakeGuid("{6C1F2A81-3B55-4E0D-9A41-52D8E6B1C903}");        // our own id
inline constexpr IID IID_IHostFrameSite = MakeGuid("{6C1F2A82-3B55-4E0D-9A41-52D8E6B1C903}");  // our own id
inline constexpr IID IID_IHostFrame = MakeGuid("{6C1F2A83-3B55-4E0D-9A41-52D8E6B1C903}");      // our own id
inline constexpr IID IID_IViewSite = MakeGuid("{6C1F2A84-3B55-4E0D-9A41-52D8E6B1C903}");       // our own id
inline constexpr IID IID_IHostView = MakeGuid("{6C1F2A85-3B55-4E0D-9A41-52D8E6B1C903}");       // our own id
inline constexpr IID IID_IHostViewHolder = MakeGuid("{6C1F2A87-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id
inline constexpr IID IID_IHostDocumentEx = MakeGuid("{6C1F2A86-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id

struct IDocView2;
struct IHostFrameSite;

// An enumerator of interface ids.
struct IEnumInterface : IUnknown {
    // E_POINTER for a null out, or n other than 1 with a null fetched; S_FALSE when fewer than n remained.
    virtual HRESULT Next(ULONG n, const GUID** out, ULONG* fetched) = 0; // slot 3
    virtual HRESULT Skip(ULONG n) = 0;                                   // slot 4
    virtual HRESULT Reset() = 0;                                         // slot 5
    virtual HRESULT Clone(IEnumInterface** out) = 0;                     // slot 6

protected:
    ~IEnumInterface() = default;
};

// Diagnostic information about an object, for the framework's object registry.
struct IObjInfo : IUnknown {
    virtual HRESULT GetName(BSTR* name) = 0;    // slot 3
    virtual HRESULT GetRawName(BSTR* name) = 0; // slot 4

protected:
    ~IObjInfo() = default;
};

// A view class. Slots 3 to 6 are the class object's: type id, document type,
// menu name (the class name when it has none) and the document-type test.
struct IViewClass : ICAFClassObject {
    virtual HRESULT GetName(BSTR* name) = 0;                    // slot 7
    virtual HRESULT GetResourceModule(HINSTANCE* module) = 0;   // slot 8
    virtual HRESULT GetFlags(DWORD* flags) = 0;                 // slot 9
    virtual HRESULT AttachHostObject(IUnknown* hostObject) = 0; // slot 10

protected:
    ~IViewClass() = default;
};

struct IDocViewClass : IViewClass {
    // A new view for the host object that asks for it, with one reference.
    virtual HRESULT CreateView(ULONG_PTR unused, IUnknown* hostObject, IDocView2** view) = 0; // slot 11
    virtual HRESULT EnumInterfaces(IEnumInterface** out) = 0;                                 // slot 12
    virtual HRESULT Lock() = 0;                                                               // slot 13
    virtual HRESULT Unlock() = 0;                                                             // slot 14
    virtual HRESULT GetLockCount(ULONG_PTR unused1, ULONG_PTR unused2, LONG* count) = 0;      // slot 15
    virtual HRESULT AttachCommandTarget(ICAFCommandHandler* handler) = 0;                     // slot 16

protected:
    ~IDocViewClass() = default;
};

// A view of a document.
struct IDocView2 : IUnknown {
    virtual HRESULT GetTitle(BSTR* title) = 0;            // slot 3
    virtual HRESULT CanClose(VARIANT_BOOL* canClose) = 0; // slot 4
    virtual HRESULT Close() = 0;                          // slot 5
    virtual HRESULT SetViewIndex(DWORD index) = 0;        // slot 6
    virtual HRESULT GetViewIndex(DWORD* index) = 0;       // slot 7
    // (document id, (view kind << 16) | low word of the view index)
    virtual HRESULT GetViewId(DWORD* documentId, DWORD* viewWord) = 0; // slot 8
    virtual HRESULT OnViewAttached() = 0;                              // slot 9
    virtual HRESULT GetDocument(IUnknown** document) = 0;              // slot 10
    virtual HRESULT GetFrame(IUnknown** frame) = 0;                    // slot 11
    virtual HRESULT QueryExtra(IUnknown** out) = 0;                    // slot 12
    virtual HRESULT GetViewKind(DWORD* kind) = 0;                      // slot 13
    virtual HRESULT SetViewKind(DWORD kind) = 0;                       // slot 14

protected:
    ~IDocView2() = default;
};

// The window side of a view.
struct IClientWindow : IUnknown {
    virtual HRESULT CreateClientWindow(IHostFrameSite* site, HWND parent, HWND* window) = 0; // slot 3
    virtual HRESULT DestroyClientWindow() = 0;                                               // slot 4
    virtual HRESULT Reserved5() { return E_NOTIMPL; }                                        // slot 5
    virtual HRESULT GetFrameSite(IHostFrameSite** site) = 0;                                 // slot 6

protected:
    ~IClientWindow() = default;
};

// Where the host places a view's window.
struct IHostFrameSite : IUnknown {
    virtual HRESULT GetParentWindow(HWND* parent) = 0; // slot 4
    // Non-zero: the view may not go.
    virtual HRESULT ReleaseView(IDocView2* view) = 0; // slot 5

protected:
    ~IHostFrameSite() = default;
};

// The host frame that shows a view.
struct IHostFrame : IUnknown {
    virtual HRESULT CanCloseView(IDocView2* view, VARIANT_BOOL* canClose) = 0; // slot 13
    virtual HRESULT DetachView(IDocView2* view) = 0;                           // slot 15
    virtual HRESULT ViewAttached(IDocView2* view) = 0;                         // slot 21

protected:
    ~IHostFrame() = default;
};

// A document's registry of its views.
struct IViewRegistry : IUnknown {
    virtual HRESULT RegisterView(IDocView2* view) = 0;        // slot 3
    virtual HRESULT AttachViewClass(IUnknown* viewClass) = 0; // slot 5

protected:
    ~IViewRegistry() = default;
};

// The host's service that makes the inner part of a view class object.
struct IViewClassService : IUnknown {
    // An object aggregated in outer; with iid IID_IUnknown its inner unknown.
    virtual HRESULT CreateInner(IUnknown* outer, REFIID iid, void** inner) = 0; // slot 7

protected:
    ~IViewClassService() = default;
};

// The host's site of one module view window.
struct IViewSite : IUnknown {
    virtual HRESULT GetHostObject(IUnknown** hostObject) = 0; // slot 5
    virtual HRESULT GetHostViewLink(IUnknown** link) = 0;     // slot 7

protected:
    ~IViewSite() = default;
};

// The host's object of a module view.
struct IHostView : IUnknown {
    // The host's default handling of the view's message without parameters.
    virtual HRESULT RunDefault() = 0; // slot 7

protected:
    ~IHostView() = default;
};

// The host object a view site gives: it knows the view's host view.
struct IHostViewHolder : IUnknown {
    virtual HRESULT GetHostView(IHostView** view) = 0; // slot 20

protected:
    ~IHostViewHolder() = default;
};

// The document operations the views use beyond the document's id.
struct IHostDocumentEx : IUnknown {
    virtual HRESULT GetTitle(BSTR* title) = 0;                      // slot 7
    virtual HRESULT GetObjectById(DWORD id, IUnknown** object) = 0; // slot 19

protected:
    ~IHostDocumentEx() = default;
};
