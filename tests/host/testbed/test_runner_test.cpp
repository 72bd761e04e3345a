#include "host/testbed/TestRunner.h"

#include "core/String.h"
#include "host/engine/ComObject.h"

#include <gtest/gtest.h>

namespace Vantrel {
namespace {

/// A self-test with three cases: one passes, one fails with a message, one cannot be run.
class ScriptedTest : public ComObject<IUnitTest> {
public:
    int prepared = 0;
    std::vector<LONG> runs;

    HRESULT GetTestCount(LONG* count) override {
        *count = prepared > 0 ? 3 : 0;
        return S_OK;
    }
    HRESULT RunTest(LONG index) override {
        runs.push_back(index);
        mLast = index;
        return index == 2 ? E_UNEXPECTED : S_OK;
    }
    HRESULT GetTestName(LONG index, IAutoOvoString** name) override {
        const char16_t* names[] = {u"Scripted::Passes", u"Scripted::Fails", u"Scripted::Refuses"};
        *name = Ovo::String(names[index]).GetInterface();
        return S_OK;
    }
    HRESULT GetResult(VARIANT_BOOL* passed, IAutoOvoString** message) override {
        *passed = mLast == 0 ? VARIANT_TRUE : VARIANT_FALSE;
        *message = Ovo::String(mLast == 0 ? u"" : u"Scripted, Line 7 [x]").GetInterface();
        return S_OK;
    }
    HRESULT PrepareTests() override {
        ++prepared;
        return S_OK;
    }
    HRESULT GetOwner(IAutoOvoString** owner) override {
        *owner = nullptr;
        return S_OK;
    }
    HRESULT GetTestValue(LONG index, double* value) override {
        *value = 10.0 * index;
        return S_OK;
    }

private:
    void* find(REFIID iid) override { return iid == IID_IUnitTest ? static_cast<IUnitTest*>(this) : nullptr; }
    LONG mLast = -1;
};

TEST(TestRunner, PreparesEachTestOnceAndReportsEveryCase) {
    auto test = ComPtr<ScriptedTest>::Adopt(new ScriptedTest);
    const TestRunner runner({test.Get(), nullptr});
    EXPECT_EQ(test->prepared, 1);
    EXPECT_EQ(runner.caseNames(),
              (std::vector<std::string>{"Scripted::Passes", "Scripted::Fails", "Scripted::Refuses"}));

    const std::vector<TestCaseResult> results = runner.runAll();
    ASSERT_EQ(results.size(), 3u);
    EXPECT_TRUE(results[0].passed);
    EXPECT_EQ(results[0].message, "");
    EXPECT_FALSE(results[1].passed);
    EXPECT_EQ(results[1].message, "Scripted, Line 7 [x]");
    EXPECT_EQ(results[1].value, 10.0);
    EXPECT_FALSE(results[2].passed);
    EXPECT_EQ(results[2].message, "RunTest failed with 0x8000FFFF");
    EXPECT_EQ(test->runs, (std::vector<LONG>{0, 1, 2}));

    const TestCaseResult unknown = runner.run("Scripted::Missing");
    EXPECT_FALSE(unknown.passed);
    EXPECT_EQ(unknown.message, "no test has a case of that name");
    EXPECT_EQ(test->prepared, 1);
}

} // namespace
} // namespace Vantrel
