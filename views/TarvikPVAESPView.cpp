#include "views/TarvikPVAESPView.h"

#include "core/ResourceStrings.h"
#include "module/LibraryEntry.h"

namespace Tarvik {

const Ovo::String& TarvikPVAESPView::GetTitle() {
    static const Ovo::String title = [] {
        Ovo::String text;
        Ovo::LoadResString(text, ModuleInstance(), 1088, false);
        return text;
    }();
    return title;
}

} // namespace Tarvik
