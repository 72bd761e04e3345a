#include "host/framework/CommandService.h"

#include "host/framework/Text.h"

namespace Vantrel {

HRESULT CommandState::SetText(IAutoOvoString* value) {
    text = ReadString(value);
    return S_OK;
}

HRESULT CommandState::SetEnabled(VARIANT_BOOL value) {
    enabled = value != VARIANT_FALSE;
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

HRESULT CommandUIService::AddCommand(ICAFCommand* owner, IAutoOvoString* name, IAutoOvoString* description,
                                     IAutoOvoString* label, DWORD flags, DWORD, IAutoOvoString* text1,
                                     IAutoOvoString* text2, IAutoOvoString* text3, DWORD kind, DWORD, DWORD,
                                     DWORD, IUnknown** item) {
    if (item != nullptr)
        *item = nullptr;
    MenuItem entry;
    entry.slot = 7;
    entry.kind = kind;
    entry.word = flags;
    entry.command = owner;
    for (IAutoOvoString* text : {name, description, label, text1, text2, text3})
        entry.texts.push_back(ReadString(text));
    mItems.push_back(entry);
    return S_OK;
}

HRESULT CommandUIService::AddMenuEntry(ICAFCommand* command, HINSTANCE, UINT textId, IAutoOvoString* path,
                                       DWORD word, IAutoOvoString* key, IAutoOvoString* text, DWORD kind,
                                       IUnknown** item) {
    if (item != nullptr)
        *item = nullptr;
    MenuItem entry;
    entry.slot = 8;
    entry.kind = kind;
    entry.textId = textId;
    entry.word = word;
    entry.command = command;
    for (IAutoOvoString* s : {path, key, text})
        entry.texts.push_back(ReadString(s));
    mItems.push_back(entry);
    return S_OK;
}

HRESULT CommandUIService::Notify(DWORD id, ULONG_PTR) {
    if (id != kCommandStatesChanged)
        return E_INVALIDARG;
    ++mStateNotices;
    return S_OK;
}

} // namespace Vantrel
