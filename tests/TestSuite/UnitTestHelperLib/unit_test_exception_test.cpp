#include "TestSuite/UnitTestHelperLib/UnitTestException.h"

#include <gtest/gtest.h>

namespace ExtLib {
namespace {

struct FailureCase {
    const char* expression;
    const char* file;
    std::int32_t line;
    const char16_t* message;
    const char16_t* text;
};

class FormatTestFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FormatTestFailureTest, WritesFileLineExpressionAndMessage) {
    const FailureCase& c = GetParam();
    EXPECT_EQ(FormatTestFailure(c.expression, c.file, c.line, Ovo::String(c.message)), Ovo::String(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatTestFailureTest,
    ::testing::Values(
        FailureCase{"mExpressions.size() == mSampleRates.size()", ".\\TestDataAdder", 60, u"",
                    u"TestDataAdder, Line 60 [mExpressions.size() == mSampleRates.size()]"},
        FailureCase{"ObjectFactoryAccessor::Get()", ".\\TestDataAdder", 92, u"ZAR.DLL couldnt be loaded?",
                    u"TestDataAdder, Line 92 [ObjectFactoryAccessor::Get()], [ZAR.DLL couldnt be loaded?]"},
        FailureCase{"n>0", "UnitTestHelperLib/TestStandardRoutinescpp", 170, u"",
                    u"UnitTestHelperLib/TestStandardRoutinescpp, Line 170 [n>0]"},
        FailureCase{"", "a\\b\\c\\Routines", 1234567, u"no expression",
                    u"Routines, Line 1234567, [no expression]"},
        FailureCase{"", "plain", -3, u"", u"plain, Line -3"}));

TEST(UnitTestExceptionTest, FailingCheckThrowsTheFormattedText) {
    try {
        Check(1 + 1 == 3, {".\\TestStandardRoutines", 123, "hr==S_OK || hr==S_FALSE"},
              Ovo::String(u"Bad HResult from Next."));
        FAIL() << "no exception";
    } catch (const UnitTestException& e) {
        EXPECT_EQ(e.message(),
                  Ovo::String(
                      u"TestStandardRoutines, Line 123 [hr==S_OK || hr==S_FALSE], [Bad HResult from Next.]"));
    }
    EXPECT_NO_THROW(Check(true, {"x", 1, "true"}));
}

} // namespace
} // namespace ExtLib
