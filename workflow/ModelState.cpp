#include "workflow/ModelState.h"

#include "core/XOvo.h"

namespace Tarvik::ModelState {

void Write(Ovo::BinOStream& out, bool value) {
    out.WriteU8(value ? 1 : 0);
}

void Write(Ovo::BinOStream& out, std::int32_t value) {
    out.WriteU32(static_cast<DWORD>(value));
}

void Write(Ovo::BinOStream& out, std::uint32_t value) {
    out.WriteU32(value);
}

void Write(Ovo::BinOStream& out, double value) {
    out.WriteDouble(value);
}

void Write(Ovo::BinOStream& out, const Ovo::String& text) {
    out.WriteStringRecord(text);
}

void Write(Ovo::BinOStream& out, const Ovo::Unit& unit) {
    Write(out, unit.PrefixCode());
    Write(out, Ovo::String(unit.base));
}

void Read(Ovo::BinIStream& in, bool& value) {
    BYTE byte = value ? 1 : 0;
    in.ReadU8(&byte);
    value = byte != 0;
}

void Read(Ovo::BinIStream& in, std::int32_t& value) {
    LONG word = value;
    in.Read4(&word);
    value = word;
}

void Read(Ovo::BinIStream& in, std::uint32_t& value) {
    DWORD word = value;
    in.ReadU32(&word);
    value = word;
}

void Read(Ovo::BinIStream& in, double& value) {
    in.Read8(&value);
}

bool ReadText(Ovo::BinIStream& in, Ovo::String& text) {
    if (!in.Good())
        return false;
    try {
        Ovo::String read;
        in.ReadString(read);
        if (!in.Good())
            return false;
        text = read;
        return true;
    } catch (const XOvo&) {
        return false;
    }
}

bool ReadUnit(Ovo::BinIStream& in, Ovo::Unit& unit) {
    std::int32_t code = unit.PrefixCode();
    Ovo::String base;
    Read(in, code);
    if (!ReadText(in, base))
        return false;
    unit.SetPrefixCode(code);
    unit.base = base.ToWString();
    return true;
}

bool CountFits(Ovo::BinIStream& in, std::uint64_t count, std::uint64_t itemBytes) {
    if (!in.Good())
        return false;
    const std::int64_t left = in.Remaining();
    // count * itemBytes, with counts of at most 32 bits and items of a few bytes, cannot wrap.
    return left >= 0 && count * itemBytes <= static_cast<std::uint64_t>(left);
}

} // namespace Tarvik::ModelState
