#include "controls/DialogSettingsWarningDlg.h"

#include "controls/BitmapWindow.h"
#include "controls/WindowPlacement.h"
#include "module/ModuleInstance.h"
#include "platform/owl/TStatic.h"
#include "platform/user/icon_api.h"
#include "resources/ModuleDialogs.h"
#include "resources/ModuleImages.h"

namespace OvoControls {

DialogSettingsWarningDlg::DialogSettingsWarningDlg(OWL::TWindow* parent, OWL::TModule* module)
    : Ovo::DialogBase(parent, Tarvik::kInvalidSettingsDialog, module),
      mIconStatic(new OWL::TStatic(this, 1001)),
      mMarkerBitmap(new BitmapWindow(
          this, std::make_unique<OWL::TBitmap>(Tarvik::ModuleInstance(),
                                               MAKEINTRESOURCEW(Tarvik::kInvalidMarkBitmap)))) {
    SetCaption(u"Vantrel");
}

void DialogSettingsWarningDlg::SetupWindow() {
    Ovo::DialogBase::SetupWindow();
    SetCaption(u"Vantrel");
    mIconStatic->SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_HAND)));
    WindowPlacementMemory place;
    PlaceWindow(place, GetHandle());
}

} // namespace OvoControls
