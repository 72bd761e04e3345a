#pragma once
// Subjects and observers. The host's subject service carries the traffic: a
// subject's notification reaches every observer attached to it, and every
// observer registered for the notification's id, through IObserver::Notify.
// The same subject interface is the framework's object registry and the
// notification entry of several host objects.

#include "platform/win32/unknown.h"

inline constexpr IID IID_ISubject = MakeGuid("{F7D6C0D1-331F-11D1-8CEC-00C0D1570D74}");
inline constexpr IID IID_IObserver = MakeGuid("{F7D6C0D2-331F-11D1-8CEC-00C0D1570D74}");
inline constexpr IID IID_ISubjectService = MakeGuid("{2B389B80-64B6-11D3-80B1-005004AD3C53}");

// Codes of the object registry's Notify: the payload is the object's IUnknown.
inline constexpr DWORD kObjectRegistryAdd = 0x80030000;
inline constexpr DWORD kObjectRegistryRemove = 0x80030003;

// Fixed ids of what a host document notifies its observers of.
inline constexpr DWORD kHostDocumentAttached = 0x80000000;
inline constexpr DWORD kHostDocumentDataChanged = 0x80000002;
inline constexpr DWORD kHostDocumentStateChanged = 0x80000006;

struct IObserver;

struct ISubject : IUnknown {
    virtual HRESULT Notify(DWORD id, ULONG_PTR payload) = 0;             // slot 3
    virtual HRESULT Attach(IObserver* observer) = 0;                     // slot 4
    virtual HRESULT Detach(IObserver* observer) = 0;                     // slot 5
    virtual HRESULT NotifyEx(DWORD word1, DWORD word2, DWORD word3) = 0; // slot 6

protected:
    ~ISubject() = default;
};

struct ISubjectService : IUnknown {
    virtual HRESULT Attach(ISubject* subject, IObserver* observer) = 0;         // slot 3
    virtual HRESULT Detach(ISubject* subject, IObserver* observer) = 0;         // slot 4
    virtual HRESULT Notify(ISubject* subject, DWORD id, ULONG_PTR payload) = 0; // slot 5
    // Subscribes the observer to every notification with this id.
    virtual HRESULT Register(IObserver* observer, DWORD id, DWORD reserved) = 0;            // slot 6
    virtual HRESULT Reserved7() { return E_NOTIMPL; }                                       // slot 7
    virtual HRESULT NotifyEx(ISubject* subject, DWORD word1, DWORD word2, DWORD word3) = 0; // slot 8
    virtual HRESULT ForgetSubject(ISubject* subject) = 0;                                   // slot 9
    virtual HRESULT DropObserver(IObserver* observer) = 0;                                  // slot 10

protected:
    ~ISubjectService() = default;
};

struct IObserver : IUnknown {
    // Registers the observer's notifications with the service.
    virtual HRESULT Register(ISubjectService* service) = 0; // slot 3
    // payload is the notification's data word: usually the address of its words.
    virtual HRESULT Notify(ISubject* subject, DWORD id, DWORD reserved, ULONG_PTR payload) = 0; // slot 4

protected:
    ~IObserver() = default;
};
