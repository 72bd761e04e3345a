#include "analysis/Selector.h"

#include <algorithm>
#include <cstring>
#include <locale>
#include <vector>

#include "analysis/EEH3ParamsBase.h"
#include "analysis/PVASelector.h"
#include "core/OStringStream.h"
#include "core/String.h"
#include "core/basic_istrstream.h"

namespace Tarvik::Enum {

namespace {
constexpr DWORD kSelectorCapabilities = 0x10000000u;
}

Selector::Selector(const Selector& other)
    : CalcEnumEventBase(other), mCalcIndex(other.mCalcIndex), mPressureFactor(other.mPressureFactor),
      mVolumeFactor(other.mVolumeFactor) {}

HRESULT Selector::SetArgs(IAutoOvoString* text, DWORD* flags) {
    AcceptArgs(flags);
    const std::wstring wide = Ovo::String(text).ToWString();
    Ovo::basic_istrstream<wchar_t> in(wide.c_str());
    in.imbue(std::locale::classic());
    double index = mCalcIndex;
    if (EEH3::ReadNumber(in, index))
        mCalcIndex = SaturateToInt32(index);
    EEH3::ReadNumber(in, mPressureFactor);
    EEH3::ReadNumber(in, mVolumeFactor);
    return S_OK;
}

HRESULT Selector::GetArgs(IAutoOvoString** text) {
    if (!text)
        return E_POINTER;
    Ovo::OStringStream out;
    out.imbue(std::locale::classic());
    out << mCalcIndex;
    *text = out.str().GetInterface();
    return S_OK;
}

HRESULT Selector::Start(LONG, LONG sourceCount, IUnknown* const* sources, double, LONG, IUnitName* const*,
                        DWORD) {
    Clear();
    if (sourceCount < 1 || !sources || !sources[0])
        return E_FAIL;
    auto source = QueryInterfacePtr<IEnumEventEx>(sources[0], IID_IEnumEventEx);
    if (!source)
        return E_FAIL;
    ULONG size = 0;
    if (FAILED(source->GetEventSize(&size)) || size < InputSize())
        return E_FAIL;
    mSource = std::move(source);
    mSourceSize = size;
    return S_OK;
}

template <class Call> HRESULT Selector::ForwardToSource(HRESULT without, Call call) const {
    const auto calc = mSource.Query<ICalcEnum>(IID_ICalcEnum);
    return calc ? call(*calc.Get()) : without;
}

HRESULT Selector::Seek(LONG tick) {
    return ForwardToSource(S_FALSE, [&](ICalcEnum& calc) { return calc.Seek(tick); });
}

HRESULT Selector::Clear() {
    mSource.Reset();
    mSourceSize = 0;
    return S_OK;
}

HRESULT Selector::GetSamplePeriod(double* seconds) {
    return ForwardToSource(S_FALSE, [&](ICalcEnum& calc) { return calc.GetSamplePeriod(seconds); });
}

HRESULT Selector::GetCapabilities(DWORD* capabilities) {
    if (!capabilities)
        return E_POINTER;
    *capabilities = kSelectorCapabilities;
    return S_OK;
}

HRESULT Selector::GetEventInfo(CalcEventInfo* info) {
    if (!info)
        return E_POINTER;
    *info = CalcEventInfo{};
    return ForwardToSource(S_OK, [&](ICalcEnum& calc) { return calc.GetEventInfo(info); });
}

HRESULT Selector::GetPosition(LONG* tick) {
    if (!tick)
        return E_POINTER;
    if (!mSource) {
        *tick = INT32_MAX;
        return S_FALSE;
    }
    return mSource->GetPosition(tick);
}

OvoEventBase Selector::Convert(const unsigned char* record) const {
    OvoEventBase out;
    out.SetPosition(ReadEventRecord<OvoEventBase>(record).GetPosition());
    out.value = Value(record);
    return out;
}

double Selector::Value(const unsigned char* record) const {
    return ScaledLoopParamValue(mCalcIndex, ReadEventRecord<TarvikEvent>(record), mPressureFactor,
                                mVolumeFactor);
}

double PVASelector::Value(const unsigned char* record) const {
    return ScaledPVAParamValue(CalcIndex(), ReadEventRecord<PVAEvent>(record), PressureFactor(),
                               VolumeFactor());
}

// The source's own result (and its position) pass through: S_FALSE at the end of the record.
HRESULT Selector::Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) {
    if (count)
        *count = 0;
    const ULONG n = bufferBytes / sizeof(OvoEventBase);
    if (!buffer || !count || n == 0)
        return E_INVALIDARG;
    if (!mSource) {
        if (position)
            *position = INT32_MAX;
        return S_FALSE;
    }
    std::vector<unsigned char>& work = mWork;
    work.resize(std::size_t{n} * mSourceSize);
    ULONG got = 0;
    LONG reached = 0;
    const HRESULT hr = mSource->Next(static_cast<ULONG>(work.size()), tickLimit, work.data(), &got, &reached);
    got = SUCCEEDED(hr) ? std::min(got, n) : 0;
    auto* out = static_cast<unsigned char*>(buffer);
    for (ULONG i = 0; i < got; ++i) {
        const OvoEventBase converted = Convert(work.data() + std::size_t{i} * mSourceSize);
        std::memcpy(out + std::size_t{i} * sizeof converted, &converted, sizeof converted);
    }
    *count = got;
    if (position)
        *position = reached;
    return hr;
}

// Finds through the source into a record of the source's size, then converts it.
HRESULT Selector::Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                       void* event) {
    if (!mSource)
        return S_FALSE;
    std::vector<unsigned char> record(mSourceSize);
    const HRESULT hr =
        mSource->Find(backward, tick, rangeStart, rangeEnd, static_cast<ULONG>(record.size()), record.data());
    if (hr == S_OK && event && eventBytes >= sizeof(OvoEventBase)) {
        const OvoEventBase converted = Convert(record.data());
        std::memcpy(event, &converted, sizeof converted);
    }
    return hr;
}

} // namespace Tarvik::Enum
