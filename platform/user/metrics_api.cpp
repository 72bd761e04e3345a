#include "platform/user/metrics_api.h"

#include <utility>

#include "platform/user/Desktop.h"
#include "platform/user/rect_math.h"

namespace {

constexpr std::pair<int, int> kMetrics[] = {
    {SM_CXSCREEN, 1920}, {SM_CYSCREEN, 1080}, {SM_CXVSCROLL, 17},  {SM_CYHSCROLL, 17}, {SM_CYCAPTION, 18},
    {SM_CXBORDER, 1},    {SM_CYBORDER, 1},    {SM_CXDLGFRAME, 3},  {SM_CYDLGFRAME, 3}, {SM_CYVTHUMB, 17},
    {SM_CXHTHUMB, 17},   {SM_CXICON, 32},     {SM_CYICON, 32},     {SM_CXCURSOR, 32},  {SM_CYCURSOR, 32},
    {SM_CYMENU, 19},     {SM_CYVSCROLL, 17},  {SM_CXHSCROLL, 17},  {SM_SWAPBUTTON, 0}, {SM_CXFRAME, 4},
    {SM_CYFRAME, 4},     {SM_CXDOUBLECLK, 4}, {SM_CYDOUBLECLK, 4}, {SM_CXEDGE, 2},     {SM_CYEDGE, 2},
    {SM_CXSMICON, 16},   {SM_CYSMICON, 16},   {SM_CMONITORS, 1},
};

} // namespace

int GetSystemMetrics(int index) {
    const std::vector<user::Monitor>& monitors = user::Desktop::Current().Monitors();
    if (index == SM_CXSCREEN)
        return static_cast<int>(user::Width(monitors.front().monitor));
    if (index == SM_CYSCREEN)
        return static_cast<int>(user::Height(monitors.front().monitor));
    if (index == SM_CMONITORS)
        return static_cast<int>(monitors.size());
    if (index == SM_SWAPBUTTON)
        return user::Desktop::Current().Settings().swapButtons ? 1 : 0;
    for (const auto& [key, value] : kMetrics) {
        if (key == index)
            return value;
    }
    return 0;
}

namespace user {
RECT WorkArea() {
    return Desktop::Current().Monitors().front().work;
}
} // namespace user
