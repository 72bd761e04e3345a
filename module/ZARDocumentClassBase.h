#pragma once
// ZARDocumentClassBase: the document-class object of any document type, as the
// host's class registry keeps it. The host's document-class service makes an
// inner part aggregated in it; interface ids outside the object's map go to
// that part. Commands go first to the inner part's host handler and, when it
// does not handle them, to the class's own command table.

#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "module/ZAREventHandlerT.h"
#include "platform/vantrel/CommandService.h"
#include "platform/vantrel/DocumentClass.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class ZARDocumentClassBase : public ICustomDocClass, public ZAREventHandlerT, public Ovo::CComObjectRoot {
public:
    // The inner part is made with argument; without the host's document-class
    // service the class has none and answers only its own map.
    ZARDocumentClassBase(Ovo::String name, const GUID& classGuid, const GUID& documentGuid, WORD typeNumber,
                         DWORD flags, DWORD argument);
    ~ZARDocumentClassBase() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    HRESULT GetClassId(DWORD* id) override;
    HRESULT GetTypeGuid(const GUID** type) override;
    HRESULT GetNameBSTR(BSTR* name) override { return GetName(name); }
    HRESULT IsTypeGuid(const GUID* type) override;
    HRESULT GetName(BSTR* name) override;
    HRESULT GetFlags(DWORD* flags) override;
    HRESULT CreateDocument(ULONG_PTR value1, IUnknown* creator, DWORD flags, IUnknown** document,
                           ULONG_PTR last) override;
    HRESULT AttachCommandTarget(IUnknown* object, ULONG_PTR value) override;
    HRESULT Reserved12() override { return S_OK; } // succeeds, unlike the slot's default
    HRESULT GetDocumentGuid(const GUID** guid) override;

    HRESULT OnCommand(DWORD id) override;
    HRESULT OnCommandUpdate(DWORD id, ICommandState* state) override;
    HRESULT OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) override;

    IUnknown* Inner() const { return mInner.Get(); }
    IUnknown* HostHandler() const { return mHostHandler; }
    ICAFCommand* Command() const { return mCommand.Get(); }
    IUnknown* Identity() { return static_cast<ICustomDocClass*>(this); }

protected:
    // A new document of the class, its count at 0.
    virtual IUnknown* NewDocument(IUnknown* creator, DWORD flags) = 0;
    // Called by AttachCommandTarget with the target's command handler.
    virtual void MenuHook(ICAFCommandHandler* handler, ULONG_PTR value) = 0;
    // Keeps the command object, with one reference of its own.
    void SetCommand(ICAFCommand* command);

private:
    // The inner part's command handler, or empty.
    ComPtr<ICAFCommandHandler> HostCommandHandler() const;

    IUnknown* mHostHandler = nullptr; // borrowed from the inner part
    ComPtr<ICAFCommand> mCommand;
    ComPtr<IUnknown> mInner; // released before the command
    Ovo::String mName;
    const GUID* mDocumentGuid;
    GUID mClassGuid;
    WORD mTypeNumber;
    DWORD mFlags;
};

} // namespace Tarvik
