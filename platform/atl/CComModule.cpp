#include "platform/atl/CComModule.h"

namespace ATL {

CComModule* _pAtlModule = nullptr;

CComModule::CComModule() {
    _pAtlModule = this;
}

CComModule::~CComModule() {
    if (_pAtlModule == this)
        _pAtlModule = nullptr;
}

} // namespace ATL
