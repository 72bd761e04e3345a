#include "module/ChannelCalcBase.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "module/HostServices.h"
#include "module/MessageIds.h"

namespace Tarvik {
namespace {

constexpr double kLargestValue = 1e24;
constexpr double kCodeSpan = 64000.0; // codes -32000 .. +32000
constexpr double kLargestFloat = FLT_MAX;

} // namespace

ChannelCalcBase::ChannelCalcBase(IChannelCalcContext* context, DWORD word1, DWORD word2)
    : mContext(context), mWords{word1, word2} {
    IClassRegistry* registry = GetClassRegistry();
    ComPtr<IClassFactory> factory;
    if (registry != nullptr &&
        SUCCEEDED(registry->GetService(MsgIdClass<HostMsgGuidC203, 17>::Id(), IID_IClassFactory,
                                       factory.PutVoid())) &&
        factory)
        factory->CreateInstance(static_cast<IChannelCalc*>(this), IID_IUnknown, mInner.PutVoid());
    // The evaluator's interfaces count on the aggregate: give back the reference the query took.
    if (mInner &&
        SUCCEEDED(mInner->QueryInterface(IID_IChannelFormula, reinterpret_cast<void**>(&mEvaluator))))
        Release();
}

ChannelCalcBase::~ChannelCalcBase() = default;

HRESULT ChannelCalcBase::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IChannelCalc) {
        *out = static_cast<IChannelCalc*>(this);
        AddRef();
        return S_OK;
    }
    return mInner ? mInner->QueryInterface(iid, out) : E_NOINTERFACE;
}

ULONG ChannelCalcBase::AddRef() {
    return ++mRefs;
}

ULONG ChannelCalcBase::Release() {
    const ULONG left = --mRefs;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ChannelCalcBase::Start(LONG record, IUnknown** output, ChannelCalcRate* rate, LONG fromTick,
                               IUnknown** reserved) {
    if (output != nullptr)
        *output = ComPtr<IUnknown>(mOutput).Detach();
    if (rate != nullptr)
        *rate = ChannelCalcRate{};
    const HRESULT hr = mEvaluator ? mEvaluator->Start(0, record, fromTick) : E_FAIL;
    if (reserved != nullptr)
        *reserved = nullptr;
    return hr;
}

HRESULT ChannelCalcBase::Reserved8(DWORD* value) {
    if (value != nullptr)
        *value = 0;
    return E_NOTIMPL;
}

ChannelOutputFormat ChannelCalcBase::SampleMapping(double top, double bottom, std::int32_t decimals) {
    const double t = std::clamp(top, -kLargestValue, kLargestValue);
    const double b = std::clamp(bottom, -kLargestValue, kLargestValue);
    double range = t - b;
    // An empty range would map every value to an infinite code.
    if (!std::isfinite(range) || range == 0.0)
        range = kLargestFloat;
    double scale = range / kCodeSpan;
    if (!std::isfinite(scale))
        scale = kLargestFloat;
    // value = (code + offset) x scale maps -32000 to bottom and +32000 to top.
    const double offset = 32000.0 + kCodeSpan * b / range;
    ChannelOutputFormat format;
    format.first = 1.0 / scale;
    format.second = -(scale * offset);
    format.maximum = std::numeric_limits<float>::infinity();
    format.minimum = -std::numeric_limits<float>::infinity();
    format.decimals = decimals;
    format.word = 1;
    format.word16 = 0;
    return format;
}

HRESULT ChannelCalcBase::SetOutputFormat(double top, double bottom, std::int32_t decimals,
                                         IAutoOvoString* unit) {
    mFormat = SampleMapping(top, bottom, decimals);
    mOutput.Reset();
    return mContext ? mContext->SetOutputFormat(&mFormat, unit, mOutput.Put()) : E_FAIL;
}

HRESULT ChannelCalcBase::ApplyEvaluatorResult() {
    ComPtr<IUnknown> result;
    if (!mInner || FAILED(mInner->QueryInterface(IID_IChannelFormulaResult, result.PutVoid())) || !mContext)
        return E_FAIL;
    return mContext->SetResult(mWords[0], mWords[1], result.Get(), kChannelFormulaFlags);
}

} // namespace Tarvik
