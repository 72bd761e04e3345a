#include "platform/user/PaintDevice.h"

#include <cstdint>
#include <set>

namespace user {
namespace {

class NullPaintDevice final : public PaintDevice {
public:
    HDC Acquire(HWND, const RECT&) override {
        HDC dc = reinterpret_cast<HDC>(next_);
        next_ += 4;
        live_.insert(dc);
        return dc;
    }
    void Release(HWND, HDC dc) override { live_.erase(dc); }
    bool EraseBackground(HWND, HDC, HBRUSH background) override { return background != nullptr; }
    int Outstanding() const override { return static_cast<int>(live_.size()); }

private:
    std::uintptr_t next_ = 0xD0000;
    std::set<HDC> live_;
};

} // namespace

std::unique_ptr<PaintDevice> PaintDevice::MakeNull() {
    return std::make_unique<NullPaintDevice>();
}

} // namespace user
