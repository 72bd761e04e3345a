#pragma once
// In-process activation: a process-wide table of registered class objects that
// CoGetClassObject answers from, and the per-thread OLE initialisation count.
// Only in-process servers exist; a class is "registered" once someone has
// called CoRegisterClassObject for it, or is one of the system's own classes
// that a platform library installs (win32::InstallSystemClass).

#include <optional>

#include "platform/win32/unknown.h"

inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
inline constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
inline constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
inline constexpr DWORD CLSCTX_REMOTE_SERVER = 0x10;
inline constexpr DWORD CLSCTX_ALL = 0x17;

inline constexpr DWORD REGCLS_SINGLEUSE = 0;
inline constexpr DWORD REGCLS_MULTIPLEUSE = 1;

inline constexpr HRESULT CO_E_OBJNOTREG = MakeHResult(0x800401FBu);

struct COSERVERINFO;

// The class object registered for clsid, asked for iid. REGDB_E_CLASSNOTREG when
// nothing is registered for it or the context has no in-process bit; E_POINTER
// for a null out. The newest registration of a class wins.
HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, COSERVERINFO* server, REFIID iid, void** out);
// A new object of the class, asked for iid, from the class object's IClassFactory;
// CLASS_E_NOAGGREGATION when an outer object is given. The class object is found
// as CoGetClassObject finds it.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** out);
// Holds one reference to the object until the registration is revoked. Only
// REGCLS_MULTIPLEUSE is supported (E_INVALIDARG otherwise). Cookies start at 1.
HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* object, DWORD context, DWORD flags, DWORD* cookie);
// CO_E_OBJNOTREG for a cookie that is not registered.
HRESULT CoRevokeClassObject(DWORD cookie);

// S_OK for the first initialisation on a thread, S_FALSE for a nested one; each
// success must be balanced by OleUninitialize. Tests may force the answer.
HRESULT OleInitialize(LPVOID reserved);
void OleUninitialize();

namespace win32 {

// Forces what OleInitialize answers (a failure does not count as initialised);
// an empty value restores the thread-count behaviour.
void SetOleInitializeResult(std::optional<HRESULT> result);
// Successful OleInitialize calls on this thread not yet balanced.
int OleInitializeDepth();
// Makes a class of the system itself (the shell's objects) available to
// CoGetClassObject and CoCreateInstance without a registration, as a server
// installed on the machine is. Registrations come first. The object is held
// for the life of the process. Not counted by RegisteredClassObjectCount.
void InstallSystemClass(REFCLSID clsid, IUnknown* object);
// Number of registrations currently in the class table.
int RegisteredClassObjectCount();

} // namespace win32
