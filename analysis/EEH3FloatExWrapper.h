#pragma once
// A detector's cursor over the samples of a host channel (ISampleChannel),
// reading them in blocks of 1024.

#include <algorithm>
#include <array>

#include "analysis/EEH3SourceEnum.h"
#include "platform/vantrel/ISampleChannel.h"
#include "platform/win32/com_ptr.h"

namespace EEH3 {

class FloatExWrapper final : public eeh_SourceEnum {
public:
    static constexpr std::int32_t kBufferSize = 1024;

    // Holds a reference to channel.
    explicit FloatExWrapper(ISampleChannel* channel);
    FloatExWrapper(const FloatExWrapper&) = delete;
    FloatExWrapper& operator=(const FloatExWrapper&) = delete;

    // The tick of the current sample, or of the sample the cursor waits for; never above the end tick.
    std::int32_t Position() override { return std::min(mBufferStart + mCursor, mEndTick); }
    bool Advance() override {
        if (!HasCurrent())
            return false;
        ++mCursor;
        return HasCurrent();
    }
    bool HasCurrent() override { return mCursor < mCount || Fill(); }
    void Seek(std::int32_t tick) override;
    void GetEventInfo(CalcEventInfo& info) override;
    bool IsRecordComplete() override;

    // The current sample; only when HasCurrent().
    float Value() const { return mBuffer[static_cast<std::size_t>(mCursor)]; }
    // Copies at most count samples from the current one on into out and moves past them. Returns how
    // many were copied: fewer than count when the input has ended or, while the host samples, when
    // the next samples have not arrived yet.
    std::int32_t Read(float* out, std::int32_t count);

private:
    bool Fill();

    ComPtr<ISampleChannel> mChannel;
    std::array<float, kBufferSize> mBuffer{};
    std::int32_t mBufferStart = 0; // tick of mBuffer[0]
    std::int32_t mCount = 0;
    std::int32_t mCursor = 0;
    bool mChannelAt = false; // the channel's own cursor stands at mBufferStart + mCount
};

} // namespace EEH3
