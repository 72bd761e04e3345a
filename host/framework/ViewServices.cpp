#include "host/framework/ViewServices.h"

#include "host/framework/ClassRegistry.h"
#include "host/framework/Text.h"

#include <stdexcept>

#include "platform/gdi/gdi.h"
#include "platform/user/user.h"
#include "platform/vantrel/IClassRegistry.h"

namespace Vantrel {
namespace {

// The inner part of a view class object: an object of its own identity that
// keeps no reference to its outer object, as an aggregated part does.
class InnerPart : public ComObject<IUnknown> {
    void* find(REFIID) override { return nullptr; }
};

constexpr const char16_t* kFrameClass = u"VantrelFrame";
constexpr const char16_t* kClientClass = u"VantrelFrameClient";

void EnsureFrameClasses() {
    for (const char16_t* name : {kFrameClass, kClientClass}) {
        WNDCLASSW c{};
        c.lpfnWndProc = &DefWindowProcW;
        c.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
        c.lpszClassName = name;
        RegisterClassW(&c); // refused harmlessly when the desktop has it
    }
}

} // namespace

HRESULT ViewClassService::CreateInner(IUnknown* outer, REFIID iid, void** inner) {
    if (inner == nullptr)
        return E_POINTER;
    *inner = nullptr;
    if (outer == nullptr || iid != IID_IUnknown)
        return E_INVALIDARG;
    *inner = static_cast<IUnknown*>(new InnerPart);
    ++mMade;
    return S_OK;
}

void InstallViewServices(Framework& framework, ViewClassService& service) {
    framework.Classes().AddService(kViewClassServiceKind, &service);
}

HostFrame::HostFrame() {
    EnsureFrameClasses();
    mFrame = CreateWindowExW(0, kFrameClass, u"Vantrel", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                             0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
    RECT client{};
    GetClientRect(mFrame, &client);
    mClient = CreateWindowExW(0, kClientClass, u"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                              client.right, client.bottom, mFrame, nullptr, nullptr, nullptr);
}

HostFrame::~HostFrame() {
    if (IsWindow(mFrame))
        DestroyWindow(mFrame);
}

void* HostFrame::find(REFIID iid) {
    if (iid == IID_IHostFrameSite)
        return static_cast<IHostFrameSite*>(this);
    if (iid == IID_IHostFrame)
        return static_cast<IHostFrame*>(this);
    return nullptr;
}

HRESULT HostFrame::GetParentWindow(HWND* parent) {
    if (parent == nullptr)
        return E_POINTER;
    *parent = mClient;
    return S_OK;
}

HRESULT HostFrame::ReleaseView(IDocView2*) {
    calls.emplace_back("ReleaseView");
    return releaseAnswer;
}

HRESULT HostFrame::CanCloseView(IDocView2*, VARIANT_BOOL* canClose) {
    calls.emplace_back("CanCloseView");
    if (canClose != nullptr && !allowClose)
        *canClose = VARIANT_FALSE;
    return S_OK;
}

HRESULT HostFrame::DetachView(IDocView2*) {
    calls.emplace_back("DetachView");
    return S_OK;
}

HRESULT HostFrame::ViewAttached(IDocView2*) {
    calls.emplace_back("ViewAttached");
    return S_OK;
}

void* ViewHostDocument::find(REFIID iid) {
    if (iid == IID_IHostDocument)
        return static_cast<IHostDocument*>(this);
    if (iid == IID_IHostDocumentEx)
        return static_cast<IHostDocumentEx*>(this);
    if (iid == IID_IViewRegistry)
        return static_cast<IViewRegistry*>(this);
    if (iid == IID_ITableHostDocument)
        return static_cast<ITableHostDocument*>(this);
    if (iid == IID_IDocumentName)
        return static_cast<IDocumentName*>(this);
    return nullptr;
}

HRESULT ViewHostDocument::QueryInterface(REFIID iid, void** out) {
    if (iid == IID_IDataPad && mDataPad && out != nullptr) // the application's pad
        return mDataPad->QueryInterface(iid, out);
    return ComObject::QueryInterface(iid, out);
}

HRESULT ViewHostDocument::GetDocumentObject(IUnknown** object) {
    if (object == nullptr)
        return E_POINTER;
    *object = static_cast<IHostDocument*>(this);
    AddRef();
    return S_OK;
}

HRESULT ViewHostDocument::GetName(IAutoOvoString** name) {
    if (name == nullptr)
        return E_POINTER;
    *name = MakeString(mTitle);
    return S_OK;
}

HRESULT ViewHostDocument::GetDocumentId(DWORD* id) {
    if (id == nullptr)
        return E_POINTER;
    *id = mId;
    return S_OK;
}

HRESULT ViewHostDocument::GetDataSource(IUnknown** dataSource) {
    if (dataSource != nullptr)
        *dataSource = nullptr;
    return E_NOTIMPL;
}

HRESULT ViewHostDocument::GetTitle(BSTR* title) {
    if (title == nullptr)
        return E_POINTER;
    *title = SysAllocStringLen(mTitle.data(), static_cast<UINT>(mTitle.size()));
    return S_OK;
}

HRESULT ViewHostDocument::GetObjectById(DWORD, IUnknown** object) {
    if (object != nullptr)
        *object = nullptr;
    return S_FALSE;
}

HRESULT ViewHostDocument::RegisterView(IDocView2* view) {
    mViews.push_back(view);
    return S_OK;
}

HRESULT ViewHostDocument::AttachViewClass(IUnknown*) {
    return S_OK;
}

ComPtr<IDocView2> OpenView(IDocViewClass& viewClass, IUnknown* document, HostFrame& frame, DWORD index,
                           DWORD kind) {
    ComPtr<IDocView2> view;
    if (FAILED(viewClass.CreateView(0, document, view.Put())) || !view)
        return {};
    ComPtr<IClientWindow> window;
    HWND handle = nullptr;
    if (FAILED(view->QueryInterface(IID_IClientWindow, reinterpret_cast<void**>(window.Put()))) ||
        FAILED(window->CreateClientWindow(&frame, frame.ClientWindow(), &handle)))
        return {};
    view->SetViewIndex(index);
    view->SetViewKind(kind);
    view->OnViewAttached();
    return view;
}

ComPtr<IDocViewClass> FindViewClass(const ClassRegistry& classes, std::u16string_view name) {
    for (const RegisteredClass& registered : classes.Registrations()) {
        ICAFClassObject* object = registered.accepted ? classes.FindClass(registered.typeId) : nullptr;
        const auto viewClass = QueryInterfacePtr<IDocViewClass>(object, IID_IDocViewClass);
        BSTR text = nullptr;
        if (!viewClass || FAILED(viewClass->GetName(&text)))
            continue;
        const bool named = text != nullptr && std::u16string_view(text) == name;
        SysFreeString(text);
        if (named)
            return viewClass;
    }
    return {};
}

DocumentView::DocumentView(IDocViewClass& viewClass, IUnknown* document, DWORD kind)
    : mFrame(ComPtr<HostFrame>::Adopt(new HostFrame)) {
    mView = OpenView(viewClass, document, *mFrame.Get(), 0, kind);
    if (!mView)
        throw std::runtime_error("the view cannot be opened");
    // The view fills its frame.
    RECT client{};
    GetClientRect(mFrame->ClientWindow(), &client);
    MoveWindow(Window(), 0, 0, client.right, client.bottom, TRUE);
    mDocument = QueryInterfacePtr<ISubject>(document, IID_ISubject);
    mObserver = QueryInterfacePtr<IObserver>(mView.Get(), IID_IObserver);
    if (mDocument && mObserver)
        mDocument->Attach(mObserver.Get());
}

DocumentView::~DocumentView() {
    if (mDocument && mObserver)
        mDocument->Detach(mObserver.Get());
    mObserver.Reset();
    mView->Close();
}

HWND DocumentView::Window() const {
    return GetWindow(mFrame->ClientWindow(), GW_CHILD);
}

} // namespace Vantrel
