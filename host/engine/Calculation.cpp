#include "host/engine/Calculation.h"

#include <stdexcept>

namespace Vantrel {

Calculation::Calculation(const Recording& recording, std::shared_ptr<const CalcTerm> root,
                         ComPtr<IUnknown> host, std::string key)
    : mRecording(&recording), mRoot(std::move(root)), mHost(std::move(host)), mKey(std::move(key)) {}

std::unique_ptr<RecordRun> Calculation::start(std::int32_t record, bool online) const {
    if (!givesEvents())
        throw std::logic_error("a sample formula gives no events");
    return std::make_unique<RecordRun>(*mRecording, *mRoot, mHost.Get(), record, online);
}

DWORD Calculation::drawClassId() const {
    DWORD id = 0;
    if (mRoot->probe && FAILED(mRoot->probe->GetDrawClassId(&id)))
        id = 0;
    return id;
}

std::vector<std::byte> Calculation::events(std::int32_t record) const {
    std::vector<std::byte> result;
    events(record, result);
    return result;
}

void Calculation::events(std::int32_t record, std::vector<std::byte>& out) const {
    out.clear();
    start(record, !SampleExpression::recordComplete(*mRecording, record))->pull(out);
}

} // namespace Vantrel
