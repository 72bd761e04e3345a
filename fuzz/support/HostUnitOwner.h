#pragma once

#include "core/ChannelUnitCache.h"
#include "host/framework/UnitService.h"
#include "platform/win32/com_ptr.h"

namespace Fuzz {

/// The owner of a channel unit cache: a document with the host's unit service and nothing else.
class HostUnitOwner : public Ovo::ChannelUnitOwner {
public:
    IUnitService* UnitService() override { return mService.Get(); }
    IDocumentData* DocumentData() override { return nullptr; }
    void AnalysisRange(Position&, Position&, bool& whole) override { whole = true; }
    IUnknown* FindUnitElsewhere(std::int32_t, Position, Position) override { return nullptr; }

private:
    ComPtr<Vantrel::UnitService> mService = ComPtr<Vantrel::UnitService>::Adopt(new Vantrel::UnitService);
};

} // namespace Fuzz
