#include "analysis/CalcEnumEventBase.h"

namespace CalcEnums {

namespace {

// The count while the object is deleted: far from zero, so that a reference taken and dropped by
// its destructor does not delete it again.
constexpr auto kDestroyingRefs = static_cast<std::int32_t>(0xC0000001u);

} // namespace

CalcEnumEventBase::CalcEnumEventBase(ICAFClassObject* classObject) : m_class(classObject) {}

CalcEnumEventBase::CalcEnumEventBase(const CalcEnumEventBase& other)
    : ICalcEnum(), IEnumEventEx(), m_class(other.m_class), m_host(other.m_host),
      m_argFlags(other.m_argFlags) {
    if (m_host)
        m_host->AddRef();
}

CalcEnumEventBase::~CalcEnumEventBase() {
    if (m_host)
        m_host->Release();
}

HRESULT CalcEnumEventBase::InnerQueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown) {
        *out = m_outer ? static_cast<IUnknown*>(&m_inner) : static_cast<ICalcEnum*>(this);
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
    return static_cast<ULONG>(++m_refs);
}

ULONG CalcEnumEventBase::InnerRelease() {
    const std::int32_t left = --m_refs;
    if (left == 0) {
        m_refs = kDestroyingRefs;
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT CalcEnumEventBase::QueryInterface(REFIID iid, void** out) {
    return m_outer ? m_outer->QueryInterface(iid, out) : InnerQueryInterface(iid, out);
}

ULONG CalcEnumEventBase::AddRef() {
    return m_outer ? m_outer->AddRef() : InnerAddRef();
}

ULONG CalcEnumEventBase::Release() {
    return m_outer ? m_outer->Release() : InnerRelease();
}

HRESULT CalcEnumEventBase::HandOut(CalcEnumEventBase* fresh, REFIID iid, void** out) {
    const HRESULT hr = fresh->QueryInterface(iid, out);
    fresh->Release();
    return hr;
}

HRESULT CalcEnumEventBase::Clone(ICalcEnum** out) {
    return out ? HandOut(NewClone(), IID_ICalcEnum, reinterpret_cast<void**>(out)) : E_POINTER;
}

HRESULT CalcEnumEventBase::Clone(IEnumEventEx** out) {
    return out ? HandOut(NewClone(), IID_IEnumEventEx, reinterpret_cast<void**>(out)) : E_POINTER;
}

IUnknown* CalcEnumEventBase::Aggregate(IUnknown* outer) {
    m_outer = outer;
    return &m_inner;
}

HRESULT CalcEnumEventBase::SetHost(IUnknown* host) {
    if (host)
        host->AddRef();
    if (m_host)
        m_host->Release();
    m_host = host;
    return S_OK;
}

HRESULT CalcEnumEventBase::GetHost(IUnknown** host) {
    if (!host)
        return E_POINTER;
    *host = m_host;
    if (m_host)
        m_host->AddRef();
    return S_OK;
}

HRESULT CalcEnumEventBase::GetTypeCode(DWORD* code) {
    if (!code)
        return E_POINTER;
    *code = 0;
    return m_class ? m_class->GetClassId(code) : S_FALSE;
}

HRESULT CalcEnumEventBase::GetFlags(DWORD* flags) {
    if (!flags)
        return E_POINTER;
    *flags = m_argFlags;
    return S_OK;
}

void CalcEnumEventBase::AcceptArgs(DWORD* flags) {
    m_argFlags = kCalcArgsAccepted;
    if (flags)
        *flags = m_argFlags;
}

HRESULT CalcEnumEventBase::GetDrawClassId(DWORD* id) {
    if (!id)
        return E_POINTER;
    *id = 0;
    return S_OK;
}

} // namespace CalcEnums
