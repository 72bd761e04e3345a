#include "views/TarvikPRSWGraphView.h"

#include "core/ResourceStrings.h"
#include "module/LibraryEntry.h"

namespace Tarvik {

const Ovo::String& TarvikPRSWGraphView::GetTitle() {
    static const Ovo::String title = [] {
        Ovo::String text;
        Ovo::LoadResString(text, ModuleInstance(), 107, false);
        return text;
    }();
    return title;
}

} // namespace Tarvik
