#pragma once
// The GUID-to-number service. Numbers are given from 0x0100 up in the order the
// GUIDs are first asked for, so they never meet the host's fixed ids, whose
// spaces have the top bit set.
//
// Ids also have texts, as automation scripts name the targets of messages: a
// name given to an id (NameId), else "{GUID}#n" for number n of a numbered
// space. Texts are read back without regard to ASCII case.

#include <memory>
#include <string>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/vantrel/IMessageIdService.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

class MessageIdService : public ComObject<IMessageIdService> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IMessageIdService ? static_cast<IMessageIdService*>(this) : nullptr;
    }
    static constexpr WORD kFirstNumber = 0x0100;

    // The number of a GUID, given on first use.
    WORD NumberOf(REFGUID guid);
    // How often GuidToId was called for the GUID.
    int Requests(REFGUID guid) const;

    // Gives an id its text (a view type's name, say).
    void NameId(DWORD id, std::u16string name);

    HRESULT GuidToId(REFGUID guid, WORD* id) override;
    HRESULT IdToGuid(WORD id, const GUID** guid) override;
    HRESULT TextToId(LPCWSTR text, DWORD* id) override;
    HRESULT IdToText(DWORD id, BSTR* text) override;

private:
    struct Space {
        GUID guid;
        int requests = 0;
    };
    // Stable addresses: IdToGuid hands out pointers to the GUIDs.
    std::vector<std::unique_ptr<Space>> mSpaces;
    std::vector<std::pair<DWORD, std::u16string>> mNames;
};

} // namespace Vantrel
