#pragma once
// The fields of the step models' persisted states: raw little-endian values,
// a bool as one byte (any non-zero byte reads as true), a text as a string
// record, a unit as its u32 prefix code followed by its base text. Reads after a
// failure leave their targets as they were; a malformed text fails the stream's
// reader (ReadText answers false) instead of throwing.

#include <cstdint>

#include "core/BinIStream.h"
#include "core/BinOStream.h"
#include "core/Unit.h"

namespace Tarvik::ModelState {

void Write(Ovo::BinOStream& out, bool value);
void Write(Ovo::BinOStream& out, std::int32_t value);
void Write(Ovo::BinOStream& out, std::uint32_t value);
void Write(Ovo::BinOStream& out, double value);
void Write(Ovo::BinOStream& out, const Ovo::String& text);
void Write(Ovo::BinOStream& out, const Ovo::Unit& unit);

void Read(Ovo::BinIStream& in, bool& value);
void Read(Ovo::BinIStream& in, std::int32_t& value);
void Read(Ovo::BinIStream& in, std::uint32_t& value);
void Read(Ovo::BinIStream& in, double& value);
// False when the stream has failed or the record is malformed.
bool ReadText(Ovo::BinIStream& in, Ovo::String& text);
bool ReadUnit(Ovo::BinIStream& in, Ovo::Unit& unit);

// Whether count items of itemBytes bytes each can still be read: counts come from the data, so
// nothing is allocated or looped over for a count the stream cannot hold. False when the stream has
// failed or cannot tell its size.
bool CountFits(Ovo::BinIStream& in, std::uint64_t count, std::uint64_t itemBytes);

} // namespace Tarvik::ModelState
