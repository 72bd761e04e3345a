#pragma once

#include "host/engine/Calculation.h"
#include "host/engine/ComObject.h"
#include "platform/vantrel/CalcEnumDefaults.h"
#include "platform/vantrel/ICalcService.h"
#include "platform/vantrel/ISampleChannel.h"

#include <memory>

namespace Vantrel {

/// An enumerator of the host's formula calculation (FormulaCalcClass). SetArgs takes a formula
/// text and refuses one the engine cannot evaluate with E_INVALIDARG (the reason is kept in
/// error()). Start runs it on a record of the host document: an event formula is then read through
/// IEnumEventEx, a sample formula through ISampleChannel. The sources Start is given are not used:
/// the formula names its channels itself.
class FormulaEnumerator
    : public CalcClass::EnumeratorDefaults<ComObject<ICalcEnum, IEnumEventEx, ISampleChannel>> {
public:
    FormulaEnumerator(ICalcService* classes, DWORD classId);

    const std::string& error() const { return mError; }

    HRESULT SetArgs(IAutoOvoString* text, DWORD* flags) override;
    HRESULT GetArgs(IAutoOvoString** text) override;
    HRESULT Clone(ICalcEnum** out) override;
    HRESULT Start(LONG record, LONG sourceCount, IUnknown* const* sources, double tickPeriod, LONG unitCount,
                  IUnitName* const* units, DWORD flags) override;
    /// Both interfaces: the calculation's seek, and the sample cursor's.
    HRESULT Seek(LONG tick) override;
    HRESULT Clear() override;
    HRESULT GetFlags(DWORD* flags) override;
    HRESULT GetSamplePeriod(double* seconds) override;
    HRESULT GetTypeCode(DWORD* code) override;

    HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) override;
    HRESULT Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                 void* event) override;
    /// Both interfaces: the event stream's position, or the sample cursor's.
    HRESULT GetPosition(LONG* tick) override;
    HRESULT Clone(IEnumEventEx** out) override;
    HRESULT GetEventSize(ULONG* bytes) override;

    HRESULT Read(ULONG maxCount, float* buffer, ULONG* count) override;
    HRESULT IsRecordComplete() override;
    HRESULT CloneCursor(ISampleChannel** out) override;
    HRESULT GetTickPeriod(double* seconds) override;

private:
    void* find(REFIID iid) override;
    FormulaEnumerator* copy() const;

    ICalcService* mClasses;
    DWORD mClassId;
    std::u16string mText;
    std::string mError;
    std::unique_ptr<Calculation> mCalculation;
    std::int32_t mRecord = -1;
    std::unique_ptr<RecordRun> mRun; // a started event formula
    ComPtr<ISampleChannel> mCursor;  // a started sample formula
};

} // namespace Vantrel
