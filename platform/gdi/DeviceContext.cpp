#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/saturate.h"

namespace gdi {
namespace {

RECT SurfaceRect(const Surface* s) {
    return s ? RECT{0, 0, s->Width(), s->Height()} : RECT{0, 0, 0, 0};
}

} // namespace

DeviceContext::DeviceContext(Kind kind, const DeviceCaps& caps, std::shared_ptr<Surface> surface,
                             POINT origin, std::optional<Region> systemClip, std::shared_ptr<DisplayList> log)
    : GdiObject(kind == Kind::Memory ? OBJ_MEMDC : OBJ_DC), kind_(kind), caps_(caps),
      surface_(std::move(surface)), origin_(origin), systemClip_(std::move(systemClip)),
      log_(log ? std::move(log) : std::make_shared<DisplayList>()) {}

DeviceContext::~DeviceContext() {
    if (state_.bitmap.object && state_.bitmap.object->SelectedInto() == this)
        state_.bitmap.object->SetSelectedInto(nullptr);
}

POINT DeviceContext::DeviceOffset() const {
    return POINT{Saturate(std::int64_t{state_.viewportOrg.x} - state_.windowOrg.x),
                 Saturate(std::int64_t{state_.viewportOrg.y} - state_.windowOrg.y)};
}

POINT DeviceContext::ToDevice(POINT logical) const {
    const POINT d = DeviceOffset();
    return POINT{Saturate(std::int64_t{logical.x} + d.x), Saturate(std::int64_t{logical.y} + d.y)};
}

RECT DeviceContext::ToDevice(const RECT& logical) const {
    const POINT d = DeviceOffset();
    return Shifted(logical, d.x, d.y);
}

Region DeviceContext::DeviceBounds() const {
    Region bounds(SurfaceRect(surface_.get()));
    if (systemClip_)
        bounds = bounds.Intersect(*systemClip_);
    bounds.Offset(-origin_.x, -origin_.y);
    return bounds;
}

const Region& DeviceContext::EffectiveClip() {
    if (clipValid_)
        return clip_;
    clip_ = Region(SurfaceRect(surface_.get()));
    if (systemClip_)
        clip_ = clip_.Intersect(*systemClip_);
    if (state_.appClip) {
        Region app = *state_.appClip;
        app.Offset(origin_.x, origin_.y);
        clip_ = clip_.Intersect(app);
    }
    clipValid_ = true;
    return clip_;
}

void DeviceContext::SetAppClip(std::optional<Region> deviceRegion) {
    state_.appClip = std::move(deviceRegion);
    ClipChanged();
}

void DeviceContext::SetSystemClip(std::optional<Region> surfaceRegion) {
    systemClip_ = std::move(surfaceRegion);
    ClipChanged();
}

void DeviceContext::SelectBitmap(Selected<BitmapObject> bitmap) {
    if (state_.bitmap.object && state_.bitmap.object->SelectedInto() == this)
        state_.bitmap.object->SetSelectedInto(nullptr);
    state_.bitmap = std::move(bitmap);
    surface_ = state_.bitmap.object ? state_.bitmap.object->SurfacePtr() : nullptr;
    if (state_.bitmap.object)
        state_.bitmap.object->SetSelectedInto(this);
    ClipChanged();
}

int DeviceContext::Save() {
    saved_.push_back(state_);
    return static_cast<int>(saved_.size());
}

// level > 0: the state saved by the SaveDC call that returned level;
// level < 0: counted back from the newest save (-1 is the newest).
bool DeviceContext::Restore(int level) {
    const int count = static_cast<int>(saved_.size());
    const int target = level < 0 ? count + level + 1 : level;
    if (target < 1 || target > count)
        return false;
    DcState restored = std::move(saved_[static_cast<std::size_t>(target - 1)]);
    saved_.resize(static_cast<std::size_t>(target - 1));
    if (kind_ == Kind::Memory)
        SelectBitmap(restored.bitmap);
    state_ = std::move(restored);
    ClipChanged();
    return true;
}

bool DeviceContext::References(HGDIOBJ handle) const {
    auto holds = [handle](const DcState& s) {
        return s.pen.handle == handle || s.brush.handle == handle || s.font.handle == handle ||
               s.bitmap.handle == handle;
    };
    if (holds(state_))
        return true;
    for (const DcState& s : saved_)
        if (holds(s))
            return true;
    return false;
}

} // namespace gdi
