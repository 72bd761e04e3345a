#pragma once
// Commands and menus: the command factory makes the command objects through
// which a class's menu commands reach its handler; the command service keeps
// the menu items a module adds; a command state collects what an enabler sets.

#include <optional>
#include <string>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/vantrel/CommandService.h"
#include "platform/vantrel/Subject.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

class CommandState : public ComObject<ICommandState> {
public:
    void* find(REFIID iid) override {
        return iid == IID_ICommandState ? static_cast<ICommandState*>(this) : nullptr;
    }
    std::optional<bool> enabled;
    std::optional<std::u16string> text;

    HRESULT SetText(IAutoOvoString* value) override;
    HRESULT SetEnabled(VARIANT_BOOL value) override;
};

struct CommandUpdate {
    HRESULT result = S_FALSE;
    std::optional<bool> enabled;
    std::optional<std::u16string> text;
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

struct MenuItem {
    int slot = 0; // 7: a command, top menu or separator; 8: a menu entry
    DWORD kind = 0;
    std::vector<std::u16string> texts;
    UINT textId = 0;
    DWORD word = 0;
    ICAFCommand* command = nullptr; // not held
};

class CommandUIService : public ComObject<IHostCommandUIService, ISubject> {
public:
    void* find(REFIID iid) override {
        if (iid == IID_IHostCommandUIService)
            return static_cast<IHostCommandUIService*>(this);
        return iid == IID_ISubject ? static_cast<ISubject*>(this) : nullptr;
    }
    const std::vector<MenuItem>& Items() const { return mItems; }
    int StateChangeNotices() const { return mStateNotices; }

    HRESULT AddCommand(ICAFCommand* owner, IAutoOvoString* name, IAutoOvoString* description,
                       IAutoOvoString* label, DWORD flags, DWORD reserved, IAutoOvoString* text1,
                       IAutoOvoString* text2, IAutoOvoString* text3, DWORD kind, DWORD word1, DWORD word2,
                       DWORD word3, IUnknown** item) override;
    HRESULT AddMenuEntry(ICAFCommand* command, HINSTANCE module, UINT textId, IAutoOvoString* path,
                         DWORD word, IAutoOvoString* key, IAutoOvoString* text, DWORD kind,
                         IUnknown** item) override;
    HRESULT Notify(DWORD id, ULONG_PTR payload) override;
    HRESULT Attach(IObserver*) override { return E_NOTIMPL; }
    HRESULT Detach(IObserver*) override { return E_NOTIMPL; }
    HRESULT NotifyEx(DWORD, DWORD, DWORD) override { return E_NOTIMPL; }

private:
    std::vector<MenuItem> mItems;
    int mStateNotices = 0;
};

} // namespace Vantrel
