#include "views/TarvikAnalysisGraphView.h"

#include <string>

#include "analysis/EventStats.h"
#include "analysis/LoopParameters.h"
#include "document/HostLoopData.h"
#include "document/TarvikDocument.h"
#include "platform/user/user.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

namespace {

// The smallest value of a loop parameter below limit; a comparison with a
// value that is no number is false.
bool SmallestBelow(TarvikData* loops, std::int32_t id, double limit) {
    double minimum = 0, maximum = 0, mean = 0;
    std::int32_t count = 0;
    return loops != nullptr && loops->GetParamStats(id, minimum, maximum, mean, count) && count > 0 &&
           minimum < limit;
}

constexpr std::uint32_t kNoLoop = 2; // the state of the trailing event after a block's last loop

} // namespace

DEFINE_RESPONSE_TABLE1(TarvikAnalysisGraphView, TarvikViewBase)
EV_WM_SIZE, EV_LBN_SELCHANGE(TarvikAnalysisGraphView::kLoopListId, LoopSelectionChanged), END_RESPONSE_TABLE;

TarvikAnalysisGraphView::TarvikAnalysisGraphView(OWL::TWindow* parent, IUnknown* document, IDocView2* view,
                                                 OwlDocViewClassBase* viewClass, ULONG_PTR creation)
    : TitledView<106>(parent, document, view, viewClass, creation),
      mLoopList(
          new OWL::TCheckList(this, kLoopListId, 0, 0, 60, 60, viewClass ? viewClass->Module() : nullptr)) {}

// The list window goes with this window; its items go after it.
TarvikAnalysisGraphView::~TarvikAnalysisGraphView() = default;

bool TarvikAnalysisGraphView::IsLoopParam13Small(TarvikData* loops) {
    return SmallestBelow(loops, LP_Ped, 0.001);
}

bool TarvikAnalysisGraphView::IsLoopParam5Small(TarvikData* loops) {
    return SmallestBelow(loops, LP_Vmin, 0.0001);
}

void TarvikAnalysisGraphView::SetupWindow() {
    TitledView<106>::SetupWindow();
    mLoopList->SetWindowFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false);
    mLoopList->SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // A view opened on an analysis shows its loops at once.
    RefillLoopList();
}

TarvikDocument* TarvikAnalysisGraphView::ModuleDocument() const {
    return ModuleDocumentOf(Document());
}

void TarvikAnalysisGraphView::OnDocumentDataChanged(std::uint32_t flags) {
    if ((flags & kAnalysisUpdated) != 0)
        EmptyLoopList();
    TarvikDocument* document = ModuleDocument();
    if (document != nullptr && !document->IsSampling())
        RefillLoopList();
    Invalidate(true);
}

void TarvikAnalysisGraphView::EmptyLoopList() {
    if (mLoopList->IsWindow())
        mLoopList->ClearList();
    mItems.clear();
}

void TarvikAnalysisGraphView::RefillLoopList() {
    TarvikDocument* document = ModuleDocument();
    TarvikData* loops = LoopDataOf(Document());
    if (document == nullptr || loops == nullptr || !mLoopList->IsWindow())
        return;
    const EventStats* stats = loops->GetVChanData().GetStats();
    const std::int32_t total = stats != nullptr ? stats->total() : 0;
    const ModelPtr setup = document->FindModel();
    const std::int32_t current = setup ? GetModelParam<58>(setup) : -1;
    std::size_t used = 0;
    for (std::int32_t i = 0; i < total; ++i) {
        const auto state = static_cast<std::uint32_t>(stats->GetEventState(i));
        if (state == kNoLoop)
            continue;
        const bool checked = state != TarvikEvent::Marked;
        const std::string digits = std::to_string(used + 1);
        const std::u16string number(digits.begin(), digits.end());
        if (used < mItems.size()) {
            OWL::TCheckListItem& item = *mItems[used];
            item.SetText(number);
            checked ? item.Check() : item.Uncheck();
            mLoopList->Update(static_cast<int>(used));
        } else {
            mItems.push_back(std::make_unique<OWL::TCheckListItem>(number, checked));
            mLoopList->AddItem(mItems.back().get());
        }
        if (static_cast<std::int32_t>(used) == current)
            mLoopList->SetSelIndex(static_cast<int>(used));
        ++used;
    }
    for (int p = mLoopList->GetCount() - 1; p >= static_cast<int>(used); --p)
        mLoopList->DetachItem(p);
    mItems.resize(used);
}

void TarvikAnalysisGraphView::LoopSelectionChanged() {
    const int p = mLoopList->GetSelIndex();
    TarvikDocument* document = ModuleDocument();
    if (p < 0 || static_cast<std::size_t>(p) >= mItems.size() || document == nullptr)
        return;
    const ModelPtr setup = document->FindModel();
    const ModelPtr loopView = document->GetModel(kLoopViewModel);
    if (!setup || !loopView)
        return;
    IntSet excluded = GetModelParam<61>(loopView);
    if (mItems[static_cast<std::size_t>(p)]->IsChecked())
        excluded.erase(p);
    else
        excluded.insert(p);
    SetModelParam<58>(setup, p);
    SetModelParam<61>(loopView, excluded);
    loopView->CommitChange();
    setup->CommitChange();
}

void TarvikAnalysisGraphView::EvSize(UINT, const OWL::TSize& size) {
    if (size.cx <= 0 || size.cy <= 0)
        return;
    const OWL::TRect client = GetClientRect();
    mLoopList->MoveWindow(client.left + 2, client.top + 26, 60, (client.bottom - 2) - (client.top + 26) - 1,
                          true);
    Invalidate(true);
}

} // namespace Tarvik
