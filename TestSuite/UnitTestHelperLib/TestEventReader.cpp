#include "TestSuite/UnitTestHelperLib/TestEventReader.h"

#include "module/HostServices.h"

namespace ExtLib {

TestEventReader::TestEventReader(IUnknown* document, std::int32_t mode)
    : EventEnumDataGetter(document, Services(this), mode),
      mData(ComPtr<IUnknown>(document).Query<IDocumentData>(IID_IDocumentData)) {}

TestEventReader::TestEventReader(IUnknown* document, std::function<void()> recordEnd, std::int32_t mode)
    : EventEnumDataGetter(document, Services(this), std::move(recordEnd), mode),
      mData(ComPtr<IUnknown>(document).Query<IDocumentData>(IID_IDocumentData)) {}

CalcHostServices TestEventReader::Services(CalcClassById* classes) {
    return {classes, Tarvik::GetUnitService()};
}

bool TestEventReader::CreateEnum(DWORD classId, const Ovo::String& text) {
    return Select(classId) && EventEnumDataGetter::CreateEnum(SelectedName(), text);
}

bool TestEventReader::SetSources(TickPosition start) {
    if (!StartRecord(start.record, static_cast<double>(INT_MAX)))
        return false;
    const auto events = GetEnumInterface();
    const auto calculation = events.Query<ICalcEnum>(IID_ICalcEnum);
    if (!calculation || FAILED(calculation->Seek(start.tick))) {
        Stop();
        return false;
    }
    return true;
}

std::size_t TestEventReader::EventLimit(std::int32_t record) const {
    // No enumerator gives more than one event per tick; a record of unknown length gets a generous
    // bound.
    constexpr std::size_t kUnknownRecordLimit = 1u << 20;
    LONG ticks = 0;
    if (!mData || FAILED(mData->GetRecordEndTick(record, &ticks)) || ticks < 0)
        return kUnknownRecordLimit;
    return static_cast<std::size_t>(ticks) + 1;
}

} // namespace ExtLib
