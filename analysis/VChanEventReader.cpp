#include "analysis/VChanEventReader.h"

#include <cstring>

namespace Tarvik {

VChanEventReader::~VChanEventReader() {
    Reset();
}

void VChanEventReader::Reset() {
    if (enumerator_)
        enumerator_->Release();
    enumerator_ = nullptr;
    current_ = begin_ = end_ = 0;
    returned_ = 0;
    cursorIndex_ = cursorRecord_ = cursorOffset_ = -2;
}

bool VChanEventReader::Open(IDocumentEvents* events, DWORD channel, std::int32_t record) {
    Reset();
    if (!events)
        return false;
    IEnumEventEx* opened = nullptr;
    const HRESULT hr = events->CreateEventEnumerator(kEventSourceFlag | kEventSourceVirtual, channel,
                                                     kEventEnumeratorFlags, 0, record, INT32_MAX, 0, &opened);
    if (FAILED(hr) || !opened)
        return false;
    enumerator_ = opened;
    ULONG size = 0;
    if (FAILED(enumerator_->GetEventSize(&size)) || size == 0 || size > 0x10000)
        return false;
    eventSize_ = size;
    bufferSize_ = size * kBufferEvents;
    buffer_.assign(bufferSize_, 0);
    return ReadBlock();
}

bool VChanEventReader::ReadBlock() {
    returned_ = 0;
    begin_ = current_ = end_ = 0;
    if (!enumerator_)
        return false;
    lastResult_ = enumerator_->Next(bufferSize_, limit_, buffer_.data(), &returned_, &nextPosition_);
    if (FAILED(lastResult_) || returned_ > static_cast<ULONG>(kBufferEvents))
        returned_ = 0;
    end_ = begin_ + std::size_t{returned_} * eventSize_;
    return returned_ > 0;
}

bool VChanEventReader::HasCurrent() {
    if (current_ < end_)
        return true;
    return ReadBlock();
}

bool VChanEventReader::Advance() {
    if (!HasCurrent())
        return false;
    current_ += eventSize_;
    return HasCurrent();
}

bool VChanEventReader::Read(IDocumentEvents* events, DWORD channel, std::int32_t index, std::int32_t record,
                            std::int32_t offset, void* out, std::uint32_t bytes) {
    const bool sameRecord = enumerator_ && record == cursorRecord_;
    bool found = false;
    if (sameRecord && offset == cursorOffset_ + 1) {
        found = Advance();
    } else if (sameRecord && offset == cursorOffset_) {
        found = HasCurrent();
    } else {
        found = Open(events, channel, record);
        for (std::int32_t k = 0; found && k < offset; ++k)
            found = Advance();
    }
    cursorIndex_ = index;
    cursorRecord_ = record;
    cursorOffset_ = found ? offset : -2; // after a failure the record is read again from its start
    if (!found || bytes > eventSize_)
        return false;
    std::memcpy(out, buffer_.data() + current_, bytes);
    return true;
}

} // namespace Tarvik
