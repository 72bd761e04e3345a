#include "host/framework/MessageIdService.h"

namespace Vantrel {

WORD MessageIdService::NumberOf(REFGUID guid) {
    for (std::size_t i = 0; i < mSpaces.size(); ++i)
        if (mSpaces[i]->guid == guid)
            return static_cast<WORD>(kFirstNumber + i);
    mSpaces.push_back(std::make_unique<Space>(Space{guid}));
    return static_cast<WORD>(kFirstNumber + mSpaces.size() - 1);
}

int MessageIdService::Requests(REFGUID guid) const {
    for (const auto& space : mSpaces)
        if (space->guid == guid)
            return space->requests;
    return 0;
}

HRESULT MessageIdService::GuidToId(REFGUID guid, WORD* id) {
    if (id == nullptr)
        return E_POINTER;
    *id = NumberOf(guid);
    ++mSpaces[*id - kFirstNumber]->requests;
    return S_OK;
}

HRESULT MessageIdService::IdToGuid(WORD id, const GUID** guid) {
    if (guid == nullptr)
        return E_POINTER;
    *guid = nullptr;
    if (id < kFirstNumber || id - kFirstNumber >= static_cast<int>(mSpaces.size()))
        return E_INVALIDARG;
    *guid = &mSpaces[id - kFirstNumber]->guid;
    return S_OK;
}

} // namespace Vantrel
