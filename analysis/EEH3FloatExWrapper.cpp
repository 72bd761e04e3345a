#include "analysis/EEH3FloatExWrapper.h"

#include <algorithm>

namespace EEH3 {

FloatExWrapper::FloatExWrapper(ISampleChannel* channel) : m_channel(channel) {
    if (m_channel)
        m_channel->AddRef();
}

FloatExWrapper::~FloatExWrapper() {
    if (m_channel)
        m_channel->Release();
}

std::int32_t FloatExWrapper::Position() {
    return std::min(m_bufferStart + m_cursor, m_endTick);
}

bool FloatExWrapper::HasCurrent() {
    return m_cursor < m_count || Fill();
}

bool FloatExWrapper::Advance() {
    if (!HasCurrent())
        return false;
    ++m_cursor;
    return HasCurrent();
}

// Reads the next block at the cursor: at most up to the end tick. A complete
// record read to its end, or the end tick reached, ends the input.
bool FloatExWrapper::Fill() {
    if (m_ended || !m_channel)
        return false;
    const std::int32_t position = m_bufferStart + m_cursor;
    if (position >= m_endTick) {
        m_ended = true;
        return false;
    }
    if (!m_channelAt)
        m_channel->Seek(position);
    const auto wanted = static_cast<ULONG>(
        std::min<std::int64_t>(static_cast<std::int64_t>(m_endTick) - position, kBufferSize));
    ULONG got = 0;
    const HRESULT hr = m_channel->Read(wanted, m_buffer.data(), &got);
    if (FAILED(hr))
        got = 0;
    m_bufferStart = position;
    m_cursor = 0;
    m_count = static_cast<std::int32_t>(std::min(got, wanted));
    m_channelAt = true;
    if (m_count == 0 && hr == S_FALSE)
        m_ended = true;
    return m_count > 0;
}

void FloatExWrapper::Seek(std::int32_t tick) {
    tick = std::max(tick, 0);
    if (tick >= m_endTick) {
        m_ended = true;
        m_bufferStart = m_endTick;
        m_cursor = m_count = 0;
        m_channelAt = false;
        return;
    }
    m_ended = false;
    if (tick >= m_bufferStart && tick < m_bufferStart + m_count) {
        m_cursor = tick - m_bufferStart;
        return;
    }
    m_bufferStart = tick;
    m_cursor = m_count = 0;
    m_channelAt = false;
}

void FloatExWrapper::GetEventInfo(CalcEventInfo& info) {
    CalcEventInfo answer;
    if (m_channel && SUCCEEDED(m_channel->GetEventInfo(&answer)))
        info = answer;
}

bool FloatExWrapper::IsRecordComplete() {
    return !m_channel || m_channel->IsRecordComplete() == S_OK;
}

} // namespace EEH3
