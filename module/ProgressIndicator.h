#pragma once
// The host's progress indicator for a task the user may cancel. Without the
// host's progress class there is no indicator, and the task is never cancelled.

#include "core/String.h"
#include "platform/vantrel/IProgressIndicator.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class ProgressIndicator {
public:
    // Opens an indicator with caption and text; it closes when the object goes.
    ProgressIndicator(const Ovo::String& caption, const Ovo::String& text);

    bool IsShown() const { return static_cast<bool>(mIndicator); }
    void SetText(const Ovo::String& text);
    // Shows percent; true when the user has cancelled.
    bool SetPercent(LONG percent);

private:
    ComPtr<IProgressIndicator> mIndicator;
};

} // namespace Tarvik
