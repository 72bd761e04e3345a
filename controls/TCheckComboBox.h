#pragma once
// An owner-drawn combo box whose items carry check boxes: an item is checked
// when its item data is non-zero. Every marked item is a separator line; two
// plain items are drawn as text without a box. The selection field with no
// current selection shows the display text, which is also what WM_GETTEXT and
// WM_GETTEXTLENGTH answer; UpdateDisplayText brings it up to date before it is
// read or any item is painted. Check boxes are drawn themed ("Button" theme)
// when the system has visual styles and the theme library can be bound, and
// with DrawFrameControl otherwise.

#include "controls/TGroupedComboBox.h"
#include "core/String.h"
#include "platform/theme/uxtheme.h"
#include "platform/win32/sysinfo.h"

namespace Tarvik {

class TCheckComboBox : public TGroupedComboBox {
public:
    TCheckComboBox(OWL::TWindow* parent, int id, int x, int y, int w, int h, OWL::TModule* module = nullptr);
    ~TCheckComboBox() override;

    void SetChecked(int index, bool checked) const;
    bool IsChecked(int index) const;
    // Items drawn as text only; -1 for none.
    void SetPlainItems(int first, int second);
    const Ovo::String& DisplayText() const { return mDisplayText; }
    HTHEME Theme() const { return mTheme; }

    // The checked items' texts, joined by ", ".
    virtual void UpdateDisplayText();

    int EvGetText(int length, LPWSTR buffer);
    int EvGetTextLength();
    void EvThemeChanged();

    // Whether the system's version has visual styles for these boxes: Windows
    // NT 5.1, or a major version above 5.
    static bool SystemHasThemes(const OSVERSIONINFOW& version);

protected:
    void SetupWindow() override;
    void PaintItem(OWL::TDC& dc, const DRAWITEMSTRUCT& item, bool marked) override;

private:
    void OpenTheme();
    void CloseTheme();
    void PaintCheckBox(OWL::TDC& dc, const OWL::TRect& box, bool checked) const;

    Ovo::String mDisplayText;
    std::int32_t mPlainItems[2] = {-1, -1};
    HTHEME mTheme = nullptr;

    DECLARE_RESPONSE_TABLE(TCheckComboBox);
};

} // namespace Tarvik
