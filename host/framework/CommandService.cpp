#include "host/framework/CommandService.h"

#include "host/framework/Text.h"
#include "platform/user/menu_api.h"

namespace Vantrel {

HRESULT CommandState::SetText(IAutoOvoString* value) {
    text = ReadString(value);
    return S_OK;
}

HRESULT CommandState::SetEnabled(VARIANT_BOOL value) {
    enabled = value != VARIANT_FALSE;
    return S_OK;
}

HRESULT CommandState::SetCheck(WORD check, WORD mask) {
    if ((mask & 1) != 0)
        checked = (check & 1) != 0;
    return S_OK;
}

HRESULT CommandState::ModifyState(WORD set, WORD clear) {
    stateBits = static_cast<WORD>((stateBits | set) & ~clear);
    return S_OK;
}

HostCommand::HostCommand(const GUID& space, ICAFCommandHandler* handler, ULONG_PTR context)
    : mSpace(space), mHandler(handler), mContext(context) {
    if (mHandler != nullptr)
        mHandler->AddRef();
}

HostCommand::~HostCommand() {
    if (mHandler != nullptr)
        mHandler->Release();
}

HRESULT HostCommand::Execute(DWORD id) {
    return mHandler == nullptr ? S_FALSE : mHandler->OnCommand(id);
}

CommandUpdate HostCommand::Update(DWORD id) {
    CommandUpdate update;
    if (mHandler == nullptr)
        return update;
    auto* state = new CommandState;
    update.result = mHandler->OnCommandUpdate(id, state);
    update.enabled = state->enabled;
    update.text = state->text;
    update.checked = state->checked;
    state->Release();
    return update;
}

HRESULT HostCommand::Event(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) {
    return mHandler == nullptr ? S_FALSE : mHandler->OnCommandEvent(id, kind, word1, word2);
}

CommandFactory::~CommandFactory() {
    ReleaseCommands();
}

void CommandFactory::ReleaseCommands() {
    auto commands = std::move(mCommands);
    mCommands.clear();
    for (HostCommand* command : commands)
        command->Release();
}

HRESULT CommandFactory::CreateCommand(const GUID* space, ICAFCommandHandler* handler, ULONG_PTR context,
                                      ICAFCommand** command) {
    if (command == nullptr)
        return E_POINTER;
    *command = nullptr;
    if (space == nullptr)
        return E_INVALIDARG;
    auto* created = new HostCommand(*space, handler, context);
    mCommands.push_back(created);
    created->AddRef(); // the caller's
    *command = created;
    return S_OK;
}

HRESULT CommandUIService::AddTopMenu(IAutoOvoString* path, IAutoOvoString* key, DWORD kind, IUnknown** item) {
    if (item != nullptr)
        *item = nullptr;
    MenuItem entry;
    entry.slot = 7;
    entry.kind = kind;
    entry.path = ReadString(path);
    entry.key = ReadString(key);
    mItems.push_back(entry);
    return S_OK;
}

HRESULT CommandUIService::AddMenuEntry(ICAFCommand* command, IAutoOvoString* path, DWORD commandId,
                                       HINSTANCE module, UINT textId, IAutoOvoString* key, WORD imageId,
                                       WORD flags, DWORD kind, IUnknown** item) {
    if (item != nullptr)
        *item = nullptr;
    MenuItem entry;
    entry.slot = 8;
    entry.kind = kind;
    entry.path = ReadString(path);
    entry.commandId = commandId;
    entry.textId = textId;
    entry.key = ReadString(key);
    entry.imageId = imageId;
    entry.flags = flags;
    entry.command = command;
    if (textId != 0) {
        entry.text = ModuleString(module, textId).value_or(u"");
        entry.description = ModuleString(module, textId + 1).value_or(u"");
    }
    mItems.push_back(entry);
    if (commandId != 0 && Item(commandId) == nullptr)
        mStates.emplace_back(commandId, ComPtr<CommandState>::Adopt(new CommandState));
    return S_OK;
}

CommandState* CommandUIService::Item(DWORD commandId) const {
    for (const auto& [id, state] : mStates)
        if (id == commandId)
            return state.Get();
    return nullptr;
}

HRESULT CommandUIService::FindItem(DWORD commandId, ICommandState** item) {
    if (item == nullptr)
        return E_POINTER;
    *item = Item(commandId);
    if (*item == nullptr)
        return S_FALSE;
    (*item)->AddRef();
    return S_OK;
}

namespace {

ICAFCommand* CommandOf(const std::vector<MenuItem>& items, DWORD commandId) {
    for (const MenuItem& entry : items)
        if (entry.commandId == commandId && entry.command != nullptr)
            return entry.command;
    return nullptr;
}

} // namespace

CommandUpdate CommandUIService::Update(DWORD commandId) {
    auto* command = static_cast<HostCommand*>(CommandOf(mItems, commandId));
    if (command == nullptr)
        return {};
    CommandUpdate update = command->Update(commandId);
    if (CommandState* state = Item(commandId)) {
        if (update.enabled)
            state->enabled = update.enabled;
        if (update.text)
            state->text = update.text;
        if (update.checked)
            state->checked = update.checked;
    }
    return update;
}

HRESULT CommandUIService::Execute(DWORD commandId) {
    auto* command = static_cast<HostCommand*>(CommandOf(mItems, commandId));
    return command == nullptr ? S_FALSE : command->Execute(commandId);
}

UINT CommandUIService::ShowPopup(DWORD commandId, HWND owner) {
    constexpr DWORD kFillPopup = 6, kRunPopup = 7;
    auto* command = static_cast<HostCommand*>(CommandOf(mItems, commandId));
    if (command == nullptr)
        return 0;
    HMENU menu = CreatePopupMenu();
    UINT chosen = 0;
    if (command->Event(commandId, kFillPopup, reinterpret_cast<ULONG_PTR>(menu), 0) == S_OK &&
        GetMenuItemCount(menu) > 0)
        chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr));
    if (chosen != 0)
        command->Event(commandId, kRunPopup, reinterpret_cast<ULONG_PTR>(menu), chosen);
    DestroyMenu(menu);
    return chosen;
}

HRESULT CommandUIService::Notify(DWORD id, ULONG_PTR) {
    if (id != kCommandStatesChanged)
        return E_INVALIDARG;
    ++mStateNotices;
    return S_OK;
}

} // namespace Vantrel
