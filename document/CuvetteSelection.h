#pragma once
// Adding the host's selection as a well of the cuvette calibration: the work is
// the cuvette calibration view's, which answers ICuvetteSelectionTarget.

#include "platform/win32/unknown.h"

namespace Tarvik {

class ZARDocument;

inline constexpr IID IID_ICuvetteSelectionTarget =
    MakeGuid("{6C1F2A92-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id

struct ICuvetteSelectionTarget : IUnknown {
    // Adds the current selection as a well; the view reports problems itself.
    virtual HRESULT AddSelectionAsWell() = 0; // slot 3

protected:
    ~ICuvetteSelectionTarget() = default;
};

// Asks the document's open cuvette calibration view (view kind 11) to add the selection; nothing when
// no such view is open. True when a view took the request.
bool AddSelectionToCuvetteView(ZARDocument& document);

} // namespace Tarvik
