#pragma once

#include "analysis/EventStats.h"
#include "analysis/PVAEvent.h"
#include "analysis/TarvikEvent.h"
#include "analysis/TickPosition.h"
#include "analysis/VChanDataInit.h"
#include "analysis/VChanEventReader.h"
#include "core/String.h"
#include "platform/vantrel/IDocumentData.h"
#include "platform/vantrel/VirtualChannelRef.h"

#include <array>
#include <functional>
#include <memory>

namespace Tarvik {

// The module's virtual channels in a host document and the reading of their events. The analysis
// results live in the host as the events of four channels computed from the module's formulas:
// "tarvik" (loop events), "pva" (pressure-volume-area events), "pvvolumewithoutvp" (the volume without
// parallel-conductance correction) and "pveventwithoutvp" (loop events from that volume). Loops are
// fetched on demand by global index (every loop event, record by record) or by included index
// (events whose state is not LastInBlock), through the event statistics filled by AddLoop. A loop the
// user marked is read with state Marked. Reads fail (false, -1 or no position) without throwing.
class VChanData : public VChanDataInit {
public:
    enum Channel { Loops, Pva, VolumeWithoutVP, LoopsWithoutVP, kChannelCount };

    // A new host calculation object with one reference, or null.
    using CalculationFactory = std::function<IUnknown*()>;

    // document: the host's data object (not owned; outlives this), or null. calculations: makes the
    // calculation objects that the channels' formulas are handed to the host in.
    explicit VChanData(IDocumentData* document, CalculationFactory calculations = nullptr);
    VChanData(const VChanData& other);
    VChanData& operator=(const VChanData&) = delete;
    ~VChanData() override;

    // Creates the four channels in the host when "tarvik" is not defined yet.
    void DefineChannels();
    // Releases the channels' calculations when they were set; then Reset. True when anything was done.
    bool ReleaseChannels();
    // The handles of "tarvik" and "pva"; true when "tarvik" is defined.
    bool GetChannelRefs(VirtualChannelRef& loops, VirtualChannelRef& pva) const;
    VirtualChannelRef GetChannelRef(Channel channel) const { return mRefs[channel]; }
    bool IsDefined() const { return mDefined != 0; }
    // Marks the host's data end, then sets the calculation of "tarvik" and, only when that succeeds,
    // of "pvvolumewithoutvp" and "pveventwithoutvp". True when "tarvik"'s was set.
    bool SetLoopCalculation(const Ovo::String& loops, const Ovo::String& volume,
                            const Ovo::String& loopsWithoutVP);
    // Sets the calculation of "pva" when "tarvik" is defined.
    void SetPVACalculation(const Ovo::String& text);
    // Lets the host compute every channel afresh: each channel's key is asked and handed back.
    void RefreshChannels();
    // Moves the drawing of the loop markers: off oldChannel (unless -1) and, when show is set and
    // "tarvik" is defined, onto newChannel.
    void MoveMarkerLink(std::int32_t oldChannel, std::int32_t newChannel, bool show);

    // Counts loop event e of record (creating the statistics on the first loop).
    void AddLoop(std::int32_t record, const TarvikEvent& e);
    // Forgets the statistics and closes every reader.
    void Reset();
    EventStats* GetStats() const { return mStats.get(); }

    bool GetLoopByIndex(std::int32_t i, TarvikEvent& out);
    bool GetLoop(std::int32_t i, TarvikEvent& out);
    bool GetPVAByIndex(std::int32_t i, PVAEvent& out);
    bool GetPVA(std::int32_t i, PVAEvent& out);
    bool GetLoopWithoutVPByIndex(std::int32_t i, TarvikEvent& out);
    bool GetLoopWithoutVP(std::int32_t i, TarvikEvent& out);
    TickPosition GetLoopPositionByIndex(std::int32_t i);
    TickPosition GetLoopPosition(std::int32_t i);
    // Global index of the loop event of record at exactly tick; -1 when there is none.
    std::int32_t FindLoopAt(std::int32_t record, std::int32_t tick);

private:
    enum class Space { Global, Included };
    struct Place {
        std::int32_t record = 0;
        std::int32_t offset = 0;
        std::int32_t stateKey = -1; // global index whose stored state applies
    };

    bool Locate(Space space, std::int32_t i, Place& place) const;
    bool ReadEvent(VChanEventReader& reader, Channel channel, Space space, std::int32_t i, void* out,
                   std::uint32_t bytes, Place& place);
    bool ReadLoop(VChanEventReader& reader, Channel channel, Space space, std::int32_t i, TarvikEvent& out);
    bool ReadLoopWithoutVP(Space space, std::int32_t i, TarvikEvent& out);
    TickPosition ReadPosition(Space space, std::int32_t i);
    bool SetCalculation(Channel channel, const Ovo::String& text);

    std::unique_ptr<EventStats> mStats;
    VChanEventReader mLoopReader;
    VChanEventReader mPvaReader;
    VChanEventReader mWithoutVPReader;
    IDocumentData* mDocument;
    CalculationFactory mCalculations;
    std::array<VirtualChannelRef, kChannelCount> mRefs{};
    std::uint16_t mDefined = 0;
};

} // namespace Tarvik
