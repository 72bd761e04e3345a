#pragma once
// ZARDocumentClass: the document class of document type Doc. Doc is made with
// (class object, creator, flags) and provides AddMenuCommands(ICAFCommand*),
// which builds its menus with the host command wrappers.

#include "module/HostServices.h"
#include "module/ZARDocumentClassBase.h"

namespace Tarvik {

template <class Doc> class ZARDocumentClass : public ZARDocumentClassBase {
public:
    using ZARDocumentClassBase::ZARDocumentClassBase;

protected:
    IUnknown* NewDocument(IUnknown* creator, DWORD flags) override {
        return (new Doc(Identity(), creator, flags))->Identity();
    }
    // A new command object for the document's space from the host's command
    // factory; the document adds its menus with it.
    void MenuHook(ICAFCommandHandler* handler, ULONG_PTR value) override {
        ICommandFactory* factory = GetCommandFactory();
        ComPtr<ICAFCommand> command;
        if (factory == nullptr ||
            FAILED(factory->CreateCommand(&DocumentGuid(), handler, value, command.Put())) || !command)
            return;
        SetCommand(command.Get());
        Doc::AddMenuCommands(command.Get());
    }

private:
    const GUID& DocumentGuid() {
        const GUID* guid = nullptr;
        GetDocumentGuid(&guid);
        return *guid;
    }
};

} // namespace Tarvik
