#pragma once
// A device context: drawing state over a target surface. A memory device
// context draws into the bitmap selected into it; a surface device context
// draws into a surface its creator gives (a window's back buffer, a printer
// page) at an origin and inside a system clip, both in surface coordinates.
//
// Coordinates: device = logical - window origin + viewport origin (MM_TEXT);
// surface = device + origin. The effective clip, in surface coordinates, is
// surface bounds n system clip n application clip.

#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/DcState.h"
#include "platform/gdi/DeviceCaps.h"
#include "platform/gdi/DisplayList.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"

namespace gdi {

class DeviceContext : public GdiObject {
public:
    enum class Kind { Memory, Surface };

    DeviceContext(Kind kind, const DeviceCaps& caps, std::shared_ptr<Surface> surface, POINT origin,
                  std::optional<Region> systemClip, std::shared_ptr<DisplayList> log);
    ~DeviceContext() override;

    Kind ContextKind() const { return mKind; }
    const DeviceCaps& Caps() const { return mCaps; }
    DcState& State() { return mState; }
    const DcState& State() const { return mState; }
    DisplayList& Log() { return *mLog; }

    Surface* Target() const { return mSurface.get(); }
    const std::shared_ptr<Surface>& TargetPtr() const { return mSurface; }
    POINT Origin() const { return mOrigin; }

    POINT ToDevice(POINT logical) const;
    RECT ToDevice(const RECT& logical) const;
    POINT DeviceOffset() const; // device minus logical

    // Surface bounds n system clip, in device coordinates: the clip an
    // application clip starts from.
    Region DeviceBounds() const;
    // Surface coordinates.
    const Region& EffectiveClip();
    void SetAppClip(std::optional<Region> deviceRegion);
    void SetSystemClip(std::optional<Region> surfaceRegion);

    // Memory device contexts: makes the selected bitmap's surface the target.
    void SelectBitmap(Selected<BitmapObject> bitmap);

    int Save();
    bool Restore(int level);
    bool References(HGDIOBJ handle) const;

private:
    void ClipChanged() { mClipValid = false; }

    Kind mKind;
    DeviceCaps mCaps;
    std::shared_ptr<Surface> mSurface;
    POINT mOrigin;
    std::optional<Region> mSystemClip;
    std::shared_ptr<DisplayList> mLog;
    DcState mState;
    std::vector<DcState> mSaved;
    Region mClip;
    bool mClipValid = false;
};

} // namespace gdi
