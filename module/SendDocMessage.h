#pragma once
// Sending the module's data records as messages: the host's message service
// makes the message object (flags: the record's flags OR the extra flags) and
// the sender delivers it to the target. The answer is the delivery's: S_OK when
// a handler consumed the message, S_FALSE when none did, E_FAIL when the
// message service or the dispatcher cannot be had.

#include "core/MsgData.h"
#include "module/ZARMessageSender.h"

namespace Tarvik {

// targetId: the message's target (a view type, say), 0 for none.
HRESULT SendDocMessageBlock(DWORD id, DWORD flags, const void* block, ZARMessageSender& sender,
                            IMessageHandler* target, IUnknown* object, DWORD targetId = 0);

template <class Record>
HRESULT SendDocMessage(const Record& record, ZARMessageSender& sender, IMessageHandler* target,
                       DWORD extraFlags) {
    return SendDocMessageBlock(record.id, record.flags | extraFlags, Ovo::ParameterBlock(record), sender,
                               target, nullptr);
}

// As SendDocMessage, the message made for a target id.
template <class Record>
HRESULT SendDocMessageTo(const Record& record, ZARMessageSender& sender, IMessageHandler* target,
                         DWORD targetId, DWORD extraFlags) {
    return SendDocMessageBlock(record.id, record.flags | extraFlags, Ovo::ParameterBlock(record), sender,
                               target, nullptr, targetId);
}

// As SendDocMessage, with an object that travels with the message.
template <class Record>
HRESULT SendDocMessageWithArg(const Record& record, ZARMessageSender& sender, IMessageHandler* target,
                              IUnknown* object, DWORD extraFlags) {
    return SendDocMessageBlock(record.id, record.flags | extraFlags, Ovo::ParameterBlock(record), sender,
                               target, object);
}

} // namespace Tarvik
