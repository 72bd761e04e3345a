#pragma once
// The storage buffer for writing: seeks from the start or the current point
// that land between the start of the unflushed output and the furthest byte
// written only move the put pointer, so bytes already written can be
// overwritten before they are flushed.

#include "core/StorageStreamBuf.h"

namespace Ovo {

class StorageOutStreamBuf : public StorageStreamBuf {
protected:
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode which) override;
};

} // namespace Ovo
