#include "analysis/EEH3EnumeratorBase.h"

#include <algorithm>
#include <locale>
#include <sstream>

#include "analysis/OvoEventBase.h"
#include "core/OStringStream.h"
#include "core/String.h"
#include "core/basic_istrstream.h"

namespace EEH3 {

EEH3EnumeratorBase::EEH3EnumeratorBase(ICAFClassObject* classObject) : CalcEnumEventBase(classObject) {}

EEH3EnumeratorBase::EEH3EnumeratorBase(const EEH3EnumeratorBase& other)
    : CalcEnumEventBase(other), mTickPeriod(other.mTickPeriod) {}

EEH3EnumeratorBase::~EEH3EnumeratorBase() = default;

// The text: the leading integer (the count of numbers that follow, by the engine's convention),
// then the detector's numbers, in the classic locale.
HRESULT EEH3EnumeratorBase::SetArgs(IAutoOvoString* text, DWORD* flags) {
    ParamsBase& params = Params();
    params.ResetLimits();
    AcceptArgs(flags);
    const std::wstring wide = Ovo::String(text).ToWString();
    Ovo::basic_istrstream<wchar_t> in(wide.c_str());
    in.imbue(std::locale::classic());
    std::int32_t leading = 0;
    if (in >> leading)
        params.leadingInteger = leading;
    params.ReadArgs(in);
    params.NormaliseLimits();
    mPosition = 0;
    ResetRecord(); // states built under the old arguments are void
    return S_OK;
}

// Writes the count of numbers, then the numbers, blank-separated: a text SetArgs reads back.
HRESULT EEH3EnumeratorBase::GetArgs(IAutoOvoString** text) {
    if (!text)
        return E_POINTER;
    std::wostringstream numbers;
    numbers.imbue(std::locale::classic());
    Params().WriteArgs(numbers);
    std::wistringstream tokens(numbers.str());
    int count = 0;
    for (std::wstring token; tokens >> token;)
        ++count;
    Ovo::OStringStream out;
    out.imbue(std::locale::classic());
    out << count;
    if (count > 0)
        out << L' ' << numbers.str();
    *text = out.str().GetInterface();
    return S_OK;
}

HRESULT EEH3EnumeratorBase::Start(LONG record, LONG sourceCount, IUnknown* const* sources, double tickPeriod,
                                  LONG unitCount, IUnitName* const* units, DWORD flags) {
    Clear();
    ParamsBase& params = Params();
    mTickPeriod = tickPeriod;
    params.tickPeriod = tickPeriod;
    params.currentRecord = record;
    mOnline = (flags & kCalcStartOnline) != 0;
    mPosition = 0;
    if (sourceCount < 0 || (sourceCount > 0 && !sources) || !params.BuildSources(sources, sourceCount)) {
        params.sources.clear();
        return E_FAIL;
    }
    for (LONG i = 0; units && i < unitCount; ++i)
        params.units.Add(units[i]);
    for (auto& source : params.sources)
        source->SetEndTick(params.UpperBound(record));
    mStarted = true;
    return S_OK;
}

HRESULT EEH3EnumeratorBase::Seek(LONG tick) {
    mHeld.clear();
    const ParamsBase& params = Params();
    if (params.currentRecord == params.limitStart.record)
        tick = std::max(tick, params.limitStart.tick);
    mPosition = std::max<LONG>(tick, 0);
    return S_OK;
}

HRESULT EEH3EnumeratorBase::Clear() {
    ResetRecord();
    Params().sources.clear();
    Params().units.Resize(0);
    mStarted = false;
    return S_OK;
}

void EEH3EnumeratorBase::ResetRecord() {
    mState.reset();
    mCheckpoints.clear();
    mHeld.clear();
}

HRESULT EEH3EnumeratorBase::GetSamplePeriod(double* seconds) {
    if (!seconds)
        return E_POINTER;
    *seconds = mTickPeriod;
    return mTickPeriod > 0.0 ? S_OK : S_FALSE;
}

HRESULT EEH3EnumeratorBase::GetEventInfo(CalcEventInfo* info) {
    if (!info)
        return E_POINTER;
    *info = CalcEventInfo{};
    ParamsBase& params = Params();
    if (mStarted && !params.sources.empty())
        params.sources.front()->GetEventInfo(*info);
    return S_OK;
}

HRESULT EEH3EnumeratorBase::GetEventSize(ULONG* bytes) {
    if (!bytes)
        return E_POINTER;
    *bytes = EventSize();
    return S_OK;
}

HRESULT EEH3EnumeratorBase::GetPosition(LONG* tick) {
    if (!tick)
        return E_POINTER;
    *tick = mPosition;
    return S_OK;
}

std::int32_t EEH3EnumeratorBase::TickOf(const unsigned char* event) const {
    return ReadEventRecord<OvoEventBase>(event).tick;
}

void EEH3EnumeratorBase::Hold(const unsigned char* event) {
    mHeld.assign(event, event + EventSize());
}

} // namespace EEH3
