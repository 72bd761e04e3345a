#include "platform/gdiplus/Startup.h"

#include <cstdlib>
#include <set>

namespace Gdiplus {
namespace {

struct Sessions {
    std::set<ULONG_PTR> open;
    ULONG_PTR next = 0x5000;
};

Sessions& State() {
    static Sessions s;
    return s;
}

} // namespace

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput*) {
    if (token == nullptr || input == nullptr || input->GdiplusVersion < 1 || input->GdiplusVersion > 2)
        return InvalidParameter;
    *token = ++State().next;
    State().open.insert(*token);
    return Ok;
}

void GdiplusShutdown(ULONG_PTR token) {
    State().open.erase(token);
}

int ActiveSessions() {
    return static_cast<int>(State().open.size());
}

void* GdipAlloc(std::size_t size) {
    return std::malloc(size == 0 ? 1 : size);
}

void GdipFree(void* block) {
    std::free(block);
}

} // namespace Gdiplus
