// The step models' persisted states (their first and second blocks, of any stream version up to
// the current ones), read from any bytes through a storage stream whose calls fail or fall short
// where the input says: a load never crashes or allocates beyond the stream, and a state that loads
// saves, loads and saves again as the same bytes.

#include "core/StorageBinIStreamLite.h"
#include "core/StorageBinOStreamLite.h"
#include "fuzz/support/FaultyStream.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"
#include "fuzz/support/StepModelDocument.h"
#include "workflow/ModelBaseNoTpl.h"

#include <optional>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;
using namespace Tarvik;

Bytes saved(Model& model, bool extra) {
    auto memory = Fuzz::faultyStream({}, {}, STGM_WRITE);
    {
        StorageBinOStreamLite out(memory.Get(), false);
        extra ? model.SaveExtraState(out) : model.SaveState(out);
        out.Flush();
        FUZZ_CHECK(out.GetStatus() == S_OK, "a state saves to a sound stream");
    }
    return memory->Bytes();
}

std::string hex(const Bytes& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const BYTE b : bytes)
        text += std::string(1, digits[b >> 4]) + digits[b & 15] + ' ';
    return text;
}

bool loaded(Model& model, bool extra, const Bytes& bytes, std::uint32_t version, std::string faults = {}) {
    auto memory = Fuzz::faultyStream(bytes, std::move(faults), STGM_READ);
    StorageBinIStreamLite in(memory.Get());
    const bool ok = extra ? model.LoadExtraState(in, version) : model.LoadState(in, version);
    return ok && in.Good();
}

} // namespace

// The first bytes choose the model, the block and its version, and the faults; the rest is the
// state, after the storage stream's header.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::setUpModuleHost();
    Fuzz::Input in(data, size);
    const auto id = static_cast<std::int32_t>(1 + in.below(12));
    const bool extra = in.flag();
    const std::uint32_t current = extra ? ModelBaseNoTpl::kExtraStateVersion : ModelBaseNoTpl::kStateVersion;
    const auto version = in.flag() ? current : static_cast<std::uint32_t>(in.below(current + 1));
    const std::string faults = in.bytes(16);
    const std::string_view state = in.rest();
    Bytes bytes = {0xAA, 0xAA, 0x14, 0x55};
    bytes.insert(bytes.end(), state.begin(), state.end());

    Fuzz::StepModelDocument document;
    const ModelPtr model = document.GetModel(id);
    FUZZ_CHECK(model != nullptr, "every step model is made");
    bool ok = false;
    // Loading again after an overrun replaces what the first load read.
    Fuzz::withinBudget("loading the state", size, std::chrono::milliseconds(100),
                       std::chrono::microseconds(4),
                       [&] { ok = loaded(*model, extra, bytes, version, faults); });
    if (!ok)
        return 0;
    const Bytes first = saved(*model, extra);
    Fuzz::StepModelDocument again;
    const ModelPtr copy = again.GetModel(id);
    FUZZ_CHECK(loaded(*copy, extra, first, current), "a saved state loads");
    const Bytes second = saved(*copy, extra);
    FUZZ_CHECK(second == first, "and saves as the same bytes: model " + std::to_string(id) +
                                    (extra ? ", second block: " : ", first block: ") + hex(first) + " then " +
                                    hex(second));
    return 0;
}
