#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/IProgressIndicator.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vantrel {

/// What one progress indicator was shown: its caption and text, each later text and percentage, and
/// whether it was closed (its last reference went).
struct ProgressLog {
    std::u16string caption;
    std::vector<std::u16string> texts;
    std::vector<LONG> percents;
    bool cancelled = false;
    bool closed = false;
};

/// The host's progress class: it opens indicators, which never cancel unless the test says so, and
/// logs what each showed.
class ProgressService : public ComObject<IProgressFactory> {
public:
    /// The next indicators cancel once they are shown at least percent (none: they never cancel).
    void cancelAt(std::optional<LONG> percent) { mCancelAt = percent; }
    /// Every indicator opened, in order.
    const std::vector<std::shared_ptr<ProgressLog>>& opened() const { return mOpened; }

    HRESULT CreateIndicator(DWORD kind, BSTR caption, BSTR text, BSTR detail, DWORD flags,
                            IProgressIndicator** indicator) override;

private:
    void* find(REFIID iid) override;

    std::optional<LONG> mCancelAt;
    std::vector<std::shared_ptr<ProgressLog>> mOpened;
};

} // namespace Vantrel
