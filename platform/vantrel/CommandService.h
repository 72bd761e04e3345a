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
    // A top-level menu (kind 56) named by path, with its key word.
    virtual HRESULT AddTopMenu(IAutoOvoString* path, IAutoOvoString* key, DWORD kind,
                               IUnknown** item) = 0; // slot 7
    // A menu entry (kind 2). path separates menu levels with "|" and may name the host's group within
    // a menu after "^" ("Tarvik^EXTENSION|TarvikA^VIEWS"); a path ending "|-" is a separator. The
    // item's text is string textId of module, its description string textId + 1. A keyed entry also
    // has a key word, the id of a PNG resource of module for its image and the host's 16-bit flags;
    // others pass null, 0 and 0. commandId is the id its command sends (0 for separators and
    // submenus).
    virtual HRESULT AddMenuEntry(ICAFCommand* command, IAutoOvoString* path, DWORD commandId,
                                 HINSTANCE module, UINT textId, IAutoOvoString* key, WORD imageId, WORD flags,
                                 DWORD kind,
                                 IUnknown** item) = 0; // slot 8
    virtual HRESULT Reserved9() { return E_NOTIMPL; }  // slots 9 to 15: not used by the module
    virtual HRESULT Reserved10() { return E_NOTIMPL; }
    virtual HRESULT Reserved11() { return E_NOTIMPL; }
    virtual HRESULT Reserved12() { return E_NOTIMPL; }
    virtual HRESULT Reserved13() { return E_NOTIMPL; }
    virtual HRESULT Reserved14() { return E_NOTIMPL; }
    virtual HRESULT Reserved15() { return E_NOTIMPL; }
    // The menu item of a command id, with one reference; S_FALSE and null when none was added.
    virtual HRESULT FindItem(DWORD commandId, ICommandState** item) = 0; // slot 16

protected:
    ~IHostCommandUIService() = default;
};
