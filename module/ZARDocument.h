#pragma once
// ZARDocument: the framework base of the module's documents. It registers the
// document with the host's document service, answers the host's document
// interface, and shares its events with the host's side of the document:
// messages the document does not take go to the host document's handler,
// notifications reach the host document's observer first.

#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "module/ZAREventHandlerT.h"
#include "platform/vantrel/DocumentClass.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class ZARDocument : public ICustomDocument2, public ZAREventHandlerT, public Ovo::CComObjectRoot {
public:
    // creator: the host object that asked for the document; owner: its document
    // class (held). Bit 30 of flags goes to the host's registration.
    ZARDocument(IUnknown* creator, IUnknown* owner, DWORD flags);

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    HRESULT GetName(BSTR* name) override;
    HRESULT GetKind(WORD* kind) override;
    HRESULT DetachSender() override;
    HRESULT GetCreationFlags(DWORD* flags) override;
    HRESULT GetOwnerDocument(IUnknown** owner) override;
    // No settings objects, unless a document has them.
    HRESULT GetSettingsObject(LONG index, DWORD kind, DWORD* word, IPersist** persist) override;
    HRESULT GetTitle(BSTR* title) override;
    HRESULT GetTitleObject(IAutoOvoString** title) override;
    HRESULT GetDocumentWord(DWORD* word) override;
    HRESULT SetDocumentWord(DWORD word) override;
    HRESULT OnHostDataReady(IUnknown*) override { return S_OK; }
    HRESULT Reserved15(ULONG_PTR, ULONG_PTR, ULONG_PTR, ULONG_PTR, ULONG_PTR) override { return S_OK; }

    HRESULT Notify(ISubject* subject, DWORD id, DWORD reserved, ULONG_PTR payload) override;
    HRESULT OnMessage(IMessage* message) override;

    // Notifies the host's side of the document; E_NOINTERFACE when it has no subject.
    HRESULT CallHostDocument(DWORD id, ULONG_PTR payload);
    // The host's data source of the document, asked once; null when none.
    IUnknown* GetHostDataSource();

    IUnknown* Identity() { return static_cast<ICustomDocument2*>(this); }
    IUnknown* HostDocumentObject() const { return mHostDocumentObject.Get(); }
    IUnknown* Creator() const { return mCreator; }

protected:
    // The document's name, as the host shows it.
    virtual Ovo::String DocumentName() const { return {}; }
    // Whether the document's own handlers take the message.
    virtual bool AcceptsOwnMessage(IMessage* message) { return AcceptsMessage(message); }

private:
    template <class I> I* HostPart(ComPtr<I>& cache, REFIID iid);

    // Released in reverse order, the data source first.
    ComPtr<IUnknown> mHostDocumentObject;
    DWORD mFlags;
    IUnknown* mCreator = nullptr; // the creator's host document interface, borrowed
    ComPtr<IUnknown> mOwner;
    IUnknown* mOwnerDocument = nullptr; // borrowed, asked once
    DWORD mDocumentWord = 0;
    ComPtr<IUnknown> mOwnerHandler;
    ComPtr<IMessageHandler> mHostHandler; // asked once
    ComPtr<IObserver> mHostObserver;      // asked once
    ComPtr<ISubject> mHostSubject;        // asked once
    ComPtr<IUnknown> mHostDataSource;     // asked once
};

} // namespace Tarvik
