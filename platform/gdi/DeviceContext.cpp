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
    : GdiObject(kind == Kind::Memory ? OBJ_MEMDC : OBJ_DC), mKind(kind), mCaps(caps),
      mSurface(std::move(surface)), mOrigin(origin), mSystemClip(std::move(systemClip)),
      mLog(log ? std::move(log) : std::make_shared<DisplayList>()) {}

DeviceContext::~DeviceContext() {
    if (mState.bitmap.object && mState.bitmap.object->SelectedInto() == this)
        mState.bitmap.object->SetSelectedInto(nullptr);
}

POINT DeviceContext::DeviceOffset() const {
    return POINT{Saturate(std::int64_t{mState.viewportOrg.x} - mState.windowOrg.x),
                 Saturate(std::int64_t{mState.viewportOrg.y} - mState.windowOrg.y)};
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
    Region bounds(SurfaceRect(mSurface.get()));
    if (mSystemClip)
        bounds = bounds.Intersect(*mSystemClip);
    bounds.Offset(-mOrigin.x, -mOrigin.y);
    return bounds;
}

const Region& DeviceContext::EffectiveClip() {
    if (mClipValid)
        return mClip;
    mClip = Region(SurfaceRect(mSurface.get()));
    if (mSystemClip)
        mClip = mClip.Intersect(*mSystemClip);
    if (mState.appClip) {
        Region app = *mState.appClip;
        app.Offset(mOrigin.x, mOrigin.y);
        mClip = mClip.Intersect(app);
    }
    mClipValid = true;
    return mClip;
}

void DeviceContext::SetAppClip(std::optional<Region> deviceRegion) {
    mState.appClip = std::move(deviceRegion);
    ClipChanged();
}

void DeviceContext::SetSystemClip(std::optional<Region> surfaceRegion) {
    mSystemClip = std::move(surfaceRegion);
    ClipChanged();
}

void DeviceContext::SelectBitmap(Selected<BitmapObject> bitmap) {
    if (mState.bitmap.object && mState.bitmap.object->SelectedInto() == this)
        mState.bitmap.object->SetSelectedInto(nullptr);
    mState.bitmap = std::move(bitmap);
    mSurface = mState.bitmap.object ? mState.bitmap.object->SurfacePtr() : nullptr;
    if (mState.bitmap.object)
        mState.bitmap.object->SetSelectedInto(this);
    ClipChanged();
}

int DeviceContext::Save() {
    mSaved.push_back(mState);
    return static_cast<int>(mSaved.size());
}

// level > 0: the state saved by the SaveDC call that returned level;
// level < 0: counted back from the newest save (-1 is the newest).
bool DeviceContext::Restore(int level) {
    const int count = static_cast<int>(mSaved.size());
    const int target = level < 0 ? count + level + 1 : level;
    if (target < 1 || target > count)
        return false;
    DcState restored = std::move(mSaved[static_cast<std::size_t>(target - 1)]);
    mSaved.resize(static_cast<std::size_t>(target - 1));
    if (mKind == Kind::Memory)
        SelectBitmap(restored.bitmap);
    mState = std::move(restored);
    ClipChanged();
    return true;
}

bool DeviceContext::References(HGDIOBJ handle) const {
    auto holds = [handle](const DcState& s) {
        return s.pen.handle == handle || s.brush.handle == handle || s.font.handle == handle ||
               s.bitmap.handle == handle;
    };
    if (holds(mState))
        return true;
    for (const DcState& s : mSaved)
        if (holds(s))
            return true;
    return false;
}

} // namespace gdi
