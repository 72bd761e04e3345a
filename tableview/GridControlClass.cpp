#include "tableview/GridControlClass.h"

namespace TVF_Grid {

void GridControlClass::DrawText(OWL::TDC& dc, const OWL::TRect& rect, const Ovo::String& text) {
    dc.ExtTextOut(rect.left, rect.top, ETO_OPAQUE | ETO_CLIPPED, &rect, text.c_str(), text.Length());
}

void GridControlClass::DrawCell(OWL::TDC& dc, const OWL::TRect& rect, const CellData& data) const {
    DrawText(dc, rect, data.GetText());
}

std::unique_ptr<OWL::TWindow> GridText::CreateEditor(OWL::TWindow& parent, GridItemControl*& item) {
    auto editor = std::make_unique<GridEditCtrl>(&parent, 0);
    item = editor.get();
    return editor;
}

void GridStringList::DrawCell(OWL::TDC& dc, const OWL::TRect& rect, const CellData& data) const {
    const auto* value = dynamic_cast<const CellUint32Data*>(&data);
    if (value == nullptr || value->GetValue() >= mChoices.size())
        return;
    DrawText(dc, rect, mChoices[value->GetValue()]);
}

std::unique_ptr<OWL::TWindow> GridStringList::CreateEditor(OWL::TWindow& parent, GridItemControl*& item) {
    auto editor = std::make_unique<StringComboBox>(&parent, mChoices, 0);
    item = editor.get();
    return editor;
}

} // namespace TVF_Grid
