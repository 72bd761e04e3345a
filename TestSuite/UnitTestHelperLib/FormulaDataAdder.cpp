#include "TestSuite/UnitTestHelperLib/FormulaDataAdder.h"

#include "TestSuite/UnitTestHelperLib/TestDocumentAccess.h"
#include "TestSuite/UnitTestHelperLib/UnitTestException.h"
#include "module/HostServices.h"
#include "platform/vantrel/ICalcEnumClass2.h"
#include "platform/vantrel/IDocumentData.h"
#include "platform/vantrel/ISampleChannel.h"

#include <algorithm>

namespace ExtLib {
namespace {

constexpr char kTestDataAdder[] = ".\\TestDataAdder";

} // namespace

FormulaDataAdder::FormulaDataAdder(IUnknown* document) : DataAdderBase(document) {
    ComPtr<IUnknown> hold(document);
    if (!document) {
        NewTestDocument(mOwnDocument.Put());
        mDocument = mOwnDocument.Get();
    }
    mTicks = 10240;
}

void FormulaDataAdder::SetExpressions(const std::vector<Ovo::String>& expressions, std::uint32_t ticks,
                                      std::vector<double> rates) {
    mExpressions = expressions;
    mSampleRates = std::move(rates);
    Check(mExpressions.size() == mSampleRates.size(),
          {kTestDataAdder, 60, "mExpressions.size() == mSampleRates.size()"});
    if (mExpressions.empty()) {
        mExpressions.emplace_back(u"1");
        mSampleRates.push_back(1000.0);
    }
    mTicks = static_cast<std::int32_t>(ticks);
    if (mChannelMask.FindFirst() < 0)
        mChannelMask.SetFirst(static_cast<std::uint32_t>(expressions.size()));
    mTickRate = mSampleRates.empty() ? 1000.0 : mSampleRates.front();
    for (double rate : mSampleRates)
        if (rate > mTickRate)
            mTickRate = rate;
}

HRESULT FormulaDataAdder::GetNumTicks(LONGLONG* ticks) {
    if (!ticks)
        return E_POINTER;
    *ticks = mTicks;
    return S_OK;
}

HRESULT FormulaDataAdder::CreateChannelSource(LONG, LONG channel, IUnknown** source) {
    if (!source)
        return E_POINTER;
    *source = nullptr;
    return Guarded([&] { return MakeChannelSource(channel, source); });
}

HRESULT FormulaDataAdder::MakeChannelSource(LONG channel, IUnknown** source) {
    auto data = ComPtr<IUnknown>(mDocument).Query<IDocumentData>(IID_IDocumentData);
    IClassRegistry* registry = Tarvik::GetClassRegistry();
    Check(registry != nullptr, {kTestDataAdder, 92, "ObjectFactoryAccessor::Get()"},
          Ovo::String(u"ZAR.DLL couldnt be loaded?"));
    ComPtr<ICalcEnumClass2> factory;
    registry->GetService(GetCalcGuidMsgId0(), IID_ICalcEnumClass2, factory.PutVoid());
    ComPtr<ICalcEnum> formulaSource;
    if (factory)
        factory->CreateEnumerator(data.Get(), formulaSource.Put());
    if (!formulaSource)
        return E_FAIL;
    const auto index = static_cast<std::size_t>(channel);
    const Ovo::String formula =
        channel >= 0 && index < mExpressions.size() ? mExpressions[index] : Ovo::String(u"0");
    DWORD flags = 0;
    formulaSource->SetArgs(ComPtr<IAutoOvoString>::Adopt(formula.GetInterface()).Get(), &flags);
    Check(channel >= 0 && index < mSampleRates.size(),
          {kTestDataAdder, 109, "chan < (TChanIndex)(mSampleRates.size())"});
    formulaSource->Start(0, 0, nullptr, 1.0 / mSampleRates[index], 0, nullptr, 0);
    formulaSource->Seek(0);
    return formulaSource->QueryInterface(IID_ISampleChannel, reinterpret_cast<void**>(source));
}

void AddOfflineData(FormulaDataAdder& adder, const std::vector<Ovo::String>& expressions, std::uint32_t ticks,
                    const std::vector<double>& rates, double startTime) {
    adder.SetExpressions(expressions, ticks, rates);
    adder.AddRecord(startTime);
}

void AddOfflineDataAtRate(const std::vector<Ovo::String>& expressions, FormulaDataAdder& adder,
                          std::uint32_t ticks, double rate, double startTime) {
    AddOfflineData(adder, expressions, ticks, std::vector<double>(expressions.size(), rate), startTime);
}

void StartOnlineData(FormulaDataAdder& adder, const std::vector<Ovo::String>& expressions,
                     std::uint32_t ticks, const std::vector<double>& rates, double startTime) {
    adder.SetExpressions(expressions, ticks, rates);
    adder.StartRecord(startTime);
}

void StartOnlineDataAtRate(const std::vector<Ovo::String>& expressions, FormulaDataAdder& adder,
                           std::uint32_t ticks, double rate, double startTime) {
    StartOnlineData(adder, expressions, ticks, std::vector<double>(expressions.size(), rate), startTime);
}

} // namespace ExtLib
