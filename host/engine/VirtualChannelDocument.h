#pragma once

#include "host/engine/CalcEngine.h"
#include "host/engine/ComObject.h"
#include "host/engine/DocumentData.h"
#include "host/engine/RecordEventStream.h"
#include "host/engine/VirtualChannelObject.h"
#include "platform/vantrel/HostDocObject.h"
#include "platform/vantrel/IChannelLookup.h"
#include "platform/vantrel/IDocumentData.h"
#include "platform/vantrel/IDocumentEvents.h"
#include "platform/vantrel/ISampleBlocks.h"
#include "platform/vantrel/IVirtualChannelService.h"
#include "platform/win32/com_ptr.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace Vantrel {

/// A recording's document data with the module's virtual channels: channels made by name whose values
/// a formula computes (the calculation object assigned to the channel), events read back record by
/// record through event enumerators; and the document's data interface (ISampleBlocks: samples,
/// records, the end of the data, channel units). Virtual channels are numbered after the recorded
/// ones; a formula may name a virtual channel that has one, and then reads it as if its formula
/// stood there, taking the events the channel keeps. Every other call and interface of the document
/// data goes to the wrapped DocumentData. A channel's events are computed when first read and kept
/// until it is given a calculation that computes something else, is refreshed or is released; they
/// are computed once for the channel and every formula that names it. Dropping a channel's data (or that of a
/// virtual channel it reads) sets its events aside: a calculation assigned next that computes the
/// same takes them back, any other discards them. The events of a record still being sampled are
/// computed afresh, and an enumerator over it follows the record as it grows.
///
/// It also keeps what the module hands the document: the child data by type id, and the unit a
/// channel is given (ApplyChannelUnit, or through the host document's unit-change message).
class VirtualChannelDocument
    : public ComObject<IDocumentData, IChannelLookup, IVirtualChannelService, IDocumentEvents, ISampleBlocks,
                       IChannelCalcAssign, IHostDataObject, IDocumentDataEx> {
public:
    /// classes: the calculation classes the channels' formulas may name.
    VirtualChannelDocument(ComPtr<DocumentData> data, ComPtr<ICalcService> classes);
    ~VirtualChannelDocument() override;

    struct Channel {
        std::u16string name;
        VirtualChannelRef ref;
        bool visible = false;
        std::u16string title;
        std::u16string formula;                         // empty while none is assigned
        std::shared_ptr<const Calculation> calculation; // bound formula
        std::set<std::int32_t> sources;                 // channel numbers the formula reads
        std::map<std::int32_t, std::shared_ptr<const std::vector<std::byte>>> events;  // by record
        std::map<std::int32_t, std::shared_ptr<const std::vector<std::byte>>> dropped; // set aside
        std::string droppedKey; // the key of the calculation that computed them
        ComPtr<VirtualChannelObject> object;
    };
    /// The channel of that name, or null.
    const Channel* channel(std::u16string_view name) const;
    /// A formula over the document's channels, recorded and virtual (by name): throws FormulaError for
    /// a text the engine cannot evaluate.
    Calculation compile(std::u16string_view formula) const;
    /// Selects start .. end on every recorded channel; nullopt clears the selection.
    void setSelection(std::optional<std::pair<HostTickPosition, HostTickPosition>> selection);
    /// A channel of the host's own whose formula the user gave (the R waves of an ECG, say), shown with
    /// its title; E_INVALIDARG when the formula cannot be compiled (nothing made then).
    HRESULT defineChannel(std::u16string_view name, std::u16string_view title, std::u16string_view formula);
    /// The events of the virtual channel of that name in a record: those it keeps, computed now (and
    /// kept, for a complete record) when it has none. Null for no such channel or one without events
    /// or record; throws FormulaError as Calculation::events does.
    std::shared_ptr<const std::vector<std::byte>> channelEvents(std::u16string_view name,
                                                                std::int32_t record);
    /// How often the module marked the data end.
    int dataEnds() const { return mDataEnds; }
    /// Channels on which the events of a virtual channel are drawn, with the drawing style.
    const std::multimap<LONG, EventDrawLink>& links() const { return mLinks; }
    /// The child data of a type id the module handed over (not add-referenced), or null.
    IUnknown* childData(DWORD typeId) const;
    /// The unit conversion a channel was given, or null (not add-referenced).
    IUnknown* appliedUnit(LONG channel) const;
    /// Gives a channel a unit conversion from now on; E_INVALIDARG for an unknown channel.
    HRESULT applyUnit(LONG channel, IUnknown* unit);
    const Recording& recording() const { return mData->recording(); }
    /// Compiles a formula that may name the virtual channels; E_INVALIDARG and the error's text for
    /// one the engine cannot evaluate.
    HRESULT compile(std::u16string_view text, std::unique_ptr<Calculation>& out, std::string& error) const {
        return mEngine.tryCompile(text, out, error, channelFormulas());
    }
    /// The host object that owns the data (borrowed; null to forget it).
    void setOwner(IUnknown* owner) { mOwner = owner; }

    HRESULT QueryInterface(REFIID iid, void** out) override;

    HRESULT GetRecordCount(LONG* count) override;
    HRESULT GetRecordEndTick(LONG record, LONG* tick) override;
    HRESULT GetChannelCount(LONG record, DWORD flags, LONG* count) override;
    HRESULT GetChannelEvents(LONG channel, LONG record, LONG endTick, IEnumEventEx** out) override;
    HRESULT GetChannelSamples(LONG channel, DWORD flags, LONG record, LONG endTick,
                              ISampleChannel** out) override;
    HRESULT GetChannelUnit(LONG channel, LONG record, DWORD flags, IUnknown** unit) override;

    HRESULT GetChannel(LONG channel, DWORD kind, IUnknown** out) override;

    HRESULT CreateChannel(BSTR name, VirtualChannelRef* ref, BSTR* key) override;
    HRESULT SetChannelVisible(BSTR key, WORD visible) override;
    HRESULT SetChannelTitle(BSTR key, BSTR title) override;
    HRESULT GetChannelKey(VirtualChannelRef ref, BSTR* key) override;
    HRESULT LinkEvents(LONG reserved, LONG channel, DWORD flags, const EventDrawLink* link) override;
    HRESULT UnlinkEvents(LONG channel, VirtualChannelRef ref) override;
    HRESULT ReleaseChannel(VirtualChannelRef ref) override;
    HRESULT RefreshChannel(BSTR key) override;
    HRESULT FindChannel(BSTR name, VirtualChannelRef* ref) override;
    HRESULT GetChannelName(ULONG index, BSTR* name) override;
    HRESULT GetChannelTitle(BSTR name, BSTR* title) override;
    HRESULT IsEventChannel(BSTR name, WORD* events) override;

    HRESULT CreateEventEnumerator(DWORD source, DWORD channel, DWORD flags, LONG fromTick, LONG record,
                                  LONG endTick, LONG reserved, IEnumEventEx** out) override;
    HRESULT MarkDataEnd() override;

    HRESULT ReadSamples(LONG channel, LONG record, LONG startTick, LONG count, float* buffer,
                        LONG* read) override;
    HRESULT GetRecordTotal(DWORD flags, LONG* count) override;
    HRESULT GetRecordTicks(DWORD reserved, LONG record, LONG* ticks) override;
    HRESULT GetDataEnd(DWORD flags, HostTickPosition* end) override;
    HRESULT GetChannelConversion(DWORD flags, LONG record, LONG channel, IUnknown** conversion) override;
    HRESULT GetChannelSettings(DWORD reserved, IUnknown** settings) override;
    HRESULT ApplyChannelUnit(DWORD reserved1, DWORD reserved2, LONG channel, DWORD flag,
                             IUnknown* unit) override;

    HRESULT SetChildData(DWORD reserved, IUnknown* data) override;
    /// Both sets hold the channels the calculation reads, recorded and virtual, through the virtual
    /// channels it names.
    HRESULT GetCalculationSources(DWORD reserved, VirtualChannelRef calculation, IOvoBitset** events,
                                  IOvoBitset** channels, WORD recursive) override;
    HRESULT GetDrawnEvents(LONG channel, DWORD flags, ULONG index, EventDrawLink* link) override;

    /// channel: a virtual channel's object; calculation: a CalcObject whose formula can be evaluated
    /// (events or samples). E_INVALIDARG otherwise (the channel keeps what it had).
    HRESULT AssignCalculation(IUnknown* channel, IUnknown* calculation, IUnknown* unit) override;

    // Positions (VirtualChannelPositions.cpp). A position of the data is (record, tick); the
    // recording's tick count runs through its records in order.
    /// The position itself: the data's positions do not move.
    HRESULT MapPosition(HostTickPosition in, HostTickPosition* out) override;
    HRESULT ReportPosition(HostTickPosition in, HostTickPosition* out) override;
    HRESULT GetTickCount(DWORD reserved, std::int64_t* count) override;
    HRESULT IsValidPosition(HostTickPosition position, WORD* valid) override;
    /// E_FAIL while no owner is set.
    HRESULT GetOwnerObject(IUnknown** owner) override;
    /// E_INVALIDARG beyond the recording.
    HRESULT PositionOfTickCount(std::int64_t count, HostTickPosition* position) override;
    HRESULT TickCountOfPosition(HostTickPosition position, std::int64_t* count) override;

private:
    void* find(REFIID iid) override;
    Channel* byNumber(LONG channel);
    Channel* byKey(BSTR key);
    Channel* byRef(const VirtualChannelRef& ref);
    void drop(LONG channel);
    HRESULT recordEvents(Channel& channel, LONG record,
                         std::shared_ptr<const std::vector<std::byte>>& events);
    std::shared_ptr<const std::vector<std::byte>> computedEvents(Channel& channel, std::int32_t record);
    CalcEngine::ChannelFormulas channelFormulas() const;
    // The events channel number keeps for a complete record while its formula is this one; null
    // otherwise, or when they cannot be computed.
    std::shared_ptr<const std::vector<std::byte>> keptEvents(LONG number, const std::u16string& formula,
                                                             std::int32_t record);
    std::set<std::int32_t> sourcesOf(std::u16string_view formula) const;

    ComPtr<DocumentData> mData;
    CalcEngine mEngine;
    std::vector<std::unique_ptr<Channel>> mChannels;
    std::multimap<LONG, EventDrawLink> mLinks;
    std::map<DWORD, ComPtr<IUnknown>> mChildData;
    std::map<LONG, ComPtr<IUnknown>> mUnits; // given to recorded channels
    int mDataEnds = 0;
    IUnknown* mOwner = nullptr;
    // Expires with the object: the kept events that compiled formulas ask for are no more.
    std::shared_ptr<VirtualChannelDocument* const> mAlive =
        std::make_shared<VirtualChannelDocument* const>(this);
};

} // namespace Vantrel
