#include "workflow/WorkflowSetup.h"

#include "workflow/ModelDocument.h"
#include "workflow/ModelState.h"

namespace Tarvik {

using namespace ModelState;

WorkflowSetup::WorkflowSetup(ModelDocument* document) : ModelBase(document) {
    Register<34>(mWorkflowInUse);
    Register<1>(mPressureChannel);
    Register<2>(mVolumeChannel);
    Register<0>(mWorkflowKind);
    Register<27>(mRegionMode);
    Register<28>(mEdpSource);
    Register<29>(mEcgSource);
    Register<30>(mPeakHeight);
    Register<31>(mPeakSecond);
    Register<32>(mSetupSetting);
    Register<35>(mOnline);
    Register<36>(mLoopMarkers);
    Register<39>(mAnalysisExists);
    Register<58>(mSelectedLoop);
    Register<59>(mRegionStart);
    Register<60>(mRegionEnd);
}

bool WorkflowSetup::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    Read(in, mWorkflowInUse);
    Read(in, mPressureChannel);
    Read(in, mVolumeChannel);
    Read(in, mWorkflowKind);
    Read(in, mRegionMode);
    Read(in, mEdpSource);
    if (!ReadText(in, mEcgSource.first))
        return false;
    Read(in, mPeakHeight);
    Read(in, mPeakSecond);
    Read(in, mSetupSetting);
    Read(in, mOnline);
    Read(in, mLoopMarkers);
    Read(in, mAnalysisExists);
    return in.Good();
}

void WorkflowSetup::SaveState(Ovo::BinOStream& out) const {
    Write(out, mWorkflowInUse);
    Write(out, mPressureChannel);
    Write(out, mVolumeChannel);
    Write(out, mWorkflowKind);
    Write(out, mRegionMode);
    Write(out, mEdpSource);
    Write(out, mEcgSource.first);
    Write(out, mPeakHeight);
    Write(out, mPeakSecond);
    Write(out, mSetupSetting);
    Write(out, mOnline);
    Write(out, mLoopMarkers);
    Write(out, mAnalysisExists);
}

bool WorkflowSetup::LoadExtraState(Ovo::BinIStream& in, std::uint32_t) {
    Read(in, mSelectedLoop);
    Read(in, mRegionStart.second);
    Read(in, mRegionStart.first);
    Read(in, mRegionEnd.second);
    Read(in, mRegionEnd.first);
    return in.Good();
}

void WorkflowSetup::SaveExtraState(Ovo::BinOStream& out) const {
    Write(out, mSelectedLoop);
    Write(out, mRegionStart.second);
    Write(out, mRegionStart.first);
    Write(out, mRegionEnd.second);
    Write(out, mRegionEnd.first);
}

bool WorkflowSetup::ChannelExists(std::uint32_t channel) {
    if (channel == kNoChannel)
        return true;
    const std::int32_t count = Document() != nullptr ? Document()->GetHostChannelCount() : 0;
    return static_cast<std::int32_t>(channel) >= 0 && static_cast<std::int32_t>(channel) < count;
}

StepMessage WorkflowSetup::Validate() {
    if (mPressureChannel == mVolumeChannel && mPressureChannel != kNoChannel)
        return StepMessage(192, 175);
    for (std::uint32_t channel : {mPressureChannel, mVolumeChannel})
        if (!ChannelExists(channel))
            return StepMessage::Silent();
    for (std::uint32_t channel : {mPressureChannel, mVolumeChannel})
        if (channel != kNoChannel && Document() != nullptr &&
            Document()->IsChannelFlaggedAtPosition(channel, 0xC0000000))
            return StepMessage(174, 177);
    // An edit field stores the not-a-number value for text it cannot read as a number.
    if (IsNotANumberValue(mPeakHeight))
        return StepMessage(22909, 22910);
    if (IsNotANumberValue(mPeakSecond))
        return StepMessage(22913, 22914);
    return StepMessage::Empty();
}

StepMessage WorkflowSetup::CheckCanApply() {
    if (IsNaN(mPeakHeight))
        return StepMessage(22909, 22910);
    if (IsNaN(mPeakSecond))
        return StepMessage(22913, 22914);
    if (mWorkflowKind != 0 && mPressureChannel != kNoChannel && mVolumeChannel != kNoChannel)
        return StepMessage::Empty();
    return StepMessage::Silent();
}

} // namespace Tarvik
