#pragma once
// MergedEventReader: the events of every loop-marker series drawn on a channel,
// read as one stream in order of position from a start position on. Each
// series is read through its own enumerator, eight events at a time; events
// whose value is not finite, and events before the start, are skipped.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/String.h"
#include "platform/vantrel/IEnumEventEx.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class MergedEventReader {
public:
    // dataSource: the host's data object (its channel list and event enumerators); flags are the
    // caller's (0xC0000000), handed to the channel list.
    MergedEventReader(IUnknown* dataSource, std::int32_t startRecord, std::int32_t startTick,
                      std::int32_t channel, DWORD flags);
    MergedEventReader(const MergedEventReader&) = delete;
    MergedEventReader& operator=(const MergedEventReader&) = delete;
    ~MergedEventReader();

    // The next event (its bytes, the series' event size): the pending event with the smallest tick,
    // the earlier series on a tie. S_FALSE when no series has an event left.
    HRESULT Next(std::vector<std::uint8_t>& event);
    // The enumerator (with a reference) and index of the series that gave the last event; S_OK with
    // null and 0 when the reader has no series; E_FAIL when none gave an event yet.
    HRESULT CurrentSource(IEnumEventEx** source, std::int32_t* index);

    std::size_t SourceCount() const { return mCursors.size(); }
    std::int32_t StartRecord() const { return mStartRecord; }
    std::int32_t StartTick() const { return mStartTick; }

private:
    struct Cursor;

    std::int32_t mStartRecord;
    std::int32_t mStartTick;
    std::vector<std::unique_ptr<Cursor>> mCursors;
    std::int32_t mLast = -1;
};

// a + "->" + b + ";" + c + "->" + d + a line feed + e.
Ovo::String FormatRangeText(const Ovo::String& a, const Ovo::String& b, const Ovo::String& c,
                            const Ovo::String& d, const Ovo::String& e);

} // namespace Tarvik
