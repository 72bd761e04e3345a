#pragma once
// The units of the channels a document's analysis uses, fetched from the host
// once and persisted with the document's settings, so that the document keeps
// its units when the recording is not at hand. One reference is held per
// cached unit object (a host object answering IUnitName).
//
// Persisted form (little-endian u32): version 1, count, then count times the
// channel and the unit object as the unit service writes it, then 1 again.

#include <cstdint>
#include <unordered_map>

#include "platform/vantrel/IBinInStream.h"
#include "platform/vantrel/IBinOutStream.h"
#include "platform/vantrel/IDocumentData.h"
#include "platform/vantrel/IUnitService.h"
#include "platform/win32/com_ptr.h"

namespace Ovo {

// What the cache asks of its document when it fetches a unit.
class ChannelUnitOwner {
public:
    struct Position {
        std::int32_t record = 0;
        std::int32_t tick = 0;
        friend bool operator==(const Position&, const Position&) = default;
    };

    virtual ~ChannelUnitOwner() = default;
    // The unit service; null when the host has none.
    virtual IUnitService* UnitService() = 0;
    // The document's data object; null when it has none.
    virtual IDocumentData* DocumentData() = 0;
    // The analysed range of the set-up model: start and end positions (parameters 59 and 60) and
    // whether the whole recording is analysed (parameter 27 == 1).
    virtual void AnalysisRange(Position& start, Position& end, bool& wholeRecording) = 0;
    // The unit object of channel found through the host data access over [start, end) or through
    // another host object of the document (with one reference); null when neither has one.
    virtual IUnknown* FindUnitElsewhere(std::int32_t channel, Position start, Position end) = 0;
};

class ChannelUnitCache {
public:
    // owner is not counted and must outlive the cache.
    explicit ChannelUnitCache(ChannelUnitOwner& owner) : mOwner(owner) {}
    ChannelUnitCache(const ChannelUnitCache&) = delete;
    ChannelUnitCache& operator=(const ChannelUnitCache&) = delete;

    // The cached unit object of channel with one more reference, or null.
    IUnknown* Find(std::int32_t channel) const;
    // Asks the host for channel's unit (its data object at the analysed range's start record, then
    // elsewhere, then the unit service's default) and caches it. False when none could be had.
    bool Fetch(std::int32_t channel);
    // Caches the unit service's default unit of channel.
    bool FetchDefault(std::int32_t channel);
    // The cached unit's IUnitName with one reference, or null.
    IUnitName* GetUnitName(std::int32_t channel) const;
    // Whether the cached unit still has the text of the unit the host now gives the channel.
    bool IsCurrent(std::int32_t channel);
    // Forgets the channel's unit.
    void Drop(std::int32_t channel) { mUnits.erase(channel); }
    // True when the two units' texts (base text trimmed, and prefix) differ.
    static bool UnitsDiffer(IUnknown* a, IUnknown* b);

    std::size_t Count() const { return mUnits.size(); }
    void Clear();
    // Takes the units of other (which gets this cache's).
    void TakeUnits(ChannelUnitCache& other) { mUnits.swap(other.mUnits); }

    // Writes the persisted form (channels in increasing order); the result of the last write.
    HRESULT Save(IBinOutStream* out) const;
    // Reads the persisted form. 0xA0048205 for a version above 1 (the cache untouched) or when the
    // stream fails or a unit cannot be read; 0xA004820A when the trailer differs from the version.
    HRESULT Load(IBinInStream* in);

private:
    ComPtr<IUnknown> ResolveUnit(std::int32_t channel);
    void Store(std::int32_t channel, ComPtr<IUnknown> unit);

    ChannelUnitOwner& mOwner;
    std::unordered_map<std::int32_t, ComPtr<IUnknown>> mUnits;
};

} // namespace Ovo
