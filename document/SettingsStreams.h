#pragma once
// The document's two settings streams, each after the storage header:
//
//   stream 0 (version 17): u32 17, u32 model count, per model (in increasing id) its u32 id and its
//     main state, the volume calibrator's channel units, the pressure calibrator's, the u32 loop
//     marker channel, u32 17;
//   stream 1 (version 12): u32 12, u32 model count, per model its u32 id and its extra state,
//     u32 12.
//
// Older versions go to the legacy readers (stream 0 below 17, stream 1 below 10). A stream is
// checked whole (read into fresh models and unit caches of its own) before the document takes it,
// so a refused stream leaves the document's settings as they were.

#include "platform/win32/stream.h"

namespace Tarvik {

class TarvikDocument;

inline constexpr DWORD kMainSettingsVersion = 17;
inline constexpr DWORD kExtraSettingsVersion = 12;
// The oldest version of stream 1 whose layout the current reader takes.
inline constexpr DWORD kOldestExtraLayout = 10;

// S_OK; STG_E_WRITEFAULT when the stream did not take every byte.
HRESULT SaveSettingsStream(TarvikDocument& document, IStream* stream, bool extra);

// S_OK; 0xA0048205 for a newer version; 0xA004820A for a stream that is empty, cut short or
// inconsistent (version 0, an id without a model, a state a model refuses, a trailer that differs);
// the unit-cache reader's codes; the legacy readers' codes.
HRESULT LoadSettingsStream(TarvikDocument& document, IStream* stream, bool extra);

} // namespace Tarvik
