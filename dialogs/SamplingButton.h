#pragma once
// Tarvik::OwlSamplingButton: the start/stop sampling pane of the recording
// panes, put in the place of a placeholder control of a step dialog. The pane
// itself belongs to the recording panes; a step dialog knows it only through
// the maker registered here (SetSamplingPaneMaker). Without a maker the
// placeholder stays as it is.

#include <functional>
#include <memory>

#include "platform/user/handles.h"
#include "platform/win32/unknown.h"

namespace Tarvik {

// A sampling pane as a step dialog holds it: a child window of the dialog.
class ISamplingPane {
public:
    virtual ~ISamplingPane() = default;
    virtual HWND Window() const = 0;
};

// Called with the new sampling state whenever the user presses the pane's button.
using SamplingToggled = std::function<void(bool sampling)>;
// Makes a pane as a child of parent over the host's document; null when it cannot.
using SamplingPaneMaker = std::function<std::unique_ptr<ISamplingPane>(HWND parent, IUnknown* hostDocument,
                                                                       SamplingToggled toggled)>;

// The maker the step dialogs use from now on; an empty one makes no panes.
void SetSamplingPaneMaker(SamplingPaneMaker maker);

class OwlSamplingButton {
public:
    // Makes the pane over the placeholder's rectangle in the placeholder's parent and hides the
    // placeholder.
    OwlSamplingButton(HWND placeholder, IUnknown* hostDocument, SamplingToggled toggled);
    ~OwlSamplingButton();
    OwlSamplingButton(const OwlSamplingButton&) = delete;
    OwlSamplingButton& operator=(const OwlSamplingButton&) = delete;

    HWND Placeholder() const { return mPlaceholder; }
    // The pane's window; null when no pane was made.
    HWND PaneWindow() const { return mPane ? mPane->Window() : nullptr; }

private:
    HWND mPlaceholder;
    std::unique_ptr<ISamplingPane> mPane;
};

} // namespace Tarvik
