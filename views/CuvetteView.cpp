#include "views/CuvetteView.h"

#include "core/ResourceStrings.h"
#include "module/LibraryEntry.h"

namespace Tarvik {

const Ovo::String& CuvetteView::GetTitle() {
    static const Ovo::String title = [] {
        Ovo::String text;
        Ovo::LoadResString(text, ModuleInstance(), 141, false);
        return text;
    }();
    return title;
}

} // namespace Tarvik
