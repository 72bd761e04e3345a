#pragma once
// Access to the host's services. Each getter fetches its service on first use,
// once, under its own critical section (the cache is tested before and after
// the lock is taken), releases the reference it was handed and keeps the
// pointer for the life of the module: the host keeps its services alive.
//
// A getter answers null while its service cannot be had, and asks again on the
// next call; every caller tests the result. Direct getters ask COM for the
// class object of the framework (or of the test registry or host application)
// with the service's interface id and, when COM does not know the class, load
// the framework library themselves and ask once more. Registry getters ask the
// class registry by a kind word, without a retry.
//
// Lock order: a getter's own section, then the class registry's, then the
// message-id service's.

#include "platform/vantrel/CommandService.h"
#include "platform/vantrel/GraphService.h"
#include "platform/vantrel/HostApplication.h"
#include "platform/vantrel/IClassRegistry.h"
#include "platform/vantrel/IHostViewService.h"
#include "platform/vantrel/IMessageIdService.h"
#include "platform/vantrel/ISharedHostObject.h"
#include "platform/vantrel/IUnitService.h"
#include "platform/vantrel/MessageFactory.h"
#include "platform/vantrel/MessageService.h"
#include "platform/vantrel/Subject.h"
#include "platform/vantrel/UnitTest.h"

namespace Tarvik {

// Direct getters.
IClassRegistry* GetClassRegistry();
IMessageIdService* GetMessageIdService();
IMessageFactory* GetMessageFactory();
ISubjectService* GetSubjectService();
// The framework's object registry (a subject: Notify with kObjectRegistryAdd/Remove).
ISubject* GetObjectRegistryService();
IMessageDispatcher* GetMessageDispatcher();
ITestRegistry* GetTestRegistry();
IHostApplication* GetHostApplication();

// Registry getters.
IUnitService* GetUnitService();
IHostMessageService* GetHostMessageService();
IHostViewService* GetHostViewService();
IHostCommandUIService* GetHostCommandUIService();
ICommandFactory* GetCommandFactory();
ISharedHostObject* GetSharedHostObject();
// The graph service that makes scale strips: kind (number of kGraphSpaceGuid
// << 16) | kGraphServiceNumber.
IGraphService* GetHostGraphService();

// A service of the class registry that is not kept: the caller owns the reference.
HRESULT GetRegistryService(DWORD kind, REFIID iid, void** out);

} // namespace Tarvik
