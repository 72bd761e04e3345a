#include "core/StorageBinIStreamLite.h"
#include "core/StorageBinOStreamLite.h"

StorageBinIStreamLite::StorageBinIStreamLite(IStream* stream) : Ovo::BinIStream(&mStorage, false) {
    if (!mStorage.Attach(stream, false))
        Fail(kSetupFailed);
    ReadHeader();
}

StorageBinOStreamLite::StorageBinOStreamLite(IStream* stream, bool forceWrite)
    : Ovo::BinOStream(&mStorage, false) {
    if (!mStorage.Attach(stream, forceWrite))
        Fail(kSetupFailed);
    if (Good())
        WriteU32(kStorageStreamHeader);
}

void StorageBinOStreamLite::Rewind() {
    // Output still in the buffer belongs to what is thrown away: flushed after the truncation, it
    // would come back.
    mStorage.DiscardOutput();
    Ovo::BinOStream::Rewind();
    if (IStream* stream = mStorage.Stream(); stream && FAILED(stream->SetSize(ULARGE_INTEGER{})))
        Fail(kShort);
}
