#pragma once

#include "host/engine/CalcClassCatalog.h"
#include "host/engine/FormulaCalcClass.h"
#include "host/framework/Framework.h"
#include "host/testbed/TestDocumentFactory.h"

namespace Vantrel {

/// The host's side of the module's self-tests, installed in a framework's class registry: the
/// test-document factory, under the kind word of kTestDocumentFactoryGuid, and the formula
/// calculation (FormulaCalcClass), under the class id of kFormulaCalcGuid. The formula calculation
/// finds the calculation classes a formula names among the class objects registered with the
/// framework at the time it looks, and among those added here. Lives as long as the framework.
class TestBed {
public:
    /// The GUID whose host number, shifted left by 16, is the formula calculation's class id.
    static constexpr GUID kFormulaCalcGuid = MakeGuid("{88736FEF-F85F-4B09-862A-B4E59B348DE4}");

    explicit TestBed(Framework& framework);
    ~TestBed();
    TestBed(const TestBed&) = delete;
    TestBed& operator=(const TestBed&) = delete;

    /// A further calculation class for formulas (one a test brings along).
    void addCalcClass(IUnknown* classObject);

    FormulaCalcClass& formulas() { return *mFormulas.Get(); }

private:
    class RegisteredClasses;

    ComPtr<RegisteredClasses> mClasses;
    ComPtr<FormulaCalcClass> mFormulas;
    ComPtr<TestDocumentFactory> mFactory = ComPtr<TestDocumentFactory>::Adopt(new TestDocumentFactory);
};

} // namespace Vantrel
