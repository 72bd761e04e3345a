#pragma once
// Counting the ticks of an analysed region, and the chunks the loop reading
// takes them in.

#include <cstdint>

#include "platform/vantrel/ISampleBlocks.h"
#include "workflow/ModelParamKind.h"

namespace Tarvik {

// Ticks from start to end (each a (tick, record) pair): the first record from start's tick, the
// last up to end's tick, the records between in full (their lengths from the data interface). 0
// when end is not after start or the lengths cannot be had.
std::int64_t CountTicksBetween(ISampleBlocks* data, WordPair start, WordPair end);

// The chunk, in ticks, in which a region of total ticks is read: a hundredth of it, at most 10000;
// when that is below 1000, the whole region (one step per record).
std::int64_t LoopReadChunk(std::int64_t total);

} // namespace Tarvik
