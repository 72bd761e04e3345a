#pragma once
// A stand-in for the host's data object of a recording as the loop data reads it: the events of
// virtual channels record by record, channel samples, and the virtual-channel service, whose calls
// are recorded. It lives on the test's stack: Release never deletes it, and `references` tells
// whether every reference handed out came back.

#include "FakeCalcSources.h"
#include "analysis/ILoopDataDocument.h"
#include "analysis/PVAEvent.h"
#include "analysis/TarvikEvent.h"
#include "platform/vantrel/ICalcObject.h"
#include "platform/vantrel/IChannelLookup.h"
#include "platform/vantrel/IDocumentEvents.h"
#include "platform/vantrel/ISampleBlocks.h"
#include "platform/vantrel/IVirtualChannelService.h"

#include <map>
#include <string>
#include <vector>

namespace FakeLoopHost {

// The channel numbers the service gives "tarvik", "pva", "pvvolumewithoutvp", "pveventwithoutvp".
inline constexpr DWORD kLoopChannel = 100, kPvaChannel = 101, kVolumeChannel = 102,
                       kLoopWithoutVPChannel = 103;

// A calculation object that keeps its texts; it lives as long as its references.
class CalcObject : public ICalcObjectText {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return ++mReferences; }
    ULONG Release() override;
    HRESULT SetTexts(IAutoOvoString* name, IAutoOvoString* formula, WORD flags) override;

    std::string name, formula;

private:
    virtual ~CalcObject() = default;
    ULONG mReferences = 1;
};

// A channel's object: it drops its data on request and has a unit.
class ChannelObject : public IChannelInfo, public IChannelDataReset {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; }
    HRESULT GetUnit(IUnknown** unit) override;
    HRESULT DropData() override;

    LONG channel = 0;
    ULONG references = 1;
    std::vector<std::string>* calls = nullptr;
};

class HostData : public IDocumentData,
                 public IDocumentEvents,
                 public ISampleBlocks,
                 public IVirtualChannelService,
                 public IChannelLookup,
                 public IChannelCalcAssign {
public:
    HostData() = default;
    ~HostData();
    HostData(const HostData&) = delete;
    HostData& operator=(const HostData&) = delete;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; }

    HRESULT GetRecordCount(LONG* count) override;
    HRESULT GetRecordEndTick(LONG record, LONG* tick) override;
    HRESULT GetChannelCount(LONG, DWORD, LONG* count) override;
    HRESULT GetChannelEvents(LONG, LONG, LONG, IEnumEventEx** out) override;
    HRESULT GetChannelSamples(LONG, DWORD, LONG, LONG, ISampleChannel** out) override;
    HRESULT GetChannelUnit(LONG, LONG, DWORD, IUnknown** unit) override;

    HRESULT CreateEventEnumerator(DWORD source, DWORD channel, DWORD flags, LONG fromTick, LONG record,
                                  LONG endTick, LONG reserved, IEnumEventEx** out) override;
    HRESULT MarkDataEnd() override;

    HRESULT ReadSamples(LONG channel, LONG record, LONG startTick, LONG count, float* buffer,
                        LONG* read) override;

    HRESULT CreateChannel(BSTR name, VirtualChannelRef* ref, BSTR* key) override;
    HRESULT SetChannelVisible(BSTR key, WORD visible) override;
    HRESULT SetChannelTitle(BSTR key, BSTR title) override;
    HRESULT GetChannelKey(VirtualChannelRef ref, BSTR* key) override;
    HRESULT LinkEvents(LONG reserved, LONG channel, DWORD flags, const EventDrawLink* link) override;
    HRESULT UnlinkEvents(LONG channel, VirtualChannelRef ref) override;
    HRESULT ReleaseChannel(VirtualChannelRef ref) override;
    HRESULT RefreshChannel(BSTR key) override;

    HRESULT GetChannel(LONG channel, DWORD kind, IUnknown** out) override;
    // Records "Assign <channel> <name>: <formula>"; E_FAIL for a formula in refusedFormula.
    HRESULT AssignCalculation(IUnknown* channel, IUnknown* calculation, IUnknown* unit) override;

    // The events of a virtual channel in a record.
    template <class E> void SetEvents(DWORD channel, LONG record, const std::vector<E>& list) {
        auto data = std::make_shared<FakeEngine::EventData>();
        data->eventSize = sizeof(E);
        for (const E& e : list)
            data->Add(e);
        events[{channel, record}] = data;
    }
    // Block reads the enumerators handed out so far have answered.
    int NextCalls() const;
    // Whether every reference to a channel object came back.
    bool ChannelObjectsReleased() const;

    ULONG references = 1;
    int opens = 0;                  // enumerators handed out
    std::vector<std::string> calls; // the virtual-channel service's and MarkDataEnd's calls, in order
    std::map<std::pair<DWORD, LONG>, std::shared_ptr<FakeEngine::EventData>> events;
    std::map<std::pair<LONG, LONG>, std::vector<float>> samples; // by (channel, record)
    LONG recordEndTick = 100000;
    std::string refusedFormula = "refused";

private:
    std::vector<FakeEngine::EventSeries*> mHandedOut;
    std::map<LONG, ChannelObject> mChannels;
};

// The document's side: settings and scaling as plain fields.
class Document : public Tarvik::ILoopDataDocument {
public:
    explicit Document(HostData* host) : mHost(host) {}

    IDocumentData* GetHostData() override { return mHost; }
    DWORD GetChildDataTypeId() override { return 0x00420005; }
    bool IsSampling() override { return sampling; }
    std::uint32_t GetPressureChannel() override { return pressureChannel; }
    std::uint32_t GetVolumeChannel() override { return volumeChannel; }
    bool IsAnalysingWhileSampling() override { return analysingWhileSampling; }
    std::int32_t GetHighlightedLoop() override { return highlightedLoop; }
    std::int32_t GetEspvrType() override { return espvrType; }
    std::int32_t GetEdpvrType() override { return edpvrType; }
    Tarvik::CuvettePoints GetCuvettePoints() override { return cuvette; }
    bool ShowsTableParameter(std::int32_t id) override;
    std::vector<std::int32_t> GetExcludedParameterIds() override { return excludedIds; }
    void ApplyChannelScaling(std::uint32_t channel, double& value) override;
    void EnsureSettingsLoaded() override { ++settingsLoads; }
    Ovo::String BuildPvaCalcFormula() override { return pvaFormula; }
    HMODULE GetResourceModule() override;
    Ovo::Unit GetPressureUnit() override { return Ovo::Unit(L"mmHg"); }
    Ovo::Unit GetVolumeUnit() override { return Ovo::Unit(L"l", L'u'); }
    IUnknown* CreateCalculationObject() override { return makesCalculations ? new CalcObject : nullptr; }

    bool sampling = false;
    bool analysingWhileSampling = false;
    std::uint32_t pressureChannel = 0, volumeChannel = 1;
    std::int32_t highlightedLoop = -1;
    std::int32_t espvrType = 0, edpvrType = 0;
    Tarvik::CuvettePoints cuvette;
    std::vector<std::int32_t> tableIds, excludedIds;
    std::map<std::uint32_t, std::pair<double, double>> scaling; // channel -> (offset, scale)
    int settingsLoads = 0;
    bool makesCalculations = true;
    Ovo::String pvaFormula = "PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)";

private:
    HostData* mHost;
};

// A loop event at tick with the values the relations use; the other values follow from them.
struct LoopValues {
    std::int32_t tick = 0;
    double ved = 0, ped = 0, ves = 0, pes = 0;
    std::uint32_t state = Tarvik::TarvikEvent::Valid;
};
Tarvik::TarvikEvent MakeLoop(const LoopValues& v);
// The trailing event of a record.
Tarvik::TarvikEvent LastInBlock(std::int32_t tick);

} // namespace FakeLoopHost
