#include "controls/TopmostWindow.h"

OWL::TWindow* TopmostWindow::FirstWindow() const {
    return mWindows.empty() ? nullptr : OWL::GetWindowPtr(mWindows.front().window);
}
