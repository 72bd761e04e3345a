#pragma once
// A detector's cursor over the samples of a host channel (ISampleChannel),
// reading them in blocks of 1024.

#include <array>

#include "analysis/EEH3SourceEnum.h"
#include "platform/vantrel/ISampleChannel.h"

namespace EEH3 {

class FloatExWrapper : public eeh_SourceEnum {
public:
    static constexpr std::int32_t kBufferSize = 1024;

    // Holds a reference to channel.
    explicit FloatExWrapper(ISampleChannel* channel);
    ~FloatExWrapper() override;
    FloatExWrapper(const FloatExWrapper&) = delete;
    FloatExWrapper& operator=(const FloatExWrapper&) = delete;

    // The tick of the current sample, or of the sample the cursor waits for; never above the end tick.
    std::int32_t Position() override;
    bool Advance() override;
    bool HasCurrent() override;
    void Seek(std::int32_t tick) override;
    void GetEventInfo(CalcEventInfo& info) override;
    bool IsRecordComplete() override;

    // The current sample; only when HasCurrent().
    float Value() const { return m_buffer[static_cast<std::size_t>(m_cursor)]; }

private:
    bool Fill();

    ISampleChannel* m_channel;
    std::array<float, kBufferSize> m_buffer{};
    std::int32_t m_bufferStart = 0; // tick of m_buffer[0]
    std::int32_t m_count = 0;
    std::int32_t m_cursor = 0;
    bool m_channelAt = false; // the channel's own cursor stands at m_bufferStart + m_count
};

} // namespace EEH3
