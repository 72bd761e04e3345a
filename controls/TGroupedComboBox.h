#pragma once
// An owner-drawn combo box whose marked items are headings (bold, underlined,
// one space in, never highlighted) or, when their text is empty, separator
// lines; every other item is an ordinary item two spaces in. The combo box
// keeps the item texts; it measures its items with the module's
// user-interface font and sizes its selection field on the first measuring.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/owl/TComboBox.h"

namespace Tarvik {

class TGroupedComboBox : public OWL::TComboBox {
public:
    // A drop-down list of owner-drawn items that keeps their texts.
    static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST |
                                    CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;

    TGroupedComboBox(OWL::TWindow* parent, int id, int x, int y, int w, int h,
                     OWL::TModule* module = nullptr);

    void MarkItem(int index);
    bool IsMarked(int index) const;
    bool SelectionFieldSized() const { return mSelectionFieldSized; }

    void EvDrawItem(UINT ctrlId, const DRAWITEMSTRUCT& item);
    void EvMeasureItem(UINT ctrlId, MEASUREITEMSTRUCT& item);

protected:
    // Paints one item with the user-interface font already selected.
    virtual void PaintItem(OWL::TDC& dc, const DRAWITEMSTRUCT& item, bool marked);

    // The item's text; empty when it cannot be read.
    std::u16string ItemText(int index) const;
    // Fills rect with the background colour and draws prefix + text in it.
    static void TextStep(OWL::TDC& dc, std::u16string_view prefix, const std::u16string& text,
                         const OWL::TRect& rect);
    // A light grey line across the middle, 2 pixels in from each side.
    static void SeparatorStep(OWL::TDC& dc, const OWL::TRect& rect);
    // Highlight colours when selected, window colours otherwise.
    static void SetColours(OWL::TDC& dc, bool selected);

private:
    std::vector<std::int32_t> mMarked;
    bool mSelectionFieldSized = false;

    DECLARE_RESPONSE_TABLE(TGroupedComboBox);
};

} // namespace Tarvik
