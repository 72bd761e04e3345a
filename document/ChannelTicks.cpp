#include "document/ChannelTicks.h"

#include <algorithm>

namespace Tarvik {

std::int64_t CountTicksBetween(ISampleBlocks* data, WordPair start, WordPair end) {
    const auto startRecord = static_cast<std::int32_t>(start.second),
               endRecord = static_cast<std::int32_t>(end.second);
    const auto startTick = static_cast<std::int32_t>(start.first),
               endTick = static_cast<std::int32_t>(end.first);
    if (data == nullptr || startRecord < 0 || endRecord < startRecord)
        return 0;
    if (startRecord == endRecord)
        return std::max<std::int64_t>(std::int64_t{endTick} - startTick, 0);
    std::int64_t total = 0;
    for (std::int32_t r = startRecord; r < endRecord; ++r) {
        LONG length = 0;
        if (FAILED(data->GetRecordTicks(0, r, &length)))
            return 0;
        total += r == startRecord ? std::max<std::int64_t>(std::int64_t{length} - startTick, 0) : length;
    }
    return total + std::max(endTick, 0);
}

std::int64_t LoopReadChunk(std::int64_t total) {
    constexpr std::int64_t kMaxChunk = 10000, kMinChunk = 1000;
    const std::int64_t chunk = std::min(total / 100, kMaxChunk);
    return chunk < kMinChunk ? total : chunk;
}

} // namespace Tarvik
