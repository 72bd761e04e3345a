#pragma once
// Built-in self-tests and the host's test registry, a COM class of its own.

#include "platform/vantrel/IAutoOvoString.h"

inline constexpr CLSID CLSID_TestRegistry = MakeGuid("{E116149C-B118-4599-B6B2-C66DD6BEA7E5}");
inline constexpr IID IID_ITestRegistry = MakeGuid("{500FCAA6-ED64-454F-A41B-6AA43047823B}");
inline constexpr IID IID_IUnitTest = MakeGuid("{E2EE6DD6-5D96-4BF4-B34B-08B817C9998B}");

// One self-test with its cases; the registry's runner calls it.
struct IUnitTest : IUnknown {
    virtual HRESULT GetTestCount(LONG* count) = 0;                                 // slot 3
    virtual HRESULT RunTest(LONG index) = 0;                                       // slot 4
    virtual HRESULT GetTestName(LONG index, IAutoOvoString** name) = 0;            // slot 5
    virtual HRESULT GetResult(VARIANT_BOOL* passed, IAutoOvoString** message) = 0; // slot 6
    virtual HRESULT PrepareTests() = 0;                                            // slot 7
    virtual HRESULT GetOwner(IAutoOvoString** owner) = 0;                          // slot 8
    virtual HRESULT GetTestValue(LONG index, double* value) = 0;                   // slot 9

protected:
    ~IUnitTest() = default;
};

struct ITestRegistry : IUnknown {
    // The registry takes its own reference.
    virtual HRESULT AddTest(IUnitTest* test) = 0; // slot 3

protected:
    ~ITestRegistry() = default;
};
