#pragma once
// How a cell is drawn and edited: GridText edits text in an edit field,
// GridStringList a choice index in a drop-down list of its choices.

#include <memory>
#include <vector>

#include "core/String.h"
#include "platform/owl/TDC.h"
#include "tableview/CellData.h"
#include "tableview/GridEditors.h"

namespace TVF_Grid {

class GridControlClass {
public:
    virtual ~GridControlClass() = default;
    // The cell's text at the rectangle's top left, opaque and clipped to it.
    virtual void DrawCell(OWL::TDC& dc, const OWL::TRect& rect, const CellData& data) const;
    // The editor window, a child of parent, and its item part.
    virtual std::unique_ptr<OWL::TWindow> CreateEditor(OWL::TWindow& parent, GridItemControl*& item) = 0;

protected:
    static void DrawText(OWL::TDC& dc, const OWL::TRect& rect, const Ovo::String& text);
};

class GridStaticText : public GridControlClass {};

class GridText : public GridStaticText {
public:
    std::unique_ptr<OWL::TWindow> CreateEditor(OWL::TWindow& parent, GridItemControl*& item) override;
};

class GridStringList : public GridControlClass {
public:
    void AddString(const Ovo::String& text) { mChoices.push_back(text); }
    const std::vector<Ovo::String>& Choices() const { return mChoices; }
    // The choice the cell's value names; nothing for a value past the choices.
    void DrawCell(OWL::TDC& dc, const OWL::TRect& rect, const CellData& data) const override;
    std::unique_ptr<OWL::TWindow> CreateEditor(OWL::TWindow& parent, GridItemControl*& item) override;

private:
    std::vector<Ovo::String> mChoices;
};

} // namespace TVF_Grid
