#pragma once
// Readers of the settings streams that earlier versions of the module wrote:
// stream 0 of versions 1 to 16 and stream 1 of versions 1 to 9. They held flat
// fields rather than the step models' own records; each field is set through
// its model's setter (so locked parameters are refused and unchanged values
// send nothing), old units are converted on the way, and the touched models
// commit at the end.
//
// A stream is read whole before anything is set. A stream that is refused
// (a version, count or check word that is wrong, a record that cannot be read)
// changes nothing. Counts are checked against the bytes left, and reading
// stops once the stream has failed: fields a short stream does not hold are
// left as they were.

#include "core/BinIStream.h"

namespace Tarvik {

class TarvikDocument;

// `in` is positioned at the version word. S_OK; 0xA0048205 for a version above 17 (or a
// cuvette block above 1); 0xA004820A for version 0; E_FAIL for a wrong check word.
HRESULT LoadLegacyMainSettings(Ovo::BinIStream& in, TarvikDocument& document);

// As above for stream 1: 0xA0048205 above 12 (or a cuvette block above 1), 0xA004820A for version
// 0 or loop marks whose count and check do not sum to 0, the unit-cache reader's codes, E_FAIL
// for a wrong check word.
HRESULT LoadLegacyExtraSettings(Ovo::BinIStream& in, TarvikDocument& document);

} // namespace Tarvik
