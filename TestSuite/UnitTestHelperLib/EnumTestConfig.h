#pragma once
// The configuration a self-test hands its enumerator test routines: the
// calculation under test, the formulas of its source channels and the shape of
// the test data.

#include "core/String.h"

#include <cstdint>
#include <vector>

namespace ExtLib {

struct EnumTestConfig {
    std::uint32_t mEnumID = 0;             // class id of the calculation that evaluates mArithString
    std::vector<Ovo::String> mExpressions; // one formula per source channel
    std::vector<std::int32_t> mSourceIndices;
    Ovo::String mArithString = Ovo::String(u"NOT SET"); // the calculation text under test
    std::uint32_t mNumSamples = 26123;                  // samples per record of the test data
    bool filling = false;                               // the enumerator fills gaps: starts are remapped
    std::uint32_t mRecordCount = 3;                     // records of test data
    std::vector<Ovo::String> mDocumentTexts;            // sent to the test document before a run
    std::vector<double> mSampleRates;                   // Hz, parallel to mExpressions
};

} // namespace ExtLib
