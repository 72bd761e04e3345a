#include "analysis/EEH3EventWrapper.h"

#include <algorithm>

#include "platform/vantrel/ICalcEnum.h"

namespace EEH3 {

IEnumEventEx* EventWrapper::Attach(IUnknown* source, std::uint32_t minimumEventSize,
                                   std::uint32_t& eventSize) {
    if (!source)
        return nullptr;
    IEnumEventEx* inner = nullptr;
    if (FAILED(source->QueryInterface(IID_IEnumEventEx, reinterpret_cast<void**>(&inner))) || !inner)
        return nullptr;
    ULONG size = 0;
    if (FAILED(inner->GetEventSize(&size)) || size < minimumEventSize || size < sizeof(OvoEventBase)) {
        inner->Release();
        return nullptr;
    }
    eventSize = size;
    return inner;
}

std::unique_ptr<EventWrapper> EventWrapper::Create(IUnknown* source, std::uint32_t minimumEventSize) {
    std::uint32_t size = 0;
    IEnumEventEx* inner = Attach(source, minimumEventSize, size);
    return inner ? std::unique_ptr<EventWrapper>(new EventWrapper(inner, size)) : nullptr;
}

EventWrapper::EventWrapper(IEnumEventEx* inner, std::uint32_t eventSize)
    : m_inner(inner), m_eventSize(eventSize), m_buffer(std::size_t{eventSize} * kBufferEvents) {}

EventWrapper::~EventWrapper() {
    m_inner->Release();
}

std::int32_t EventWrapper::TickAt(std::uint32_t index) const {
    return ReadEventRecord<OvoEventBase>(m_buffer.data() + std::size_t{index} * m_eventSize).tick;
}

std::int32_t EventWrapper::Position() {
    if (m_ended)
        return INT32_MAX;
    if (m_cursor < m_count)
        return TickAt(m_cursor);
    return m_innerPosition;
}

bool EventWrapper::HasCurrent() {
    return m_cursor < m_count || Fill();
}

bool EventWrapper::Advance() {
    if (!HasCurrent())
        return false;
    ++m_cursor;
    return HasCurrent();
}

// Pulls the next events below the end tick. A failing inner calculation counts
// as one whose data have ended, so that no detector waits for it forever.
bool EventWrapper::Fill() {
    if (m_ended)
        return false;
    ULONG got = 0;
    LONG position = m_innerPosition;
    const HRESULT hr =
        m_inner->Next(static_cast<ULONG>(m_buffer.size()), m_endTick, m_buffer.data(), &got, &position);
    m_cursor = 0;
    m_count = FAILED(hr) ? 0 : std::min<std::uint32_t>(got, kBufferEvents);
    m_innerPosition = position;
    if (hr == S_FALSE || FAILED(hr))
        m_innerAtEnd = true;
    if (m_count == 0 && (m_innerAtEnd || position >= m_endTick))
        m_ended = true;
    return m_count > 0;
}

void EventWrapper::Seek(std::int32_t tick) {
    if (tick >= m_endTick) {
        m_ended = true;
        m_cursor = m_count = 0;
        return;
    }
    m_ended = false;
    if (m_count > 0 && tick >= TickAt(0) && tick <= TickAt(m_count - 1)) {
        std::uint32_t i = 0;
        while (TickAt(i) < tick)
            ++i;
        m_cursor = i;
        return;
    }
    m_cursor = m_count = 0;
    m_inner->Find(FALSE, tick, tick, tick + 1, 0, nullptr);
    LONG position = tick;
    if (FAILED(m_inner->GetPosition(&position)))
        position = tick;
    m_innerPosition = position;
    m_innerAtEnd = position == INT32_MAX;
    m_ended = m_innerAtEnd;
}

void EventWrapper::GetEventInfo(CalcEventInfo& info) {
    ICalcEnum* calc = nullptr;
    if (SUCCEEDED(m_inner->QueryInterface(IID_ICalcEnum, reinterpret_cast<void**>(&calc))) && calc) {
        CalcEventInfo answer;
        if (SUCCEEDED(calc->GetEventInfo(&answer)))
            info = answer;
        calc->Release();
    }
}

bool EventWrapper::IsRecordComplete() {
    return m_ended || m_innerAtEnd;
}

} // namespace EEH3
