#pragma once
// A binary input stream over a COM storage stream. Construction attaches to the
// stream (state kSetupFailed when that fails) and reads the header.

#include "core/BinIStream.h"
#include "core/StorageInStreamBuf.h"

class StorageBinIStreamLite : public Ovo::BinIStream {
public:
    explicit StorageBinIStreamLite(IStream* stream);

private:
    Ovo::StorageInStreamBuf mStorage;
};
