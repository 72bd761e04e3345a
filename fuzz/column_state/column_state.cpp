// The table view manager's column state, read and written through storage streams whose calls fail
// or fall short where the input says. A load that is refused (or throws for a newer version) leaves
// the state as it was; a load that succeeds saves and loads back the same; a save that reports
// success has written a state that loads back the same.

#include "core/StorageBinIStreamLite.h"
#include "core/StorageBinOStreamLite.h"
#include "core/XOvo.h"
#include "fuzz/support/FaultyStream.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"
#include "tableview/TableInterfaces.h"

#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

ComPtr<ITableViewManager> manager() {
    ComPtr<ITableViewManager> made;
    FUZZ_CHECK(CreateTableViewManager(made.Put()) == S_OK && made, "a manager is made");
    return made;
}

// The state as SaveState writes it through a stream faulted by the script; nothing when the save or
// the flush failed. A save may fail only with its stream.
std::optional<Bytes> saved(ITableViewManager& table, std::string faults = {}) {
    auto memory = Fuzz::faultyStream({}, std::move(faults), STGM_WRITE);
    {
        StorageBinOStreamLite out(memory.Get(), false);
        const HRESULT hr = table.SaveState(0, &out);
        FUZZ_CHECK(hr != S_OK || out.GetStatus() == S_OK, "a save that reports success had a sound stream");
        // The buffered words reach the stream here: a failed flush is the writer's, not the save's.
        out.Flush();
        if (hr != S_OK || out.GetStatus() != S_OK)
            return std::nullopt;
    }
    return memory->Bytes();
}

// The result of LoadState, OVO_E_PERSISTED_DATA when it throws for a newer version.
HRESULT loaded(ITableViewManager& table, Bytes bytes, std::string faults = {}) {
    auto memory = Fuzz::faultyStream(std::move(bytes), std::move(faults), STGM_READ);
    StorageBinIStreamLite in(memory.Get());
    try {
        return table.LoadState(0, &in);
    } catch (const XOvo& error) {
        FUZZ_CHECK(error.Code() == OVO_E_PERSISTED_DATA, "only a newer version throws");
        return error.Code();
    }
}

void checkLoadsBack(const Bytes& bytes) {
    const ComPtr<ITableViewManager> fresh = manager();
    FUZZ_CHECK(loaded(*fresh.Get(), bytes) == S_OK, "a saved state loads");
    FUZZ_CHECK(saved(*fresh.Get()) == bytes, "and saves as the same bytes");
}

// A state of three columns, to load over.
Bytes earlier() {
    Bytes bytes = {0xAA, 0xAA, 0x14, 0x55};
    for (const std::uint32_t word : {2u, 3u, 2u, 0u, 1u, 50u, 60u, 70u, 1337u})
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<BYTE>(word >> (8 * i)));
    return bytes;
}

} // namespace

// The first byte chooses a load of the rest or a save of the state the rest gives; then the faults;
// then the state, after the storage stream's header.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::Input in(data, size);
    const bool save = in.flag();
    const std::string faults = in.bytes(16);
    const std::string_view state = in.rest();
    Bytes bytes = {0xAA, 0xAA, 0x14, 0x55};
    bytes.insert(bytes.end(), state.begin(), state.end());

    const ComPtr<ITableViewManager> table = manager();
    FUZZ_CHECK(loaded(*table.Get(), earlier()) == S_OK, "the earlier state loads");
    const std::optional<Bytes> before = saved(*table.Get());
    FUZZ_CHECK(before.has_value(), "a state saves to a sound stream");
    if (!save) {
        const HRESULT hr = loaded(*table.Get(), bytes, faults);
        const std::optional<Bytes> after = saved(*table.Get());
        FUZZ_CHECK(after.has_value(), "a state saves after any load");
        if (hr != S_OK)
            FUZZ_CHECK(after == before, "a refused load leaves the state as it was");
        else
            checkLoadsBack(*after);
        return 0;
    }
    loaded(*table.Get(), bytes);
    if (const std::optional<Bytes> written = saved(*table.Get(), faults))
        checkLoadsBack(*written);
    return 0;
}
