#pragma once
// The host's side of module views: the view-class service that makes the
// inner part of each view class object, the frame a view is shown in (a
// top-level frame window with a client window that parents the view), a host
// document that keeps its views, and OpenView, which opens a view of a view
// class the way the host does.

#include <string>
#include <string_view>
#include <vector>

#include "host/engine/ComObject.h"
#include "host/framework/Framework.h"
#include "platform/vantrel/DocView.h"
#include "platform/vantrel/DocumentClass.h"
#include "platform/vantrel/TableHost.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

class ViewClassService : public ComObject<IViewClassService> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IViewClassService ? static_cast<IViewClassService*>(this) : nullptr;
    }
    HRESULT CreateInner(IUnknown* outer, REFIID iid, void** inner) override;
    int InnerObjects() const { return mMade; }

private:
    int mMade = 0;
};

// Makes the framework answer the view-class service's kind word.
void InstallViewServices(Framework& framework, ViewClassService& service);

// A frame of the host: a top-level window whose client window parents the view.
class HostFrame : public ComObject<IHostFrameSite, IHostFrame> {
public:
    HostFrame();
    ~HostFrame() override;
    void* find(REFIID iid) override;

    HWND FrameWindow() const { return mFrame; }
    HWND ClientWindow() const { return mClient; }

    HRESULT GetParentWindow(HWND* parent) override;
    HRESULT ReleaseView(IDocView2* view) override;
    HRESULT CanCloseView(IDocView2* view, VARIANT_BOOL* canClose) override;
    HRESULT DetachView(IDocView2* view) override;
    HRESULT ViewAttached(IDocView2* view) override;

    // What ReleaseView and CanCloseView answer.
    HRESULT releaseAnswer = S_OK;
    bool allowClose = true;
    // "ReleaseView", "CanCloseView", "DetachView", "ViewAttached", in order.
    std::vector<std::string> calls;

private:
    HWND mFrame = nullptr;
    HWND mClient = nullptr;
};

// A document as the module's views see it.
// To a table view it is also the document's object: it answers the document's
// name (its title) and the Data Pad given to it.
class ViewHostDocument
    : public ComObject<IHostDocument, IHostDocumentEx, IViewRegistry, ITableHostDocument, IDocumentName> {
public:
    explicit ViewHostDocument(DWORD id, std::u16string title) : mId(id), mTitle(std::move(title)) {}
    void* find(REFIID iid) override;
    HRESULT QueryInterface(REFIID iid, void** out) override;

    HRESULT GetDocumentId(DWORD* id) override;
    HRESULT GetDataSource(IUnknown** dataSource) override;
    HRESULT GetTitle(BSTR* title) override;
    HRESULT GetObjectById(DWORD id, IUnknown** object) override;
    HRESULT RegisterView(IDocView2* view) override;
    HRESULT AttachViewClass(IUnknown* viewClass) override;
    HRESULT GetDocumentObject(IUnknown** object) override;
    HRESULT GetName(IAutoOvoString** name) override;
    void SetDataPad(IDataPad* pad) { mDataPad = ComPtr<IDataPad>(pad); }

    const std::vector<IDocView2*>& Views() const { return mViews; } // not held

private:
    DWORD mId;
    std::u16string mTitle;
    std::vector<IDocView2*> mViews;
    ComPtr<IDataPad> mDataPad;
};

// Opens a view of the class for the document in the frame: asks the class for
// a view, makes its client window in the frame, numbers it and attaches it.
// The view comes with one reference; null when the class or the window fails.
ComPtr<IDocView2> OpenView(IDocViewClass& viewClass, IUnknown* document, HostFrame& frame, DWORD index,
                           DWORD kind);

// The view class of a name among the registered classes, or null.
ComPtr<IDocViewClass> FindViewClass(const ClassRegistry& classes, std::u16string_view name);

// A view a user opened on a document: shown in a frame of its own and, as an observer of the
// document (its ISubject), told what the document's module tells its views, until it closes with
// this object. The document must outlive it.
class DocumentView {
public:
    // Throws std::runtime_error when the view cannot be opened.
    DocumentView(IDocViewClass& viewClass, IUnknown* document, DWORD kind);
    ~DocumentView();
    DocumentView(const DocumentView&) = delete;
    DocumentView& operator=(const DocumentView&) = delete;

    // The view's window: the frame client's child.
    HWND Window() const;

private:
    ComPtr<HostFrame> mFrame;
    ComPtr<IDocView2> mView;
    ComPtr<ISubject> mDocument;
    ComPtr<IObserver> mObserver;
};

} // namespace Vantrel
