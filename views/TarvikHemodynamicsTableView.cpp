#include "views/TarvikHemodynamicsTableView.h"

#include "core/ResourceStrings.h"
#include "module/LibraryEntry.h"

namespace Tarvik {

const Ovo::String& TarvikHemodynamicsTableView::GetTitle() {
    static const Ovo::String title = [] {
        Ovo::String text;
        Ovo::LoadResString(text, ModuleInstance(), 109, false);
        return text;
    }();
    return title;
}

} // namespace Tarvik
