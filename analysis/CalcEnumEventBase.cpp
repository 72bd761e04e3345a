#include "analysis/CalcEnumEventBase.h"

namespace CalcEnums {

namespace {

// The count while the object is deleted: far from zero, so that a reference taken and dropped by
// its destructor does not delete it again.
constexpr auto kDestroyingRefs = static_cast<std::int32_t>(0xC0000001u);

} // namespace

CalcEnumEventBase::CalcEnumEventBase(ICAFClassObject* classObject) : mClass(classObject) {}

CalcEnumEventBase::CalcEnumEventBase(const CalcEnumEventBase& other)
    : EnumeratorDefaults(other), mClass(other.mClass), mArgFlags(other.mArgFlags) {}

CalcEnumEventBase::~CalcEnumEventBase() = default;

HRESULT CalcEnumEventBase::InnerQueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown) {
        *out = mOuter ? static_cast<IUnknown*>(&mInner) : static_cast<ICalcEnum*>(this);
        static_cast<IUnknown*>(*out)->AddRef();
        return S_OK;
    }
    if (iid == IID_ICalcEnum)
        *out = static_cast<ICalcEnum*>(this);
    else if (iid == IID_IEnumEventEx)
        *out = static_cast<IEnumEventEx*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG CalcEnumEventBase::InnerAddRef() {
    return static_cast<ULONG>(++mRefs);
}

ULONG CalcEnumEventBase::InnerRelease() {
    const std::int32_t left = --mRefs;
    if (left == 0) {
        mRefs = kDestroyingRefs;
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT CalcEnumEventBase::QueryInterface(REFIID iid, void** out) {
    return mOuter ? mOuter->QueryInterface(iid, out) : InnerQueryInterface(iid, out);
}

ULONG CalcEnumEventBase::AddRef() {
    return mOuter ? mOuter->AddRef() : InnerAddRef();
}

ULONG CalcEnumEventBase::Release() {
    return mOuter ? mOuter->Release() : InnerRelease();
}

HRESULT CalcEnumEventBase::HandOut(CalcEnumEventBase* fresh, REFIID iid, void** out) {
    return ComPtr<CalcEnumEventBase>::Adopt(fresh)->QueryInterface(iid, out);
}

HRESULT CalcEnumEventBase::Clone(ICalcEnum** out) {
    return out ? HandOut(NewClone(), IID_ICalcEnum, reinterpret_cast<void**>(out)) : E_POINTER;
}

HRESULT CalcEnumEventBase::Clone(IEnumEventEx** out) {
    return out ? HandOut(NewClone(), IID_IEnumEventEx, reinterpret_cast<void**>(out)) : E_POINTER;
}

IUnknown* CalcEnumEventBase::Aggregate(IUnknown* outer) {
    mOuter = outer;
    return &mInner;
}

HRESULT CalcEnumEventBase::GetTypeCode(DWORD* code) {
    if (!code)
        return E_POINTER;
    *code = 0;
    return mClass ? mClass->GetClassId(code) : S_FALSE;
}

HRESULT CalcEnumEventBase::GetFlags(DWORD* flags) {
    if (!flags)
        return E_POINTER;
    *flags = mArgFlags;
    return S_OK;
}

void CalcEnumEventBase::AcceptArgs(DWORD* flags) {
    mArgFlags = kCalcArgsAccepted;
    if (flags)
        *flags = mArgFlags;
}

} // namespace CalcEnums
