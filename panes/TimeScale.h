#pragma once
// The time scale lane at the bottom of a data pane: one time-label drawer, the
// label font, and the "(ms)" caption when times are shown in milliseconds.

#include "controls/Fonts.h"
#include "panes/ChildPaneBase.h"
#include "panes/TimeAxis.h"

namespace StrevDraw {

class TimeScale : public ChildPaneBase {
public:
    explicit TimeScale(LaneOwner* owner);
    ~TimeScale() override;

    // Measures the probe text with the label font made for dc (a screen context when null).
    void MeasureLabelWidth(HDC dc);
    LONG ProbeTextWidth() const { return mProbeWidth; }
    LONG LabelWidth() const { return mLabelWidth; }
    DWORD DisplayFlags() const { return mDisplayFlags; }
    TimeLabelDrawer* LabelDrawer() const;

    void SetLayout(DWORD tag, POINT origin, const RECT& rect, int leftWidth, int rightWidth,
                   int gap) override;
    HRESULT RemoveDrawers(DWORD mask, ChannelPair pair) override;
    HRESULT ActivateDrawers(DWORD_PTR pane, bool on) override;
    // Draws ticks and labels with the label font, centred, and the caption; takes the
    // display flags of the layout.
    void Draw(HDC dc, const LaneDrawArgs& args, std::uint8_t layerSet = 0xFF, int fromLayer = 0,
              int toLayer = kLayerCount - 1) override;
    void LoadLaneState(Ovo::BinIStream& stream) override;
    void SaveLaneState(Ovo::BinOStream& stream) override;
    // first >= 0: a new label drawer; otherwise the drawers get the source.
    void SetDrawerSource(LONG first, IUnknown* source);

private:
    void AddLabelDrawer();
    void DrawCaption(HDC dc);

    GuiFont mFont;
    DWORD mDisplayFlags = TimeValue::kWithinBlock;
    bool mShown = true;
    LONG mLabelWidth = 0;
    LONG mProbeWidth = 0;
};

// The text whose width every time label is measured against.
inline constexpr const wchar_t* kTimeProbeText = L"10:00:00.0000 a.m.";

} // namespace StrevDraw
