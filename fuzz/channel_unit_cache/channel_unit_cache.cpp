// The channel unit cache's persisted form, read and written through the host's unit service over
// storage streams whose calls fail or fall short where the input says. A refused load leaves the
// cache as it was; a load that succeeds saves and loads back the same; a save that reports success
// (and its stream after Flush) loads back the same.

#include "core/ChannelUnitCache.h"
#include "core/StorageBinIStreamLite.h"
#include "core/StorageBinOStreamLite.h"
#include "core/XOvo.h"
#include "fuzz/support/FaultyStream.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"
#include "fuzz/support/HostUnitOwner.h"

#include <memory>
#include <string>

namespace {

using Bytes = std::vector<BYTE>;

// The persisted form of the cache, or nothing when Save or the stream (after Flush) failed.
std::optional<Bytes> saved(const Ovo::ChannelUnitCache& cache, std::string faults = {}) {
    auto memory = Fuzz::faultyStream({}, std::move(faults), STGM_WRITE);
    {
        StorageBinOStreamLite out(memory.Get(), false);
        const HRESULT hr = cache.Save(&out);
        out.Flush();
        if (hr != S_OK || out.GetStatus() != S_OK)
            return std::nullopt;
    }
    return memory->Bytes();
}

HRESULT load(Ovo::ChannelUnitCache& cache, const Bytes& bytes, std::string faults = {}) {
    auto memory = Fuzz::faultyStream(bytes, std::move(faults), STGM_READ);
    StorageBinIStreamLite in(memory.Get());
    return cache.Load(&in);
}

void checkLoadsBack(const Bytes& bytes) {
    Fuzz::HostUnitOwner owner;
    Ovo::ChannelUnitCache cache(owner);
    FUZZ_CHECK(load(cache, bytes) == S_OK, "a saved cache loads");
    FUZZ_CHECK(saved(cache) == bytes, "and saves the same again");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::Input in(data, size);
    const bool arbitrary = in.flag();
    const std::string faults = in.bytes(16);
    Fuzz::HostUnitOwner owner;
    Ovo::ChannelUnitCache cache(owner);
    cache.FetchDefault(3);
    cache.FetchDefault(-7);
    const std::optional<Bytes> before = saved(cache);
    FUZZ_CHECK(before.has_value(), "a cache saves to a sound stream");

    if (arbitrary) {
        // Any bytes as the persisted form (after the header, when the input starts with one).
        const std::string_view rest = in.rest();
        const HRESULT hr = load(cache, Bytes(rest.begin(), rest.end()), faults);
        FUZZ_CHECK(hr == S_OK || hr == OVO_E_PERSISTED_DATA || hr == OVO_E_UNEXPECTED_DATA, "a load answers");
        const std::optional<Bytes> after = saved(cache);
        FUZZ_CHECK(after.has_value(), "a cache saves after any load");
        if (hr == OVO_E_PERSISTED_DATA)
            FUZZ_CHECK(after == before, "a refused load leaves the cache as it was");
        else
            checkLoadsBack(*after);
        return 0;
    }
    // A cache of the units of up to six channels, saved through a faulty stream.
    for (std::size_t n = in.below(7); n > 0; --n)
        cache.FetchDefault(in.raw<std::int32_t>());
    if (const std::optional<Bytes> bytes = saved(cache, faults))
        checkLoadsBack(*bytes);
    return 0;
}
