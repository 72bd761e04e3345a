#pragma once
// The common base of the view class objects: the class as the host's class
// registry and view services know it. It names the view (class name from the
// string table, menu name), tells which documents it accepts, keeps a lock
// count, hands the host a command object for the view's commands and passes
// interface ids it does not know to the inner object that the host's
// view-class service aggregates into it. Its diagnostic part is registered
// with the framework's object registry while it lives.

#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "platform/owl/TModule.h"
#include "platform/vantrel/CommandService.h"
#include "platform/vantrel/DocView.h"
#include "platform/win32/com_ptr.h"
#include "views/COMDebugClass.h"

namespace Tarvik {

// The document type every module view accepts.
inline constexpr GUID kTarvikViewDocumentType = MakeGuid("{D6F52E80-B34D-11D3-80C7-005004AD3C53}");

class OwlDocViewClassBase : public IDocViewClass, public Ovo::CComObjectRoot {
public:
    // An empty menu name means the class name.
    OwlDocViewClassBase(const Ovo::String& className, const GUID* documentType, DWORD flags,
                        const Ovo::String& menuName, OWL::TModule* module);
    ~OwlDocViewClassBase() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    HRESULT GetTypeGuid(const GUID** type) override;
    HRESULT GetNameBSTR(BSTR* name) override; // the menu name
    HRESULT IsTypeGuid(const GUID* type) override;
    HRESULT GetName(BSTR* name) override; // the class name
    HRESULT GetResourceModule(HINSTANCE* module) override;
    HRESULT GetFlags(DWORD* flags) override;
    HRESULT AttachHostObject(IUnknown* hostObject) override;
    HRESULT Lock() override;
    HRESULT Unlock() override;
    HRESULT GetLockCount(ULONG_PTR, ULONG_PTR, LONG* count) override;
    HRESULT AttachCommandTarget(ICAFCommandHandler* handler) override;

    const Ovo::String& ClassName() const { return mClassName; }
    OWL::TModule* Module() const { return mModule; }
    ICAFCommand* CommandObject() const { return mCommand.Get(); }
    IUnknown* InnerObject() const { return mInner.Get(); }

    COMDebugClass& DebugPart() { return mDebug.Part(); }

private:
    RegisteredDebugPart mDebug{static_cast<IDocViewClass*>(this)};
    ComPtr<ICAFCommand> mCommand;
    Ovo::String mClassName;
    Ovo::String mMenuName;
    ComPtr<IUnknown> mInner; // released before the command
    const GUID* mDocumentType;
    DWORD mFlags;
    LONG mLockCount = 0;
    OWL::TModule* mModule;
};

} // namespace Tarvik
