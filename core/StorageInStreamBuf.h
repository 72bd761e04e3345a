#pragma once
// The storage buffer for reading: seeks that land inside the bytes already read
// into the buffer only move the get pointer.

#include "core/StorageStreamBuf.h"

namespace Ovo {

class StorageInStreamBuf : public StorageStreamBuf {
protected:
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode which) override;
};

} // namespace Ovo
