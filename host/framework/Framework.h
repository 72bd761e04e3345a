#pragma once
// The host's application framework: one class object (CLSID_ZARFrameWork) that
// answers each service's interface id with that service, and the class
// registry's services by kind word. The framework holds its services for its
// life. Before the module that registered class objects, message classes or
// documents with it is unloaded, ReleaseModuleObjects gives them back.

#include <map>
#include <mutex>
#include <string>

#include "host/framework/ClassRegistry.h"
#include "host/framework/CommandService.h"
#include "host/framework/DocumentServices.h"
#include "host/framework/MessageFactory.h"
#include "host/framework/MessageIdService.h"
#include "host/framework/MessageService.h"
#include "host/framework/SubjectService.h"

namespace Vantrel {

class Framework : public ComObject<IUnknown> {
public:
    // Starts with one reference, the creator's.
    Framework();

    ClassRegistry& Classes() { return *m_classes.Get(); }
    MessageIdService& MessageIds() { return *m_messageIds.Get(); }
    MessageFactory& MessageClasses() { return *m_messageClasses.Get(); }
    MessageService& Messages() { return *m_messages.Get(); }
    MessageDispatcher& Dispatcher() { return *m_dispatcher.Get(); }
    SubjectService& Subjects() { return *m_subjects.Get(); }
    ObjectRegistry& Objects() { return *m_objects.Get(); }
    CommandFactory& Commands() { return *m_commands.Get(); }
    CommandUIService& CommandUI() { return *m_commandUI.Get(); }
    DocumentService& Documents() { return *m_documents.Get(); }
    DocClassService& DocClasses() { return *m_docClasses.Get(); }
    ViewService& Views() { return *m_views.Get(); }

    // How often the framework was asked for an interface id.
    int Requests(REFIID iid) const;
    // Makes the framework COM's class object of CLSID_ZARFrameWork (until Revoke).
    HRESULT Register();
    void Revoke();
    void ReleaseModuleObjects();
    // Makes the host's command target of a document class, so that the user's
    // menu commands reach the class; the command object the class made for it.
    HostCommand* AttachMenus(ICustomDocClass* documentClass);

    HRESULT QueryInterface(REFIID iid, void** out) override;

private:
    ~Framework() override;
    void* find(REFIID) override { return nullptr; }

    template <class T> static ComPtr<T> Make() { return ComPtr<T>::Adopt(new T); }

    ComPtr<ClassRegistry> m_classes = Make<ClassRegistry>();
    ComPtr<MessageIdService> m_messageIds = Make<MessageIdService>();
    ComPtr<MessageFactory> m_messageClasses = Make<MessageFactory>();
    ComPtr<MessageService> m_messages = Make<MessageService>();
    ComPtr<MessageDispatcher> m_dispatcher = Make<MessageDispatcher>();
    ComPtr<SubjectService> m_subjects = Make<SubjectService>();
    ComPtr<ObjectRegistry> m_objects = Make<ObjectRegistry>();
    ComPtr<CommandFactory> m_commands = Make<CommandFactory>();
    ComPtr<CommandUIService> m_commandUI = Make<CommandUIService>();
    ComPtr<DocumentService> m_documents = Make<DocumentService>();
    ComPtr<DocClassService> m_docClasses =
        ComPtr<DocClassService>::Adopt(new DocClassService(*m_documents.Get()));
    ComPtr<ViewService> m_views = Make<ViewService>();
    mutable std::mutex m_requestLock;
    std::map<std::string, int> m_requests;
    DWORD m_cookie = 0;
};

} // namespace Vantrel
