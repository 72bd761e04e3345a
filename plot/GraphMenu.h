#pragma once
// The graph window's context menu: items whose state and text their handlers
// fill just before the menu shows, and which report the chosen item to them.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/user/handles.h"
#include "plot/MessSys.h"

namespace ZOzuve1 {

struct GraphMenuItem {
    std::uint32_t id = 0; // 0: a separator
    MessSys::MessageReceiver* handler = nullptr;
    bool visible = true;
    bool enabled = true;
    bool ticked = false;
    std::u16string text;
};

class GraphMenu {
public:
    static constexpr UINT kFirstCommand = 100;

    virtual ~GraphMenu() = default;

    // Asks each item's handler for its state (PreDisplayMenuMessage), shows
    // the visible ones at the screen point with command ids 100 + the item's
    // index (hidden items still count) and tells the chosen item's handler
    // (OnMenuItemMessage). False when the menu was dismissed. An item without
    // a handler is not shown.
    bool Show(HWND owner, int screenX, int screenY);

    std::vector<GraphMenuItem> items;
};

} // namespace ZOzuve1
