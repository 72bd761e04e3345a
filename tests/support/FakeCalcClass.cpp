#include "FakeCalcClass.h"

#include "core/String.h"
#include "platform/vantrel/EventRecords.h"
#include "platform/vantrel/IEnumEventEx.h"
#include "platform/vantrel/ISampleChannel.h"

#include <climits>
#include <cstring>
#include <locale>
#include <sstream>

namespace Vantrel::Testing {
namespace {

class FakeEnumerator : public TestCalcEnumerator {
public:
    FakeEnumerator(const FakeClassDef& def, std::shared_ptr<FakeLog> log) : mDef(def), mLog(std::move(log)) {}

    HRESULT SetArgs(IAutoOvoString* text, DWORD* flags) override {
        const std::string args = Ovo::String(text).ToUtf8();
        mLog->arguments.push_back(args);
        if (mDef.refuseArgs)
            return E_FAIL;
        std::istringstream in(args);
        in.imbue(std::locale::classic());
        int count = 0;
        if (mDef.leadingCount)
            in >> count;
        double value = 0;
        mNumbers.clear();
        while (in >> value)
            mNumbers.push_back(value);
        *flags = kCalcArgsAccepted;
        return S_OK;
    }
    HRESULT GetArgs(IAutoOvoString**) override { return E_NOTIMPL; }
    HRESULT Start(LONG record, LONG sourceCount, IUnknown* const* sources, double tickPeriod, LONG,
                  IUnitName* const*, DWORD flags) override {
        mLog->starts.push_back({record, sourceCount, tickPeriod, flags});
        if (!mDef.fixedTicks.empty() && !mDef.refuseStart) {
            mFixed = 0;
            return S_OK;
        }
        if (mDef.refuseStart || sourceCount < 1)
            return E_FAIL;
        ComPtr<IUnknown> first(sources[0]);
        if (mDef.params[0].kind == kCalcParamSamples)
            mSamples = first.Query<ISampleChannel>(IID_ISampleChannel);
        else
            mEvents = first.Query<IEnumEventEx>(IID_IEnumEventEx);
        return mSamples || mEvents ? S_OK : E_FAIL;
    }
    HRESULT Seek(LONG tick) override {
        mNextTick = tick;
        return S_OK;
    }
    HRESULT Clear() override {
        ++mLog->clears;
        mSamples.Reset();
        mEvents.Reset();
        return S_OK;
    }

    HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) override {
        if (mDef.neverAdvance) {
            *count = 0;
            *position = 5;
            return S_OK;
        }
        if (!mDef.fixedTicks.empty())
            return fixedEvents(bufferBytes, tickLimit, buffer, count, position);
        return mEvents ? passEvents(bufferBytes, tickLimit, buffer, count, position)
                       : sampleEvents(bufferBytes, tickLimit, buffer, count, position);
    }
    HRESULT Find(BOOL, LONG, LONG, LONG, ULONG, void*) override { return S_FALSE; }
    HRESULT GetPosition(LONG* tick) override { return *tick = mNextTick, S_OK; }

private:
    double number(std::size_t i, double otherwise) const {
        return i < mNumbers.size() ? mNumbers[i] : otherwise;
    }

    HRESULT passEvents(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) {
        HRESULT hr = mEvents->Next(bufferBytes / 16 * 16, tickLimit, buffer, count, position);
        auto* events = static_cast<EventRecord*>(buffer);
        for (ULONG i = 0; i < *count; ++i)
            events[i].value += number(0, 0.0);
        return hr;
    }

    HRESULT fixedEvents(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) {
        const std::vector<LONG>& ticks = mDef.fixedTicks;
        ULONG n = 0;
        while (n < bufferBytes / 16 && mFixed < ticks.size() && ticks[mFixed] < tickLimit) {
            EventRecord event;
            event.tick = ticks[mFixed++];
            event.value = 1.0;
            std::memcpy(static_cast<std::byte*>(buffer) + 16 * n++, &event, 16);
        }
        *count = n;
        const LONG reached = mFixed < ticks.size() ? ticks[mFixed] : INT_MAX;
        *position = std::min(reached, tickLimit);
        return reached == INT_MAX ? S_FALSE : S_OK;
    }

    HRESULT sampleEvents(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) {
        const auto step = static_cast<LONG>(number(0, 100.0));
        ULONG n = 0;
        bool ended = false;
        while (n < bufferBytes / 16 && mNextTick < tickLimit) {
            float sample = 0;
            ULONG got = 0;
            mSamples->Seek(mNextTick);
            if (mSamples->Read(1, &sample, &got) == S_FALSE || got == 0) {
                ended = got == 0 && mSamples->IsRecordComplete() == S_OK;
                break;
            }
            EventRecord event;
            event.tick = mNextTick;
            event.value = sample;
            std::memcpy(static_cast<std::byte*>(buffer) + 16 * n++, &event, 16);
            mNextTick += step;
        }
        *count = n;
        *position = ended ? INT_MAX : std::min(mNextTick, tickLimit);
        return ended ? S_FALSE : S_OK;
    }

    FakeClassDef mDef;
    std::shared_ptr<FakeLog> mLog;
    std::vector<double> mNumbers;
    ComPtr<ISampleChannel> mSamples;
    ComPtr<IEnumEventEx> mEvents;
    LONG mNextTick = 0;
    std::size_t mFixed = 0;
};

} // namespace

FakeCalcClass::FakeCalcClass(FakeClassDef def)
    : TestCalcClass({0x12340000u, def.name, "A test class.", def.outputName, def.params, def.sourceCount,
                     def.leadingCount ? kCalcClassDetectorFlags : 0u}),
      mDef(std::move(def)) {}

HRESULT FakeCalcClass::CreateEnumerator(IUnknown*, ICalcEnum** out) {
    *out = new FakeEnumerator(mDef, mLog);
    return S_OK;
}

} // namespace Vantrel::Testing
