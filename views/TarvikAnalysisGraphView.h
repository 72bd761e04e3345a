#pragma once
// The window of the loop view: the check list of the analysis' loops beside the (not yet drawn)
// loop graph. The list names every loop of the loop data with its number from 1; a loop the user
// excluded is unchecked. Selecting an item makes its loop the current loop (set-up parameter 58);
// checking or unchecking it takes the loop out of or puts it in the loop view's excluded set
// (parameter 61); both models then publish, and the document marks the loops again and tells its
// views.
//
// List positions are the loop data's loop indices, the indices parameters 58 and 61 hold: the
// trailing event after a block's last loop (state 2) is no loop and gets no item, and it has no loop
// index either, so a loop after it keeps its own index in the list.

#include <memory>
#include <vector>

#include "analysis/TarvikData.h"
#include "platform/owl/TCheckList.h"
#include "views/TitledView.h"

namespace Tarvik {

class TarvikDocument;

class TarvikAnalysisGraphView : public TitledView<106> {
public:
    TarvikAnalysisGraphView(OWL::TWindow* parent, IUnknown* document, IDocView2* view,
                            OwlDocViewClassBase* viewClass, ULONG_PTR creation);
    ~TarvikAnalysisGraphView() override;

    static constexpr int kLoopListId = 3001;

    // Whether the loops' smallest end-diastolic pressure (loop parameter 13)
    // is below 0.001, or their smallest minimum volume (parameter 5) below
    // 0.0001: values a relation plot cannot take on a logarithmic axis. False
    // without loop data, without loops, and for a value that is no number.
    static bool IsLoopParam13Small(TarvikData* loops);
    static bool IsLoopParam5Small(TarvikData* loops);

    // A new analysis (flag 0x2) empties the list first; then the list is filled again from the loop
    // data unless the host is sampling.
    void OnDocumentDataChanged(std::uint32_t flags) override;
    OWL::TCheckList& LoopList() const { return *mLoopList; }
    // Fills the list from the loop data: items are reused in place, new ones appended and the rest
    // removed; the current loop's item is selected.
    void RefillLoopList();
    void EvSize(UINT kind, const OWL::TSize& size);

protected:
    void SetupWindow() override;

private:
    TarvikDocument* ModuleDocument() const;
    void EmptyLoopList();
    void LoopSelectionChanged();

    OWL::TCheckList* mLoopList; // a child window: the window deletes it
    std::vector<std::unique_ptr<OWL::TCheckListItem>> mItems;

    DECLARE_RESPONSE_TABLE(TarvikAnalysisGraphView);
};

} // namespace Tarvik
