#include "fuzz/support/FaultyStream.h"

#include <cstdint>
#include <optional>

namespace Fuzz {

ComPtr<MemoryStream> faultyStream(std::vector<BYTE> bytes, std::string script, DWORD mode) {
    auto memory = ComPtr<MemoryStream>::Adopt(MemoryStream::Create(std::move(bytes), mode));
    memory->ScriptFaults([script = std::move(script),
                          next = std::size_t{0}](StreamOp, ULONG size) mutable -> std::optional<ULONG> {
        if (next >= script.size())
            return size;
        const auto b = static_cast<std::uint8_t>(script[next++]);
        if (b < 12)
            return std::nullopt;
        return b < 44 ? static_cast<ULONG>(std::uint64_t{size} * (b - 12u) / 32u) : size;
    });
    return memory;
}

} // namespace Fuzz
