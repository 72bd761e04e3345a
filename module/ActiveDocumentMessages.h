#pragma once
// The message the module sends to address the active document (the sampling
// control pane's start and stop requests). Its type id is number 1 of the
// host's sampling-state space (HostMsgGuid34A7).

#include "core/AbstractMessageBase.h"
#include "core/String.h"

namespace Ovo {

class IdMessageBase : public AbstractMessageBase {
protected:
    using AbstractMessageBase::AbstractMessageBase;
};

class ActiveDocSpecificMessageBase : public IdMessageBase {
protected:
    using IdMessageBase::IdMessageBase;
};

class ActiveDocSpecificMessage : public ActiveDocSpecificMessageBase {
public:
    // The count starts at 0: the creator adds the first reference.
    ActiveDocSpecificMessage(DWORD id, DWORD flags) : ActiveDocSpecificMessageBase(id, flags) {}

    // Same id; flags, target id and context start afresh.
    AbstractMessageBase* CreateCopy() const override;
    DWORD GetTypeIdRef() const override;
    // The shared empty string with one reference.
    virtual HRESULT GetText(IAutoOvoString** text);
};

// Whether the host's main window is shown: the host application's boolean
// setting "ovo\application\visible" (true when it has none or when the
// settings cannot be had).
bool IsHostApplicationVisible();

} // namespace Ovo
