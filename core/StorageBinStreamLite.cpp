#include "core/StorageBinIStreamLite.h"
#include "core/StorageBinOStreamLite.h"

StorageBinIStreamLite::StorageBinIStreamLite(IStream* stream) : Ovo::BinIStream(&m_storage, false) {
    if (!m_storage.Attach(stream, false))
        Fail(kSetupFailed);
    ReadHeader();
}

StorageBinOStreamLite::StorageBinOStreamLite(IStream* stream, bool forceWrite)
    : Ovo::BinOStream(&m_storage, false) {
    if (!m_storage.Attach(stream, forceWrite))
        Fail(kSetupFailed);
    if (Good())
        WriteU32(kStorageStreamHeader);
}

void StorageBinOStreamLite::Rewind() {
    Ovo::BinOStream::Rewind();
    if (IStream* stream = m_storage.Stream())
        stream->SetSize(ULARGE_INTEGER{});
}
