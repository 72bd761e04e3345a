#include "dialogs/WorkflowView.h"

#include "core/ResourceStrings.h"
#include "module/LibraryEntry.h"

namespace Tarvik {

const Ovo::String& WorkflowView::GetTitle() {
    static const Ovo::String title = [] {
        Ovo::String text;
        Ovo::LoadResString(text, ModuleInstance(), 191, false);
        return text;
    }();
    return title;
}

} // namespace Tarvik
