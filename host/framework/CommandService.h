#pragma once
// Commands and menus: the command factory makes the command objects through
// which a class's menu commands reach its handler; the command service keeps
// the menu items a module adds; a command state collects what an enabler sets.

#include <optional>
#include <string>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/user/handles.h"
#include "platform/vantrel/CommandService.h"
#include "platform/vantrel/Subject.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

// What an enabler sets, or a menu item's state as the module leaves it.
class CommandState : public ComObject<ICommandState> {
public:
    void* find(REFIID iid) override {
        return iid == IID_ICommandState ? static_cast<ICommandState*>(this) : nullptr;
    }
    std::optional<bool> enabled;
    std::optional<std::u16string> text;
    std::optional<bool> checked;
    WORD stateBits = 0; // ModifyState

    HRESULT SetText(IAutoOvoString* value) override;
    HRESULT SetEnabled(VARIANT_BOOL value) override;
    HRESULT SetCheck(WORD check, WORD mask) override;
    HRESULT ModifyState(WORD set, WORD clear) override;
};

struct CommandUpdate {
    HRESULT result = S_FALSE;
    std::optional<bool> enabled;
    std::optional<std::u16string> text;
    std::optional<bool> checked;
};

// A command object: what the user does with its menu items reaches its handler.
class HostCommand : public ComObject<ICAFCommand> {
public:
    void* find(REFIID iid) override {
        return iid == IID_ICAFCommand ? static_cast<ICAFCommand*>(this) : nullptr;
    }
    HostCommand(const GUID& space, ICAFCommandHandler* handler, ULONG_PTR context);
    ~HostCommand() override;

    const GUID& Space() const { return mSpace; }
    ULONG_PTR Context() const { return mContext; }
    // The user chooses the command; the handler's answer.
    HRESULT Execute(DWORD id);
    // The host asks for the command's state.
    CommandUpdate Update(DWORD id);
    HRESULT Event(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2);

private:
    GUID mSpace;
    ICAFCommandHandler* mHandler;
    ULONG_PTR mContext;
};

class CommandFactory : public ComObject<ICommandFactory> {
public:
    void* find(REFIID iid) override {
        return iid == IID_ICommandFactory ? static_cast<ICommandFactory*>(this) : nullptr;
    }
    ~CommandFactory() override;
    // Every command object made, in order (held until ReleaseCommands).
    const std::vector<HostCommand*>& Commands() const { return mCommands; }
    void ReleaseCommands();

    HRESULT CreateCommand(const GUID* space, ICAFCommandHandler* handler, ULONG_PTR context,
                          ICAFCommand** command) override;

private:
    std::vector<HostCommand*> mCommands;
};

// One call of the module on the command service: a top menu (slot 7) or a menu entry (slot 8).
struct MenuItem {
    int slot = 0;
    DWORD kind = 0;
    std::u16string path;
    std::u16string key;
    DWORD commandId = 0;
    UINT textId = 0;
    std::u16string text;        // string textId of the module
    std::u16string description; // string textId + 1
    WORD imageId = 0;
    WORD flags = 0;
    ICAFCommand* command = nullptr; // not held
};

// The command and menu service: the menu a module adds, in order, and one item per command id, whose
// state the module sets (FindItem) and whose enabler the host runs (Update).
class CommandUIService : public ComObject<IHostCommandUIService, ISubject> {
public:
    void* find(REFIID iid) override {
        if (iid == IID_IHostCommandUIService)
            return static_cast<IHostCommandUIService*>(this);
        return iid == IID_ISubject ? static_cast<ISubject*>(this) : nullptr;
    }
    const std::vector<MenuItem>& Items() const { return mItems; }
    int StateChangeNotices() const { return mStateNotices; }
    // The item of a command id, or null.
    CommandState* Item(DWORD commandId) const;
    // Asks the command's enabler for its state, as the host does before showing a menu; the item
    // keeps the answer.
    CommandUpdate Update(DWORD commandId);
    // The user chooses the command: its command object's handler answers.
    HRESULT Execute(DWORD commandId);
    // The user opens the command's pop-up menu: the handler fills it (event kind 6), the user picks an
    // entry, and the handler runs it (event kind 7). The command chosen, or 0 when none was.
    UINT ShowPopup(DWORD commandId, HWND owner);

    HRESULT AddTopMenu(IAutoOvoString* path, IAutoOvoString* key, DWORD kind, IUnknown** item) override;
    HRESULT AddMenuEntry(ICAFCommand* command, IAutoOvoString* path, DWORD commandId, HINSTANCE module,
                         UINT textId, IAutoOvoString* key, WORD imageId, WORD flags, DWORD kind,
                         IUnknown** item) override;
    HRESULT FindItem(DWORD commandId, ICommandState** item) override;
    HRESULT Notify(DWORD id, ULONG_PTR payload) override;
    HRESULT Attach(IObserver*) override { return E_NOTIMPL; }
    HRESULT Detach(IObserver*) override { return E_NOTIMPL; }
    HRESULT NotifyEx(DWORD, DWORD, DWORD) override { return E_NOTIMPL; }

private:
    std::vector<MenuItem> mItems;
    std::vector<std::pair<DWORD, ComPtr<CommandState>>> mStates;
    int mStateNotices = 0;
};

} // namespace Vantrel
