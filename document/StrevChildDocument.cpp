#include "document/StrevChildDocument.h"

#include "platform/vantrel/DocumentClass.h"

namespace Tarvik {

StrevChildDocument::StrevChildDocument(IUnknown* creator, IUnknown* owner, DWORD flags)
    : ZARDocument(creator, owner, flags) {
    if (creator == nullptr)
        return;
    if (const auto host = QueryInterfacePtr<IHostDocument>(creator, IID_IHostDocument))
        host->GetDocumentId(&mHostIdentity);
    mHostDocument = QueryInterfacePtr<IHostDocObject>(creator, IID_IHostDocObject);
    if (!mHostDocument)
        return;
    mHostDocument->GetDataSource(mDataSource.Put());
    mHostDocument->GetState(mState.Put());
    mHostDocument->GetSelectionSource(mSelectionSource.Put());
    mHostDocument->GetServiceProvider(mServices.Put());
    mDataInterface = QueryInterfacePtr<ISampleBlocks>(mDataSource.Get(), IID_ISampleBlocks);
    mSampling = QueryInterfacePtr<IOnlineDataSinkRegistry>(mDataSource.Get(), IID_IOnlineDataSinkRegistry);
    mSelection = QueryInterfacePtr<IDocumentSelection>(mSelectionSource.Get(), IID_IDocumentSelection);
    mView = mHostDocument.Query<IRecordingView>(IID_IRecordingView);
    mChannels = mHostDocument.Query<IChannelLookup>(IID_IChannelLookup);
}

bool StrevChildDocument::IsHostBusy() const {
    WORD busy = 0;
    return mState && SUCCEEDED(mState->GetBusy(0, &busy)) && busy != 0;
}

} // namespace Tarvik
