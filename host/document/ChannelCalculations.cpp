#include "host/document/ChannelCalculations.h"

#include "host/framework/ByteStreams.h"
#include "host/framework/Text.h"
#include "platform/vantrel/DocumentClass.h"
#include "platform/vantrel/EventRecords.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Vantrel {

// --- The evaluator ------------------------------------------------------------------------------

/// The evaluator's own IUnknown: its count and the interfaces it hands the calculation.
class ChannelFormula::Own : public IUnknown {
public:
    explicit Own(ChannelFormula& formula) : mFormula(formula) {}
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown)
            *out = static_cast<IUnknown*>(this);
        else if (iid == IID_IChannelFormula)
            *out = static_cast<IChannelFormula*>(&mFormula);
        else if (iid == IID_IChannelFormulaResult)
            *out = static_cast<IChannelFormulaResult*>(&mFormula);
        else if (iid == IID_IChannelDataReset)
            *out = static_cast<IChannelDataReset*>(&mFormula);
        else
            return E_NOINTERFACE;
        static_cast<IUnknown*>(*out)->AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++mReferences; }
    ULONG Release() override {
        const ULONG left = --mReferences;
        if (left == 0)
            delete &mFormula;
        return left;
    }

private:
    ChannelFormula& mFormula;
    std::atomic<ULONG> mReferences{1};
};

ChannelFormula::ChannelFormula(IUnknown* outer) : mOuter(outer), mOwn(std::make_unique<Own>(*this)) {}

IUnknown* ChannelFormula::Create(IUnknown* outer) {
    auto* formula = new ChannelFormula(outer);
    return formula->mOwn.get();
}

HRESULT ChannelFormula::SetText(IAutoOvoString* text, VirtualChannelRef source, DWORD flags) {
    mText = ReadString(text);
    mSource = source;
    mFlags = flags;
    return S_OK;
}

HRESULT ChannelFormula::Start(DWORD, LONG, LONG) {
    ++mStarts;
    return S_OK;
}

HRESULT ChannelFormula::DropData() {
    return S_OK;
}

// --- Its class ----------------------------------------------------------------------------------

namespace {

VirtualChannelDocument* DataOf(IUnknown* hostDocument) {
    const auto host = QueryInterfacePtr<IHostDocument>(hostDocument, IID_IHostDocument);
    ComPtr<IUnknown> source;
    if (!host || FAILED(host->GetDataSource(source.Put())))
        return nullptr;
    const auto data = QueryInterfacePtr<IDocumentData>(source.Get(), IID_IDocumentData);
    return dynamic_cast<VirtualChannelDocument*>(data.Get()); // kept alive by the document
}

// The values of an event formula's events in a record, or of a sample formula's samples.
std::vector<double> RecordValues(const Calculation& calculation, const Recording& recording, LONG record) {
    const Tick ticks = recording.record(record).tickCount();
    std::vector<double> values(static_cast<std::size_t>(std::max<Tick>(ticks, 0)), 0.0);
    if (!calculation.givesEvents()) {
        calculation.samples()->evaluate(recording, record, 0, values);
        return values;
    }
    const std::vector<std::byte> events = calculation.events(record);
    const std::size_t size = calculation.eventSize();
    for (std::size_t at = 0; size >= sizeof(EventRecord) && at + size <= events.size(); at += size) {
        const auto event = ReadEventRecord<EventRecord>(events.data() + at);
        const Tick from = std::clamp<Tick>(event.tick, 0, ticks);
        std::fill(values.begin() + from, values.end(), event.value);
    }
    return values;
}

} // namespace

HRESULT ChannelFormulaClass::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!outer || iid != IID_IUnknown)
        return CLASS_E_NOAGGREGATION; // made only inside a calculation
    *out = ChannelFormula::Create(outer);
    return S_OK;
}

HRESULT ChannelFormulaClass::GetRange(IAutoOvoString* text, VirtualChannelRef, DWORD, LONG,
                                      IUnknown* hostDocument, double* bottom, double* top) {
    if (!bottom || !top)
        return E_POINTER;
    VirtualChannelDocument* data = DataOf(hostDocument);
    std::unique_ptr<Calculation> calculation;
    std::string error;
    if (!data || FAILED(data->compile(ReadString(text), calculation, error)) || !calculation->givesEvents())
        return E_INVALIDARG;
    double low = std::numeric_limits<double>::infinity(), high = -low;
    const std::size_t size = calculation->eventSize();
    for (std::int32_t record = 0; record < data->recording().recordCount(); ++record) {
        const std::vector<std::byte> events = calculation->events(record);
        for (std::size_t at = 0; at + size <= events.size(); at += size) {
            const double value = ReadEventRecord<EventRecord>(events.data() + at).value;
            if (std::isfinite(value)) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
    }
    if (low > high)
        return S_FALSE;
    *bottom = low;
    *top = high;
    return S_OK;
}

void* ChannelFormulaClass::find(REFIID iid) {
    if (iid == IID_IClassFactory)
        return static_cast<IClassFactory*>(this);
    if (iid == IID_IChannelRangeQuery)
        return static_cast<IChannelRangeQuery*>(this);
    return nullptr;
}

// --- The derived channel ------------------------------------------------------------------------

HRESULT DerivedChannel::create(ICalculationClass& calculationClass, IUnknown* hostDocument,
                               IPersistObject* settings) {
    ComPtr<IUnknown> made;
    const HRESULT hr =
        calculationClass.CreateCalculation(this, static_cast<DWORD>(mChannel), 0, hostDocument, made.Put());
    if (FAILED(hr))
        return hr;
    mCalculation = made.Query<IChannelCalc>(IID_IChannelCalc);
    if (!mCalculation)
        return E_NOINTERFACE;
    return settings ? mCalculation->ApplySettings(settings, TRUE) : S_OK;
}

HRESULT DerivedChannel::apply(IPersistObject* settings) {
    return mCalculation ? mCalculation->ApplySettings(settings, FALSE) : E_UNEXPECTED;
}

std::vector<std::int16_t> DerivedChannel::codes(LONG record) const {
    std::vector<std::int16_t> codes;
    if (!mCalculation || record < 0 || record >= mData->recording().recordCount())
        return codes;
    ComPtr<IUnknown> output, reserved;
    ChannelCalcRate rate;
    mCalculation->Start(record, output.Put(), &rate, 0, reserved.Put());
    const std::vector<double> values =
        mCompiled
            ? RecordValues(*mCompiled, mData->recording(), record)
            : std::vector<double>(static_cast<std::size_t>(mData->recording().record(record).tickCount()));
    codes.reserve(values.size());
    for (const double value : values) {
        const double code = (value + mFormat.second) * mFormat.first;
        codes.push_back(std::isnan(code)
                            ? std::int16_t{0}
                            : static_cast<std::int16_t>(std::lround(std::clamp(code, -32768.0, 32767.0))));
    }
    return codes;
}

std::vector<double> DerivedChannel::values(LONG record) const {
    std::vector<double> values;
    for (const std::int16_t code : codes(record))
        values.push_back(code / mFormat.first - mFormat.second);
    return values;
}

std::vector<BYTE> DerivedChannel::storedSettings() const {
    ComPtr<IPersistObject> settings;
    if (!mCalculation || FAILED(mCalculation->GetSettings(settings.Put())) || !settings)
        return {};
    const auto out = ComPtr<ByteOutStream>::Adopt(new ByteOutStream);
    settings->Save(out.Get());
    return out->bytes();
}

HRESULT DerivedChannel::restore(IPersistClassObject& settingsClass, const std::vector<BYTE>& stored) {
    const auto in = ComPtr<ByteInStream>::Adopt(new ByteInStream(stored));
    ComPtr<IPersistObject> settings;
    const HRESULT hr = settingsClass.LoadObject(in.Get(), settings.Put());
    if (FAILED(hr))
        return hr;
    return mCalculation ? mCalculation->ApplySettings(settings.Get(), TRUE) : E_UNEXPECTED;
}

void DerivedChannel::release() {
    mCalculation.Reset();
}

HRESULT DerivedChannel::SetOutputFormat(const ChannelOutputFormat* format, IAutoOvoString* unit,
                                        IUnknown** output) {
    if (!format)
        return E_POINTER;
    mFormat = *format;
    mUnit = ReadString(unit);
    if (output)
        *output = ComPtr<IUnknown>(static_cast<IChannelCalcContext*>(this)).Detach();
    return S_OK;
}

HRESULT DerivedChannel::SetResult(DWORD, DWORD, IUnknown* result, DWORD) {
    const auto given = QueryInterfacePtr<IChannelFormulaResult>(result, IID_IChannelFormulaResult);
    const auto* formula = dynamic_cast<const ChannelFormula*>(given.Get());
    if (!formula)
        return E_INVALIDARG;
    mFormula = formula->text();
    mError.clear();
    mCompiled.reset();
    return mData->compile(mFormula, mCompiled, mError);
}

void* DerivedChannel::find(REFIID iid) {
    return iid == IID_IChannelCalcContext ? static_cast<IChannelCalcContext*>(this) : nullptr;
}

std::vector<ICalculationClass*> ChannelCalculationClasses(const ClassRegistry& registry) {
    std::vector<ICalculationClass*> classes;
    for (ICAFClassObject* object : registry.ClassObjects()) {
        const auto calculationClass = QueryInterfacePtr<ICalculationClass>(object, IID_ICalculationClass);
        if (calculationClass)
            classes.push_back(calculationClass.Get());
    }
    return classes;
}

IPersistClassObject* ChannelSettingsClass(const ClassRegistry& registry) {
    for (ICAFClassObject* object : registry.ClassObjects())
        if (const auto settings = QueryInterfacePtr<IPersistClassObject>(object, IID_IPersistClassObject))
            return settings.Get();
    return nullptr;
}

} // namespace Vantrel
