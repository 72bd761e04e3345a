#include "platform/win32/activation.h"

#include <gtest/gtest.h>

namespace {

constexpr CLSID kClass = MakeGuid("{1F3C5A70-0B2D-4E6F-8A91-C2D4E6F80A1B}");
constexpr IID kOther = MakeGuid("{1F3C5A71-0B2D-4E6F-8A91-C2D4E6F80A1B}");

// A class object that answers IUnknown only and counts its references.
struct CountedObject : IUnknown {
    LONG refs = 0;
    HRESULT QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown ? this : nullptr;
        if (*out == nullptr)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return static_cast<ULONG>(++refs); }
    ULONG Release() override { return static_cast<ULONG>(--refs); }
};

TEST(Activation, AnUnregisteredClassIsNotFound) {
    void* out = &out;
    EXPECT_EQ(CoGetClassObject(kClass, CLSCTX_ALL, nullptr, IID_IUnknown, &out), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(CoGetClassObject(kClass, CLSCTX_ALL, nullptr, IID_IUnknown, nullptr), E_POINTER);
}

TEST(Activation, ARegisteredClassIsAskedForTheInterfaceUntilRevoked) {
    CountedObject object;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(kClass, &object, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
    EXPECT_EQ(object.refs, 1) << "the class table holds one reference";

    void* out = nullptr;
    EXPECT_EQ(CoGetClassObject(kClass, CLSCTX_ALL, nullptr, IID_IUnknown, &out), S_OK);
    EXPECT_EQ(out, &object);
    EXPECT_EQ(object.refs, 2);
    object.Release();
    EXPECT_EQ(CoGetClassObject(kClass, CLSCTX_ALL, nullptr, kOther, &out), E_NOINTERFACE);
    EXPECT_EQ(CoGetClassObject(kClass, CLSCTX_LOCAL_SERVER, nullptr, IID_IUnknown, &out), REGDB_E_CLASSNOTREG)
        << "only in-process servers exist";

    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
    EXPECT_EQ(object.refs, 0);
    EXPECT_EQ(CoRevokeClassObject(cookie), CO_E_OBJNOTREG);
    EXPECT_EQ(CoGetClassObject(kClass, CLSCTX_ALL, nullptr, IID_IUnknown, &out), REGDB_E_CLASSNOTREG);
}

TEST(Activation, TheNewestRegistrationOfAClassWins) {
    CountedObject first, second;
    DWORD cookie1 = 0, cookie2 = 0;
    CoRegisterClassObject(kClass, &first, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie1);
    CoRegisterClassObject(kClass, &second, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie2);
    void* out = nullptr;
    CoGetClassObject(kClass, CLSCTX_ALL, nullptr, IID_IUnknown, &out);
    EXPECT_EQ(out, &second);
    second.Release();
    CoRevokeClassObject(cookie2);
    CoGetClassObject(kClass, CLSCTX_ALL, nullptr, IID_IUnknown, &out);
    EXPECT_EQ(out, &first);
    first.Release();
    CoRevokeClassObject(cookie1);
    EXPECT_EQ(CoRegisterClassObject(kClass, &first, CLSCTX_INPROC_SERVER, REGCLS_SINGLEUSE, &cookie1),
              E_INVALIDARG);
}

TEST(Activation, OleInitialisationCountsPerThreadAndMayBeForced) {
    EXPECT_EQ(OleInitialize(nullptr), S_OK);
    EXPECT_EQ(OleInitialize(nullptr), S_FALSE) << "already initialised on this thread";
    EXPECT_EQ(win32::OleInitializeDepth(), 2);
    OleUninitialize();
    OleUninitialize();
    OleUninitialize(); // one too many does nothing
    EXPECT_EQ(win32::OleInitializeDepth(), 0);

    win32::SetOleInitializeResult(E_OUTOFMEMORY);
    EXPECT_EQ(OleInitialize(nullptr), E_OUTOFMEMORY);
    EXPECT_EQ(win32::OleInitializeDepth(), 0) << "a failure does not count";
    win32::SetOleInitializeResult(S_FALSE);
    EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
    EXPECT_EQ(win32::OleInitializeDepth(), 1);
    OleUninitialize();
    win32::SetOleInitializeResult(std::nullopt);
}

} // namespace
