#include "plot/GraphMenu.h"

#include "platform/user/menu_api.h"
#include "plot/PlotMessages.h"

namespace ZOzuve1 {

bool GraphMenu::Show(HWND owner, int screenX, int screenY) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < items.size(); ++i) {
        GraphMenuItem& item = items[i];
        if (item.id == 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (item.handler == nullptr)
            continue;
        item.handler->ReceiveMessage(
            PreDisplayMenuMessage(item.id, &item.visible, &item.enabled, &item.ticked, &item.text));
        if (item.visible)
            AppendMenuW(menu, (item.ticked ? MF_CHECKED : 0) | (item.enabled ? 0 : MF_GRAYED),
                        kFirstCommand + i, item.text.c_str());
    }
    const int chosen = TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_NONOTIFY, screenX, screenY, owner, nullptr);
    DestroyMenu(menu);
    if (chosen < static_cast<int>(kFirstCommand) || chosen - kFirstCommand >= items.size())
        return false;
    const GraphMenuItem& item = items[static_cast<std::size_t>(chosen) - kFirstCommand];
    if (item.handler == nullptr || item.id == 0)
        return false;
    item.handler->ReceiveMessage(OnMenuItemMessage(item.id));
    return true;
}

} // namespace ZOzuve1
