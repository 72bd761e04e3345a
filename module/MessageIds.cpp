#include "module/MessageIds.h"

#include <mutex>
#include <vector>

#include "module/HostServices.h"
#include "platform/vantrel/IMessageIdService.h"

namespace Tarvik {

namespace {

struct SpaceTable {
    std::mutex lock;
    std::vector<std::pair<GUID, WORD>> spaces;
    std::atomic<std::uint32_t> generation{1};
};

SpaceTable& Spaces() {
    static SpaceTable table;
    return table;
}

} // namespace

WORD MessageSpace(const GUID& space) {
    SpaceTable& table = Spaces();
    {
        std::lock_guard guard(table.lock);
        for (const auto& [guid, number] : table.spaces)
            if (guid == space)
                return number;
    }
    IMessageIdService* service = GetMessageIdService();
    WORD number = 0;
    if (service == nullptr || FAILED(service->GuidToId(space, &number)) || number == 0)
        return 0;
    std::lock_guard guard(table.lock);
    table.spaces.emplace_back(space, number);
    return number;
}

void ResetMessageIds() {
    SpaceTable& table = Spaces();
    std::lock_guard guard(table.lock);
    table.spaces.clear();
    table.generation.fetch_add(1);
}

namespace detail {
std::uint32_t IdGeneration() {
    return Spaces().generation.load();
}
} // namespace detail

} // namespace Tarvik
