#include "views/TarvikPVAEDVView.h"

#include "core/ResourceStrings.h"
#include "module/LibraryEntry.h"

namespace Tarvik {

const Ovo::String& TarvikPVAEDVView::GetTitle() {
    static const Ovo::String title = [] {
        Ovo::String text;
        Ovo::LoadResString(text, ModuleInstance(), 1087, false);
        return text;
    }();
    return title;
}

} // namespace Tarvik
