#include "views/TarvikdPdTMaxEDVGraphView.h"

#include "core/ResourceStrings.h"
#include "module/LibraryEntry.h"

namespace Tarvik {

const Ovo::String& TarvikdPdTMaxEDVGraphView::GetTitle() {
    static const Ovo::String title = [] {
        Ovo::String text;
        Ovo::LoadResString(text, ModuleInstance(), 135, false);
        return text;
    }();
    return title;
}

} // namespace Tarvik
