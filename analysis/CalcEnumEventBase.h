#pragma once
// The COM body of every calculation enumerator of the module: one object with
// the two host interfaces ICalcEnum and IEnumEventEx, an interlocked reference
// count, the host pointer, and COM aggregation (an outer object may own it;
// then its IUnknown calls go to the outer one, and NonDelegatingUnknown is the
// inner IUnknown the outer holds).

#include <atomic>

#include "platform/vantrel/CalcEnumDefaults.h"
#include "platform/vantrel/ICAFClassObject.h"
#include "platform/win32/com_ptr.h"

namespace CalcEnums {

class CalcEnumEventBase : public CalcClass::EnumeratorDefaults<CalcClass::EnumeratorInterfaces> {
public:
    CalcEnumEventBase& operator=(const CalcEnumEventBase&) = delete;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT GetTypeCode(DWORD* code) override;
    // 0 until arguments were set, then kCalcArgsAccepted.
    HRESULT GetFlags(DWORD* flags) override;

    // Both hand out NewClone() through the asked interface.
    HRESULT Clone(ICalcEnum** out) override;
    HRESULT Clone(IEnumEventEx** out) override;

    // Makes the object part of outer (before it is handed out); the returned inner unknown
    // carries the object's one reference.
    IUnknown* Aggregate(IUnknown* outer);

    // Asks a new enumerator (holding its creation reference) for iid into out, then drops the
    // creation reference: the enumerator lives on only through *out.
    static HRESULT HandOut(CalcEnumEventBase* fresh, REFIID iid, void** out);

protected:
    // classObject: the static class object that made the enumerator (not counted).
    explicit CalcEnumEventBase(ICAFClassObject* classObject);
    // A copy for Clone: same class object and host, a fresh reference count, not aggregated.
    CalcEnumEventBase(const CalcEnumEventBase& other);
    virtual ~CalcEnumEventBase();

    ICAFClassObject* ClassObject() const { return mClass; }
    // For SetArgs: marks the arguments accepted and reports the flags through flags (may be null).
    void AcceptArgs(DWORD* flags);
    // A new enumerator (holding its creation reference) with this one's arguments and no sources.
    virtual CalcEnumEventBase* NewClone() const = 0;

private:
    class Inner : public IUnknown {
    public:
        explicit Inner(CalcEnumEventBase& owner) : mOwner(owner) {}
        HRESULT QueryInterface(REFIID iid, void** out) override {
            return mOwner.InnerQueryInterface(iid, out);
        }
        ULONG AddRef() override { return mOwner.InnerAddRef(); }
        ULONG Release() override { return mOwner.InnerRelease(); }

    private:
        CalcEnumEventBase& mOwner;
    };

    HRESULT InnerQueryInterface(REFIID iid, void** out);
    ULONG InnerAddRef();
    ULONG InnerRelease();

    ICAFClassObject* mClass;
    IUnknown* mOuter = nullptr; // the aggregating object; it holds this one
    DWORD mArgFlags = 0;
    std::atomic<std::int32_t> mRefs{1};
    Inner mInner{*this};
};

} // namespace CalcEnums
