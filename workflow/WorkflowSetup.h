#pragma once
// The set-up step (model 1): the workflow kind, the pressure and volume source
// channels, the end-diastolic detector's settings, the analysed region and the
// document's analysis flags. It observes no model.

#include "workflow/ModelBase.h"

namespace Tarvik {

class WorkflowSetup : public ModelBase<kSetupModel> {
public:
    static constexpr std::uint32_t kNoChannel = 0x80000000;

    explicit WorkflowSetup(ModelDocument* document);

    // 34 bool; 1 u32; 2 u32; 0, 27, 28 i32; 29 its first text; 30, 31 f64; 32 i32; 35, 36, 39 bool.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;
    // 58 i32; then 59 and 60 as u32 words, each record (second word) before tick (first word).
    bool LoadExtraState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveExtraState(Ovo::BinOStream& out) const override;
    // Same channels, a channel that does not exist, a channel that depends on the analysis, then
    // peak height and second argument that are no number.
    StepMessage Validate() override;
    // Complete when a workflow kind and both channels are chosen (and the detector's numbers are
    // numbers).
    StepMessage CheckCanApply() override;

private:
    bool ChannelExists(std::uint32_t channel);

    bool mWorkflowInUse = true;                  // 34
    std::uint32_t mPressureChannel = kNoChannel; // 1
    std::uint32_t mVolumeChannel = kNoChannel;   // 2
    std::int32_t mWorkflowKind = 0;              // 0
    std::int32_t mRegionMode = 0;                // 27
    std::int32_t mEdpSource = 0;                 // 28
    StringPair mEcgSource;                       // 29
    double mPeakHeight = 20.0;                   // 30
    double mPeakSecond = 0.0;                    // 31
    std::int32_t mSetupSetting = 8;              // 32
    bool mOnline = false;                        // 35
    bool mLoopMarkers = true;                    // 36
    bool mAnalysisExists = false;                // 39
    std::int32_t mSelectedLoop = -1;             // 58
    WordPair mRegionStart;                       // 59
    WordPair mRegionEnd;                         // 60
};

} // namespace Tarvik
