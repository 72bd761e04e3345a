#pragma once
// "Tarvik Parameter Selector" (formula function "TarvikParamSelector"): turns
// the loop events of the analyser into a plain event series whose values are
// one loop parameter, scaled to the display units. One OvoEventBase per source
// event, at the same position.
//
// Argument text (no leading count): the parameter id (LoopParamId), the
// pressure prefix factor, the volume prefix factor. Numbers the text does not
// give keep their values (initially id 0, factors 1).

#include "analysis/CalcEnumEventBase.h"
#include "analysis/LoopParameters.h"

#include <vector>

namespace Tarvik::Enum {

class Selector : public CalcEnums::CalcEnumEventBase {
public:
    explicit Selector(ICAFClassObject* classObject) : CalcEnumEventBase(classObject) {}

    HRESULT SetArgs(IAutoOvoString* text, DWORD* flags) override;
    HRESULT GetArgs(IAutoOvoString** text) override;
    // Takes the first source's IEnumEventEx; E_FAIL without one, or when its events are not
    // records of this selector's input.
    HRESULT Start(LONG record, LONG sourceCount, IUnknown* const* sources, double tickPeriod, LONG unitCount,
                  IUnitName* const* units, DWORD flags) override;
    HRESULT Seek(LONG tick) override;
    HRESULT Clear() override;
    HRESULT GetSamplePeriod(double* seconds) override;
    HRESULT GetCapabilities(DWORD* capabilities) override;
    HRESULT GetEventInfo(CalcEventInfo* info) override;

    HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) override;
    HRESULT Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                 void* event) override;
    HRESULT GetPosition(LONG* tick) override;

    std::int32_t CalcIndex() const { return mCalcIndex; }

protected:
    Selector(const Selector& other);

    // The size of one input record, and the scaled value of one.
    virtual std::uint32_t InputSize() const { return sizeof(TarvikEvent); }
    virtual double Value(const unsigned char* record) const;
    Selector* NewClone() const override { return new Selector(*this); }

    double PressureFactor() const { return mPressureFactor; }
    double VolumeFactor() const { return mVolumeFactor; }

private:
    // The input record as its output event.
    OvoEventBase Convert(const unsigned char* record) const;
    // call(the source's ICalcEnum), or `without` when the source has none.
    template <class Call> HRESULT ForwardToSource(HRESULT without, Call call) const;

    ComPtr<IEnumEventEx> mSource;
    std::uint32_t mSourceSize = 0;
    std::int32_t mCalcIndex = 0;
    double mPressureFactor = 1.0;
    double mVolumeFactor = 1.0;
    std::vector<unsigned char> mWork; // the source's records of one Next, kept from call to call
};

} // namespace Tarvik::Enum
