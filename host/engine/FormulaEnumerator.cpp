#include "host/engine/FormulaEnumerator.h"

#include "host/engine/CalcEngine.h"
#include "host/engine/FormulaError.h"
#include "host/engine/IRecordingHost.h"
#include "host/engine/SampleCursor.h"
#include "host/framework/Text.h"

namespace Vantrel {
namespace {

Recording* recordingOf(const ComPtr<IUnknown>& host) {
    ComPtr<IRecordingHost> access = host.Query<IRecordingHost>(IID_IRecordingHost);
    return access ? access->GetRecording() : nullptr;
}

} // namespace

FormulaEnumerator::FormulaEnumerator(ICalcService* classes, DWORD classId)
    : mClasses(classes), mClassId(classId) {}

void* FormulaEnumerator::find(REFIID iid) {
    const bool events = !mCalculation || mCalculation->givesEvents();
    const bool samples = !mCalculation || !mCalculation->givesEvents();
    if (iid == IID_ICalcEnum)
        return static_cast<ICalcEnum*>(this);
    if (iid == IID_IEnumEventEx && events)
        return static_cast<IEnumEventEx*>(this);
    if (iid == IID_ISampleChannel && samples)
        return static_cast<ISampleChannel*>(this);
    return nullptr;
}

HRESULT FormulaEnumerator::SetArgs(IAutoOvoString* text, DWORD* flags) {
    if (flags)
        *flags = 0;
    Clear();
    mCalculation.reset();
    mText = ReadString(text);
    Recording* recording = recordingOf(mHost);
    if (!recording) {
        mError = "the formula has no document to read";
        return E_UNEXPECTED;
    }
    CalcEngine engine(*recording, ComPtr<ICalcService>(mClasses), mHost);
    const HRESULT hr = engine.tryCompile(mText, mCalculation, mError);
    if (SUCCEEDED(hr) && flags)
        *flags = kCalcArgsAccepted;
    return hr;
}

HRESULT FormulaEnumerator::GetArgs(IAutoOvoString** text) {
    if (!text)
        return E_POINTER;
    *text = MakeString(mText);
    return S_OK;
}

FormulaEnumerator* FormulaEnumerator::copy() const {
    auto* clone = new FormulaEnumerator(mClasses, mClassId);
    clone->mHost = mHost;
    clone->mText = mText;
    clone->mError = mError;
    if (mCalculation)
        clone->mCalculation = std::make_unique<Calculation>(*mCalculation);
    return clone;
}

HRESULT FormulaEnumerator::Clone(ICalcEnum** out) {
    if (!out)
        return E_POINTER;
    *out = copy();
    return S_OK;
}

HRESULT FormulaEnumerator::Clone(IEnumEventEx** out) {
    if (!out)
        return E_POINTER;
    *out = copy();
    return S_OK;
}

HRESULT FormulaEnumerator::Start(LONG record, LONG, IUnknown* const*, double, LONG, IUnitName* const*,
                                 DWORD flags) {
    Clear();
    Recording* recording = recordingOf(mHost);
    if (!mCalculation || !recording)
        return E_UNEXPECTED;
    if (record < 0 || record >= recording->recordCount())
        return E_INVALIDARG;
    mRecord = record;
    if (!mCalculation->givesEvents()) {
        mCursor =
            ComPtr<ISampleChannel>::Adopt(new SampleCursor(*recording, mCalculation->samples(), record));
        return S_OK;
    }
    try {
        mRun = mCalculation->start(record, (flags & kCalcStartOnline) != 0);
        return S_OK;
    } catch (const FormulaError& e) {
        mError = e.what();
        return E_FAIL;
    }
}

HRESULT FormulaEnumerator::Seek(LONG tick) {
    if (mRun)
        return mRun->seek(tick);
    if (mCursor)
        return mCursor->Seek(tick);
    return E_UNEXPECTED;
}

HRESULT FormulaEnumerator::Clear() {
    mRun.reset();
    mCursor.Reset();
    return S_OK;
}

HRESULT FormulaEnumerator::GetFlags(DWORD* flags) {
    if (!flags)
        return E_POINTER;
    *flags = mCalculation ? kCalcArgsAccepted : 0;
    return S_OK;
}

HRESULT FormulaEnumerator::GetSamplePeriod(double* seconds) {
    if (!seconds)
        return E_POINTER;
    Recording* recording = recordingOf(mHost);
    if (!recording || mRecord < 0 || mRecord >= recording->recordCount())
        return S_FALSE;
    *seconds = recording->record(mRecord).tickPeriod();
    return S_OK;
}

HRESULT FormulaEnumerator::GetTypeCode(DWORD* code) {
    if (!code)
        return E_POINTER;
    *code = mClassId;
    return S_OK;
}

HRESULT FormulaEnumerator::Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count,
                                LONG* position) {
    return mRun ? mRun->stream()->Next(bufferBytes, tickLimit, buffer, count, position) : E_UNEXPECTED;
}

HRESULT FormulaEnumerator::Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                                void* event) {
    return mRun ? mRun->stream()->Find(backward, tick, rangeStart, rangeEnd, eventBytes, event)
                : E_UNEXPECTED;
}

HRESULT FormulaEnumerator::GetPosition(LONG* tick) {
    if (mRun)
        return mRun->stream()->GetPosition(tick);
    if (mCursor)
        return mCursor->GetPosition(tick);
    return E_UNEXPECTED;
}

HRESULT FormulaEnumerator::GetEventSize(ULONG* bytes) {
    if (!bytes)
        return E_POINTER;
    if (!mCalculation || !mCalculation->givesEvents())
        return E_UNEXPECTED;
    *bytes = mCalculation->eventSize();
    return S_OK;
}

HRESULT FormulaEnumerator::Read(ULONG maxCount, float* buffer, ULONG* count) {
    return mCursor ? mCursor->Read(maxCount, buffer, count) : E_UNEXPECTED;
}

HRESULT FormulaEnumerator::IsRecordComplete() {
    return mCursor ? mCursor->IsRecordComplete() : E_UNEXPECTED;
}

HRESULT FormulaEnumerator::CloneCursor(ISampleChannel** out) {
    return mCursor ? mCursor->CloneCursor(out) : E_UNEXPECTED;
}

HRESULT FormulaEnumerator::GetTickPeriod(double* seconds) {
    return mCursor ? mCursor->GetTickPeriod(seconds) : E_UNEXPECTED;
}

} // namespace Vantrel
