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
#include "host/framework/ProgressService.h"
#include "host/framework/SubjectService.h"
#include "host/framework/UnitService.h"

namespace Vantrel {

class Framework : public ComObject<IUnknown> {
public:
    // Starts with one reference, the creator's.
    Framework();

    ClassRegistry& Classes() { return *mClasses.Get(); }
    MessageIdService& MessageIds() { return *mMessageIds.Get(); }
    MessageFactory& MessageClasses() { return *mMessageClasses.Get(); }
    MessageService& Messages() { return *mMessages.Get(); }
    MessageDispatcher& Dispatcher() { return *mDispatcher.Get(); }
    SubjectService& Subjects() { return *mSubjects.Get(); }
    ObjectRegistry& Objects() { return *mObjects.Get(); }
    CommandFactory& Commands() { return *mCommands.Get(); }
    CommandUIService& CommandUI() { return *mCommandUI.Get(); }
    DocumentService& Documents() { return *mDocuments.Get(); }
    DocClassService& DocClasses() { return *mDocClasses.Get(); }
    ViewService& Views() { return *mViews.Get(); }
    UnitService& Units() { return *mUnits.Get(); }
    ProgressService& Progress() { return *mProgress.Get(); }

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

    ComPtr<ClassRegistry> mClasses = Make<ClassRegistry>();
    ComPtr<MessageIdService> mMessageIds = Make<MessageIdService>();
    ComPtr<MessageFactory> mMessageClasses = Make<MessageFactory>();
    ComPtr<MessageService> mMessages = Make<MessageService>();
    ComPtr<MessageDispatcher> mDispatcher = Make<MessageDispatcher>();
    ComPtr<SubjectService> mSubjects = Make<SubjectService>();
    ComPtr<ObjectRegistry> mObjects = Make<ObjectRegistry>();
    ComPtr<CommandFactory> mCommands = Make<CommandFactory>();
    ComPtr<CommandUIService> mCommandUI = Make<CommandUIService>();
    ComPtr<DocumentService> mDocuments = Make<DocumentService>();
    ComPtr<DocClassService> mDocClasses =
        ComPtr<DocClassService>::Adopt(new DocClassService(*mDocuments.Get()));
    ComPtr<ViewService> mViews = Make<ViewService>();
    ComPtr<UnitService> mUnits = Make<UnitService>();
    ComPtr<ProgressService> mProgress = Make<ProgressService>();
    mutable std::mutex mRequestLock;
    std::map<std::string, int> mRequests;
    DWORD mCookie = 0;
};

} // namespace Vantrel
