#pragma once
// "One or more settings are invalid and need correcting.": a modal message
// with the system's error icon and the mark (bitmap 201) that invalid fields
// carry. OK closes it.

#include "controls/DialogBase.h"

namespace OWL {
class TStatic;
}

namespace OvoControls {

class BitmapWindow;

class DialogSettingsWarningDlg : public Ovo::DialogBase {
public:
    explicit DialogSettingsWarningDlg(OWL::TWindow* parent, OWL::TModule* module = nullptr);

protected:
    // The icon (IDI_HAND) into control 1001, then the dialog placed on the
    // owner's monitor.
    void SetupWindow() override;

private:
    OWL::TStatic* mIconStatic;
    BitmapWindow* mMarkerBitmap;
};

} // namespace OvoControls
