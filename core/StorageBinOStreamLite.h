#pragma once
// A binary output stream over a COM storage stream. Construction attaches to the
// stream (state kSetupFailed when that fails; forceWrite adds write access) and,
// when good, writes the header 0x5514AAAA (version 20: AA AA 14 55). Pending
// output reaches the stream when it is flushed or destroyed.

#include "core/BinOStream.h"
#include "core/StorageOutStreamBuf.h"

inline constexpr DWORD kStorageStreamHeader = 0x5514AAAA;

class StorageBinOStreamLite : public Ovo::BinOStream {
public:
    StorageBinOStreamLite(IStream* stream, bool forceWrite);

    // Moves back to the start and truncates the stream to size 0; the header is
    // not written again, and output not yet flushed is dropped. A failed
    // truncation sets kShort: the old bytes are still there.
    void Rewind() override;

private:
    Ovo::StorageOutStreamBuf mStorage;
};
