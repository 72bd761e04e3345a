#pragma once

#include "host/engine/ComObject.h"
#include "host/engine/VirtualChannelDocument.h"
#include "host/framework/ClassRegistry.h"
#include "platform/vantrel/IChannelCalc.h"
#include "platform/vantrel/IChannelLookup.h"
#include "platform/win32/com_ptr.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Vantrel {

/// The host's evaluator of a channel calculation's formula, aggregated in the calculation: it keeps
/// the formula text and its source (IChannelFormula), stands for the calculation's result
/// (IChannelFormulaResult) and for its data (IChannelDataReset). Its IUnknown methods are the
/// calculation's; its own IUnknown is what Create gives.
class ChannelFormula final : public IChannelFormula, public IChannelFormulaResult, public IChannelDataReset {
public:
    /// The evaluator's own IUnknown with one reference.
    static IUnknown* Create(IUnknown* outer);

    HRESULT QueryInterface(REFIID iid, void** out) override { return mOuter->QueryInterface(iid, out); }
    ULONG AddRef() override { return mOuter->AddRef(); }
    ULONG Release() override { return mOuter->Release(); }
    HRESULT SetText(IAutoOvoString* text, VirtualChannelRef source, DWORD flags) override;
    HRESULT Start(DWORD reserved, LONG record, LONG fromTick) override;
    HRESULT DropData() override;

    const std::u16string& text() const { return mText; }
    VirtualChannelRef source() const { return mSource; }
    DWORD flags() const { return mFlags; }
    int starts() const { return mStarts; }

private:
    class Own;
    explicit ChannelFormula(IUnknown* outer);

    IUnknown* mOuter;
    std::unique_ptr<Own> mOwn;
    std::u16string mText = u"0";
    VirtualChannelRef mSource;
    DWORD mFlags = 0;
    int mStarts = 0;
};

/// What the class registry makes for message 17 of GUID C203FC30: the evaluator's class (an
/// IClassFactory that aggregates it) and the range of a formula's values over a channel of a
/// recording document (IChannelRangeQuery).
class ChannelFormulaClass : public ComObject<IClassFactory, IChannelRangeQuery> {
public:
    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT LockServer(BOOL) override { return S_OK; }
    /// Over every record of the document's data; S_FALSE when the formula gives no value.
    HRESULT GetRange(IAutoOvoString* text, VirtualChannelRef source, DWORD flags, LONG channel,
                     IUnknown* hostDocument, double* bottom, double* top) override;

private:
    void* find(REFIID iid) override;
};

/// A channel of a recording document whose samples a module's channel calculation gives: the host's
/// side of the channel (IChannelCalcContext). The calculation's formula is evaluated over the
/// document's data; the channel keeps each record's values as 16-bit codes in the output format,
/// one sample per tick holding the value of the last event at or before it (0 before the first).
class DerivedChannel : public ComObject<IChannelCalcContext> {
public:
    DerivedChannel(ComPtr<VirtualChannelDocument> data, LONG channel)
        : mData(std::move(data)), mChannel(channel) {}

    /// Makes the class's calculation for the channel of the host document and applies the settings
    /// (forced): the first failure.
    HRESULT create(ICalculationClass& calculationClass, IUnknown* hostDocument, IPersistObject* settings);
    /// Applies settings as the host does when they were edited (not forced): the calculation's answer.
    HRESULT apply(IPersistObject* settings);
    IChannelCalc* calculation() const { return mCalculation.Get(); }
    LONG channel() const { return mChannel; }
    const ChannelOutputFormat& format() const { return mFormat; }
    const std::u16string& unit() const { return mUnit; }
    /// The formula the channel evaluates, and the error of the last one that could not be.
    const std::u16string& formula() const { return mFormula; }
    const std::string& error() const { return mError; }

    /// The channel's codes of a record, and the values they stand for.
    std::vector<std::int16_t> codes(LONG record) const;
    std::vector<double> values(LONG record) const;

    /// The calculation's settings as the host stores them with the channel.
    std::vector<BYTE> storedSettings() const;
    /// Settings read back from what was stored by the settings class and applied (forced).
    HRESULT restore(IPersistClassObject& settingsClass, const std::vector<BYTE>& stored);
    /// Lets go of the calculation (before its module goes).
    void release();

    HRESULT SetOutputFormat(const ChannelOutputFormat* format, IAutoOvoString* unit,
                            IUnknown** output) override;
    HRESULT SetResult(DWORD word1, DWORD word2, IUnknown* result, DWORD flags) override;

private:
    void* find(REFIID iid) override;

    ComPtr<VirtualChannelDocument> mData;
    LONG mChannel;
    ComPtr<IChannelCalc> mCalculation;
    ChannelOutputFormat mFormat;
    std::u16string mUnit;
    std::u16string mFormula;
    std::string mError;
    std::unique_ptr<Calculation> mCompiled;
};

/// The channel-calculation classes the module registered, in registration order.
std::vector<ICalculationClass*> ChannelCalculationClasses(const ClassRegistry& registry);
/// The settings class of the module, or null.
IPersistClassObject* ChannelSettingsClass(const ClassRegistry& registry);

} // namespace Vantrel
