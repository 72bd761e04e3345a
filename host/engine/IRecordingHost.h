#pragma once

#include "host/recording/Recording.h"
#include "platform/win32/unknown.h"

namespace Vantrel {

/// The host's own way from a document object to its recording, for host objects that are handed
/// the document as a plain IUnknown (a calculation class's enumerators). Not seen by the module.
inline constexpr IID IID_IRecordingHost = MakeGuid("{6F1C2A0E-5B7D-4E21-9A3C-2D8E4F6A1B30}");

struct IRecordingHost : IUnknown {
    virtual Recording* GetRecording() = 0; // slot 3

protected:
    ~IRecordingHost() = default;
};

} // namespace Vantrel
