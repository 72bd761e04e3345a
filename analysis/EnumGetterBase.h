#pragma once
// A reader of one of the host's calculations: it has the host create the
// enumerator of a calculation class for a formula, binds the channels that the
// formula names as its sources, starts it record by record and reads its
// events. As kEnumGetterSink it registers itself as the document's online-data
// sink, so it can follow a recording while the host samples.

#include <functional>
#include <vector>

#include "analysis/ChannelListParser.h"
#include "core/InterfaceArray.h"
#include "core/String.h"
#include "platform/vantrel/ICalcService.h"
#include "platform/vantrel/IDocumentData.h"
#include "platform/vantrel/IOnlineDataSink.h"
#include "platform/vantrel/IUnitService.h"
#include "platform/win32/com_ptr.h"

namespace ExtLib {

// The host services the reader asks: the calculation classes by name and (optionally) the unit
// service for the sources' unit names.
struct CalcHostServices {
    ICalcService* classes = nullptr;
    IUnitService* units = nullptr;
};

// The constructor's mode; any other value reads as kEnumGetterOffline does.
enum EnumGetterMode : std::int32_t {
    kEnumGetterSink = 0,    // a sink of the document; starts its enumerator with kSamplingFlags
    kEnumGetterOffline = 1, // no sink; starts its enumerator with no flags
    kEnumGetterOnline = 2,  // no sink; starts its enumerator with kSamplingFlags
};

class EnumGetterBase : public IOnlineDataSink {
public:
    static constexpr DWORD kSamplingFlags = 0xC0000000u; // kCalcStartOnline among them

    // Holds a reference to document (the host document: IDocumentData, and the sink registry).
    EnumGetterBase(IUnknown* document, CalcHostServices services, std::int32_t mode);
    // callback runs when the host reports the end of a record.
    EnumGetterBase(IUnknown* document, CalcHostServices services, std::function<void()> callback,
                   std::int32_t mode);
    EnumGetterBase(const EnumGetterBase&) = delete;
    EnumGetterBase& operator=(const EnumGetterBase&) = delete;
    virtual ~EnumGetterBase();

    // As kEnumGetterSink: adds the reader to the document's sink registry; false when it has none.
    bool Register();
    // Creates the enumerator of the class named className for the formula text (lower-cased for
    // the channel list); true when the class exists and accepts the text.
    bool CreateEnum(const Ovo::String& className, const Ovo::String& formula);
    // Binds the channels of record up to endTick as sources and starts the enumerator.
    bool ReadRecord(std::int32_t record, std::int32_t endTick);
    // ReadRecord; an end tick of -1 reads to the record's end.
    bool StartRecord(std::int32_t record, double endTick);
    // Ends the record: clears the enumerator, releases the sources.
    void Stop();
    // The enumerator's event stream, or empty.
    ComPtr<IEnumEventEx> GetEnumInterface() const;

    const std::vector<ChannelEntry>& Channels() const { return mChannels; }
    bool Started() const { return mStarted; }
    std::int32_t CurrentRecord() const { return mRecord; }

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetSinkInfo(DWORD* kind, WORD* flags) override;
    HRESULT OnStartSampling(LONG) override { return S_OK; }
    HRESULT OnNewRecord(LONG, double, const LONG*, WORD) override { return S_OK; }
    HRESULT OnNewData(LONG) override { return S_OK; }
    // Runs the callback, then stops when a record was started.
    HRESULT OnRecordEnd(LONG record, LONG value) override;
    HRESULT OnStopSampling(WORD) override { return S_OK; }
    HRESULT OnSamplingNotice(LONG, LONG) override { return S_OK; }
    HRESULT GetRefreshInterval(LONG* milliseconds) override;
    HRESULT QueryPosition(LONG, LONG, LONG, LONG, LONG* position) override;

protected:
    std::vector<unsigned char>& Buffer() { return mBuffer; }

private:
    ComPtr<IDocumentData> Data() const;
    ComPtr<IUnknown> ChannelSource(const ChannelEntry& entry, std::int32_t record, std::int32_t endTick);
    void ReleaseSources();

    // Released in reverse order: the enumerator before the document.
    ComPtr<IUnknown> mDocument;
    CalcHostServices mServices;
    std::int32_t mMode;
    ComPtr<ICalcEnum> mEnum;
    std::vector<unsigned char> mBuffer;
    std::vector<ChannelEntry> mChannels;
    bool mRegistered = false;
    bool mStarted = false;
    std::int32_t mRecord = -1;
    IUnknownArray mSources;
    InterfaceArray<IUnitName> mUnits;
    std::function<void()> mCallback;
};

} // namespace ExtLib
