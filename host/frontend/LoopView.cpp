#include "host/frontend/LoopView.h"

#include "host/framework/ViewServices.h"
#include "host/frontend/AnalyzeOptions.h"
#include "host/frontend/ModuleHost.h"
#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/user.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace Vantrel {

namespace {

constexpr const char16_t* kLoopViewName = u"Loop View";
constexpr DWORD kLoopViewKind = 4;
constexpr int kLoopList = 3001;

} // namespace

LoopView::LoopView(ModuleHost& module, IUnknown* hostDocument) {
    const ComPtr<IDocViewClass> viewClass = module.viewClass(kLoopViewName);
    if (!viewClass)
        throw std::runtime_error("the module registered no loop view");
    try {
        mView = std::make_unique<DocumentView>(*viewClass.Get(), hostDocument, kLoopViewKind);
    } catch (const std::runtime_error&) {
        throw std::runtime_error("the module's loop view cannot be opened");
    }
}

LoopView::~LoopView() = default;

void LoopView::uncheck(const std::vector<LoopRange>& loops) {
    user::Desktop& desktop = user::Desktop::Current();
    const HWND list = GetDlgItem(mView->Window(), kLoopList);
    if (list == nullptr)
        throw std::runtime_error("the module's loop view shows no list of loops");
    const auto count = static_cast<std::int64_t>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    SetFocus(list);
    RECT client{};
    GetClientRect(list, &client);
    // Each loop once, however the ranges overlap: a second click would check it again.
    std::vector<bool> left(static_cast<std::size_t>(count));
    for (const LoopRange& range : loops)
        for (std::int64_t loop = range.first; loop <= std::min(range.last, count); ++loop)
            left[static_cast<std::size_t>(loop - 1)] = true;
    for (std::int64_t number = 1; number <= count; ++number) {
        if (!left[static_cast<std::size_t>(number - 1)])
            continue;
        const auto at = static_cast<WPARAM>(number - 1);
        RECT item{};
        // The wheel scrolls the list until the item shows whole.
        for (int turns = 0;; ++turns) {
            if (SendMessageW(list, LB_GETITEMRECT, at, reinterpret_cast<LPARAM>(&item)) == LB_ERR ||
                turns > count)
                throw std::runtime_error("the loop view's list does not show loop " + std::to_string(number));
            if (item.top >= client.top && item.bottom <= client.bottom)
                break;
            user::Wheel(item.top < client.top ? 120 : -120);
            desktop.Pump();
        }
        user::Click(list, {item.left + 6, (item.top + item.bottom) / 2});
        desktop.Pump();
    }
}

} // namespace Vantrel
