#include "views/TarvikSalineCalGraphView.h"

#include "core/ResourceStrings.h"
#include "module/LibraryEntry.h"

namespace Tarvik {

const Ovo::String& TarvikSalineCalGraphView::GetTitle() {
    static const Ovo::String title = [] {
        Ovo::String text;
        Ovo::LoadResString(text, ModuleInstance(), 139, false);
        return text;
    }();
    return title;
}

} // namespace Tarvik
