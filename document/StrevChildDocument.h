#pragma once
// StrevChildDocument: the framework base of a document that lives inside one
// of the host's recording documents. At construction it asks the host object
// that created it for the host's child document and keeps the parts of it the
// document works with: the data source with its data interface and online-data
// registry, the selection, the state, the recording view, the service provider
// and the channel lookup. A host object without a child document leaves them
// all null; every user tests them.

#include <cstdint>

#include "module/ZARDocument.h"
#include "platform/vantrel/HostDocObject.h"
#include "platform/vantrel/IChannelLookup.h"
#include "platform/vantrel/IOnlineDataSink.h"
#include "platform/vantrel/ISampleBlocks.h"

namespace Tarvik {

class StrevChildDocument : public ZARDocument {
public:
    StrevChildDocument(IUnknown* creator, IUnknown* owner, DWORD flags);

    // The id of the host document: notifications name the document they concern by it.
    DWORD HostIdentity() const { return mHostIdentity; }

    IHostDocObject* HostChildDocument() const { return mHostDocument.Get(); }
    IUnknown* HostDataSource() const { return mDataSource.Get(); }
    ISampleBlocks* HostDataInterface() const { return mDataInterface.Get(); }
    IOnlineDataSinkRegistry* HostSampling() const { return mSampling.Get(); }
    IHostDocState* HostState() const { return mState.Get(); }
    IDocumentSelection* HostSelection() const { return mSelection.Get(); }
    IRecordingView* HostView() const { return mView.Get(); }
    IHostServiceProvider* HostServices() const { return mServices.Get(); }
    IChannelLookup* HostChannels() const { return mChannels.Get(); }

    // The host's busy state (state operation 15): nothing may change the analysis while it is set.
    bool IsHostBusy() const;

private:
    DWORD mHostIdentity = 0;
    ComPtr<IHostDocObject> mHostDocument;
    ComPtr<IUnknown> mDataSource;
    ComPtr<IHostDocState> mState;
    ComPtr<IUnknown> mSelectionSource;
    ComPtr<IHostServiceProvider> mServices;
    ComPtr<ISampleBlocks> mDataInterface;
    ComPtr<IOnlineDataSinkRegistry> mSampling;
    ComPtr<IDocumentSelection> mSelection;
    ComPtr<IRecordingView> mView;
    ComPtr<IChannelLookup> mChannels;
};

} // namespace Tarvik
