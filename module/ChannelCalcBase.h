#pragma once
// ChannelCalcBase: the body of a channel calculation. It keeps the host's side
// of its channel (the context and its two words), makes the host's formula
// evaluator aggregated in itself (the evaluator answers every interface the
// calculation does not), and maps the channel's display range onto the host's
// 16-bit codes.

#include <atomic>

#include "platform/vantrel/IChannelCalc.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class ChannelCalcBase : public IChannelCalc {
public:
    // Made with one reference. context: the host's side of the channel (held); the evaluator comes
    // from the host's class registry (message 17 of the host's GUID C203FC30).
    ChannelCalcBase(IChannelCalcContext* context, DWORD word1, DWORD word2);
    ChannelCalcBase(const ChannelCalcBase&) = delete;
    ChannelCalcBase& operator=(const ChannelCalcBase&) = delete;

    // IChannelCalc and IUnknown; other interfaces are the evaluator's.
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT Start(LONG record, IUnknown** output, ChannelCalcRate* rate, LONG fromTick,
                  IUnknown** reserved) override;
    HRESULT Reserved8(DWORD* value) override;
    HRESULT Reserved10() override { return S_OK; }

    // What the host receives: code = (value + second) x first, so that codes -32000 and +32000 are
    // bottom and top. A range that is not finite or not positive takes the largest float for its
    // span, so that the mapping stays finite.
    static ChannelOutputFormat SampleMapping(double top, double bottom, std::int32_t decimals);

    IChannelFormula* Evaluator() const { return mEvaluator; }
    const ChannelOutputFormat& Format() const { return mFormat; }

protected:
    virtual ~ChannelCalcBase();

    // Sets the mapping for the range and tells the host the output format with the unit text; the
    // host's answer.
    HRESULT SetOutputFormat(double top, double bottom, std::int32_t decimals, IAutoOvoString* unit);
    // Hands the host the evaluator's result for the channel; the host's answer.
    HRESULT ApplyEvaluatorResult();

private:
    std::atomic<ULONG> mRefs{1};
    ComPtr<IChannelCalcContext> mContext;
    DWORD mWords[2];
    ComPtr<IUnknown> mInner;               // the evaluator's own IUnknown
    IChannelFormula* mEvaluator = nullptr; // the evaluator's, through the aggregate: no reference on us
    ChannelOutputFormat mFormat;
    ComPtr<IUnknown> mOutput; // replaced on each format
};

} // namespace Tarvik
