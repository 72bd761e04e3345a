#pragma once
// The answers a calculation enumerator gives unless it knows better: it holds its host, its sample
// period is not known, it has no capabilities, no event-drawing class, the default event timing
// and records of one EventRecord. Base supplies ICalcEnum and IEnumEventEx with their reference
// counting (EnumeratorInterfaces for an object that counts its own references).

#include "platform/vantrel/EventRecords.h"
#include "platform/vantrel/ICalcEnum.h"
#include "platform/vantrel/IEnumEventEx.h"
#include "platform/win32/com_ptr.h"

namespace CalcClass {

struct EnumeratorInterfaces : ICalcEnum, IEnumEventEx {
protected:
    ~EnumeratorInterfaces() = default;
};

template <class Base> class EnumeratorDefaults : public Base {
public:
    HRESULT SetHost(IUnknown* host) override {
        mHost = ComPtr<IUnknown>(host);
        return S_OK;
    }
    HRESULT GetHost(IUnknown** host) override {
        if (!host)
            return E_POINTER;
        *host = ComPtr<IUnknown>(mHost).Detach();
        return S_OK;
    }
    HRESULT GetSamplePeriod(double*) override { return S_FALSE; }
    HRESULT GetCapabilities(DWORD* capabilities) override { return Answer(capabilities, DWORD{0}); }
    HRESULT GetEventInfo(CalcEventInfo* info) override { return Answer(info, CalcEventInfo{}); }
    HRESULT GetEventSize(ULONG* bytes) override { return Answer(bytes, ULONG{sizeof(EventRecord)}); }
    HRESULT GetDrawClassId(DWORD* id) override { return Answer(id, DWORD{0}); }

protected:
    EnumeratorDefaults() = default;
    // A copy holds the same host.
    EnumeratorDefaults(const EnumeratorDefaults& other) : Base(), mHost(other.mHost) {}
    ~EnumeratorDefaults() = default;

    template <class T> static HRESULT Answer(T* out, const T& value) {
        if (!out)
            return E_POINTER;
        *out = value;
        return S_OK;
    }

    ComPtr<IUnknown> mHost;
};

} // namespace CalcClass
