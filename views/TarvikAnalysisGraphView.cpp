#include "views/TarvikAnalysisGraphView.h"

#include "core/ResourceStrings.h"
#include "module/LibraryEntry.h"

namespace Tarvik {

const Ovo::String& TarvikAnalysisGraphView::GetTitle() {
    static const Ovo::String title = [] {
        Ovo::String text;
        Ovo::LoadResString(text, ModuleInstance(), 106, false);
        return text;
    }();
    return title;
}

} // namespace Tarvik
