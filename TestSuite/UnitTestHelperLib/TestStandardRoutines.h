#pragma once
// The enumerator test routines: checks that a calculation enumerator keeps the
// host's event-enumerator contract on a test document filled with formula data,
// and the steps they share. A failed check throws UnitTestException with the
// routine's source name, the check's number and expression, and a message.
//
// The contract: IEnumEventEx::Next returns S_OK or S_FALSE; its next unexamined
// tick (nut) is at most the end tick asked for, or kRecordEndOffset once no more
// events will come in the record, and S_FALSE goes with kRecordEndOffset only.
// A call that returns fewer records than asked for has reached the end tick or
// the end of the record.

#include "TestSuite/UnitTestHelperLib/EnumTestConfig.h"
#include "TestSuite/UnitTestHelperLib/FormulaDataAdder.h"
#include "TestSuite/UnitTestHelperLib/TestEventReader.h"
#include "TestSuite/UnitTestHelperLib/UnitTestException.h"
#include "platform/win32/com_ptr.h"

#include <climits>

namespace ExtLib {

inline constexpr LONG kRecordEndOffset = INT_MAX;

/// Source names of the failures: the contract tests, and the enumerator test routines.
inline constexpr char kStandardRoutines[] = ".\\TestStandardRoutines";
inline constexpr char kRoutinesCpp[] = "UnitTestHelperLib/TestStandardRoutinescpp";

/// Releases what *document holds and puts a new, empty test document there.
void CreateTestDocument(IUnknown** document);
/// Sends each configuration text to the document; the host's test documents take none, so any
/// text fails the check "hr==S_OK".
void SendConfigTexts(IUnknown* document, const std::vector<Ovo::String>& texts);
/// The tick of a record that a filling enumerator starts from for tick, through the document's
/// continuous positions.
LONG RemapTick(IUnknown* document, LONG tick, LONG record);

/// Reads a record that is complete before reading starts, from a third of the way in, first up
/// to 10 ticks before its end and then to its end, 5 records per Next.
void TestNextOffline(const EnumTestConfig& config, std::uint32_t recordSize);
/// Reads a record while it is sampled, 100 ticks at a time, 50 records per Next.
void TestNextOnline(const EnumTestConfig& config, std::uint32_t recordSize);

/// At most this many Next calls read a record of numsamples ticks: every call of a working
/// enumerator delivers records or moves on, and a record holds fewer events than ticks.
inline std::uint64_t NextCallBudget(std::uint32_t numsamples) {
    return std::uint64_t{numsamples} + 1000;
}

/// A new test document holding records of the configuration's formulas at its rates, each of
/// ticks ticks, added offline; the adder goes before the document.
class OfflineTestDocument {
public:
    OfflineTestDocument(const EnumTestConfig& config, std::uint32_t ticks, std::uint32_t records = 1);
    IUnknown* Get() const { return mDocument.Get(); }

private:
    ComPtr<IUnknown> mDocument;
    ComPtr<FormulaDataAdder> mAdder;
};

/// Creates the reader's enumerator for the configuration and reads record into vec, failing at the
/// given checks.
template <class TBufType>
void ReadReference(TestEventReader& edg, const EnumTestConfig& config, std::int32_t record,
                   std::vector<TBufType>& vec, const CheckSite& created, const CheckSite& read) {
    Check(edg.CreateEnum(config.mEnumID, config.mArithString), created);
    Check(edg.template GetRecordData<TBufType>(record, vec), read);
}

/// The reader's event stream after CreateEnum and SetSources, failing at the given check numbers
/// when the enumerator was not created or not started.
struct ReaderSites {
    const char* file;
    std::int32_t created;
    std::int32_t started;
};
ComPtr<IEnumEventEx> RequireEventStream(TestEventReader& reader, bool created, bool started,
                                        const ReaderSites& sites);

} // namespace ExtLib
