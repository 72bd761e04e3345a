#pragma once
// FormulaDataAdder: a data source whose channels are formulas of time ("sin(30*t)")
// that the host computes. A test adds a whole record at once (AddOfflineData) or
// opens one and adds ticks block by block while it reads events (StartOnlineData,
// AddTicks, EndSampling).

#include "TestSuite/UnitTestHelperLib/DataAdderBase.h"
#include "core/String.h"

#include <vector>

namespace ExtLib {

class FormulaDataAdder : public DataAdderBase {
public:
    /// document: the test document to feed; null makes the adder a new, empty test document of its
    /// own. Ticks per record: 10240 until SetExpressions.
    explicit FormulaDataAdder(IUnknown* document);

    /// Channel k computes expressions[k] at rates[k] Hz; a record holds ticks ticks. The two lists
    /// must have one entry per channel (check "mExpressions.size() == mSampleRates.size()"). No
    /// expression gives one constant channel "1" at 1000 Hz. An empty channel mask switches on the
    /// channels given; the tick rate is the highest rate.
    void SetExpressions(const std::vector<Ovo::String>& expressions, std::uint32_t ticks,
                        std::vector<double> rates);

    /// A sample source of the host's formula calculation for the channel's formula ("0" beyond the
    /// list), sampled at the channel's rate.
    HRESULT CreateChannelSource(LONG reserved, LONG channel, IUnknown** source) override;
    HRESULT GetNumTicks(LONGLONG* ticks) override;

    const std::vector<Ovo::String>& expressions() const { return mExpressions; }
    const std::vector<double>& sampleRates() const { return mSampleRates; }

private:
    HRESULT MakeChannelSource(LONG channel, IUnknown** source);

    std::vector<Ovo::String> mExpressions;
};

/// SetExpressions, then AddRecord(startTime).
void AddOfflineData(FormulaDataAdder& adder, const std::vector<Ovo::String>& expressions, std::uint32_t ticks,
                    const std::vector<double>& rates, double startTime);
/// AddOfflineData with every channel at rate.
void AddOfflineDataAtRate(const std::vector<Ovo::String>& expressions, FormulaDataAdder& adder,
                          std::uint32_t ticks, double rate, double startTime);
/// SetExpressions, then StartRecord(startTime); the caller adds ticks and ends sampling.
void StartOnlineData(FormulaDataAdder& adder, const std::vector<Ovo::String>& expressions,
                     std::uint32_t ticks, const std::vector<double>& rates, double startTime);
/// StartOnlineData with every channel at rate.
void StartOnlineDataAtRate(const std::vector<Ovo::String>& expressions, FormulaDataAdder& adder,
                           std::uint32_t ticks, double rate, double startTime);

} // namespace ExtLib
