#pragma once
// DataAdderBase: a data source (IStrevDataSource) that plays a recording device
// for a test document. It declares its channels to the document's sampling sink,
// opens a record, announces ticks as if they had been sampled and ends the
// record; the document computes the samples from the channel sources it asks the
// source for (CreateChannelSource, supplied by the derived class).
//
// Life of a record: idle -> StartRecord -> AddTicks any number of times (never
// beyond the ticks per record) -> EndSampling -> idle. Checks that fail throw
// UnitTestException with the source name "TestDataAdder".

#include "core/CComObjectRoot.h"
#include "core/OvoBitset.h"
#include "platform/vantrel/IStrevDataSink.h"
#include "platform/win32/com_ptr.h"

#include <exception>
#include <vector>

namespace ExtLib {

class DataAdderBase : public Ovo::SimpleUnknownImp1<IStrevDataSource, IID_IStrevDataSource> {
public:
    HRESULT CreateChannelSource(LONG reserved, LONG channel, IUnknown** source) override;
    HRESULT GetNumTicksAlias(LONGLONG* ticks) override { return GetNumTicks(ticks); }
    HRESULT GetNumTicks(LONGLONG* ticks) override;
    HRESULT SetChannelMask(Ovo::BitsetRep* mask) override;
    HRESULT AddChannels(Ovo::BitsetRep* mask) override;
    HRESULT RemoveChannels(Ovo::BitsetRep* mask) override;
    HRESULT SetChannelFlags(ULONG count, const DWORD* flags) override;
    HRESULT SetChannelOption(DWORD option) override;

    /// Opens a record on the document's sink, stamped with startTime (seconds of the calendar; 0.0
    /// stamps it with the current time): every channel of the rate list is declared, switched on
    /// as the channel mask says (channel 0 when the mask is empty).
    void StartRecord(double startTime);
    /// Announces n more ticks of the open record, at most up to the ticks per record, and checks
    /// that the document holds exactly the ticks announced.
    void AddTicks(std::int32_t n);
    /// StartRecord, AddTicks of the ticks per record, EndSampling.
    void AddRecord(double startTime);
    /// Ends the open record and sampling; nothing when no record is open.
    void EndSampling();

    IUnknown* document() const { return mDocument; }
    const OvoBitset& channelMask() const { return mChannelMask; }
    std::int32_t ticksAdded() const { return mTicksAdded; }

protected:
    /// document: the test document to feed (not owned; the caller keeps it alive).
    explicit DataAdderBase(IUnknown* document);
    /// Ends an open record, so that a failed case does not leave the document sampling.
    ~DataAdderBase() override;

    /// Runs a channel-source request of the document; a failed check in it is kept (and the request
    /// fails with E_FAIL) until StartRecord throws it, so that no exception crosses the host.
    template <class Body> HRESULT Guarded(Body body) {
        try {
            return body();
        } catch (...) {
            mPendingFailure = std::current_exception();
            return E_FAIL;
        }
    }

    IUnknown* mDocument;             // not owned
    ComPtr<IUnknown> mOwnDocument;   // a document the adder made itself
    IStrevDataSink* mSink = nullptr; // while a record is open; held by the document
    OvoBitset mChannelMask;
    std::vector<double> mSampleRates; // Hz, per channel
    double mTickRate = 0.0;           // Hz: the highest channel rate
    std::int32_t mTicks = -1;         // per record; -1: none
    std::vector<DWORD> mChannelFlags;
    DWORD mChannelOption = 0;
    std::int32_t mTicksAdded = 0; // in the open record
    std::int32_t mOpenRecord = 0;

private:
    void DeclareChannels(IStrevDataSink* sink);
    std::exception_ptr mPendingFailure;
};

} // namespace ExtLib
