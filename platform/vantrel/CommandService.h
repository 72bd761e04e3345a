#pragma once
// The host's command factory, which makes the command object through which a
// class's commands reach it, and the command and menu service.

#include "platform/vantrel/CommandHandler.h"
#include "platform/vantrel/IAutoOvoString.h"

inline constexpr IID IID_ICAFCommand = MakeGuid("{2F6A9D11-4C83-4B7E-9E25-8A1D0C3B5E61}"); // our own id
inline constexpr IID IID_ICommandFactory = MakeGuid("{812082B6-B7F0-11D3-80C8-005004AD3C53}");
inline constexpr IID IID_IHostCommandUIService = MakeGuid("{812082B1-B7F0-11D3-80C8-005004AD3C53}");

// Notice sent to the command service's subject interface when command states changed.
inline constexpr DWORD kCommandStatesChanged = 0x80090000;

// A command object of the host: the menu entries added with it send their
// commands to its handler.
struct ICAFCommand : IUnknown {
protected:
    ~ICAFCommand() = default;
};

struct ICommandFactory : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 6: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    // A command object for the message space, with one reference.
    virtual HRESULT CreateCommand(const GUID* space, ICAFCommandHandler* handler, ULONG_PTR context,
                                  ICAFCommand** command) = 0; // slot 7

protected:
    ~ICommandFactory() = default;
};

struct IHostCommandUIService : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 6: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    // A command, a top menu (kind 56) or a separator (text "-" as the third
    // argument); flags carries two 16-bit words, high and low.
    virtual HRESULT AddCommand(ICAFCommand* owner, IAutoOvoString* name, IAutoOvoString* description,
                               IAutoOvoString* label, DWORD flags, DWORD reserved, IAutoOvoString* text1,
                               IAutoOvoString* text2, IAutoOvoString* text3, DWORD kind, DWORD word1,
                               DWORD word2, DWORD word3, IUnknown** item) = 0; // slot 7
    // A menu entry whose text is string textId of module; path separates levels with "|".
    virtual HRESULT AddMenuEntry(ICAFCommand* command, HINSTANCE module, UINT textId, IAutoOvoString* path,
                                 DWORD word, IAutoOvoString* key, IAutoOvoString* text, DWORD kind,
                                 IUnknown** item) = 0; // slot 8

protected:
    ~IHostCommandUIService() = default;
};
