#include "analysis/EdpParams.h"

#include <cfloat>
#include <iomanip>
#include <istream>
#include <ostream>

namespace Tarvik {

void EdpParams::ReadArgs(std::wistream& in) {
    minPeakHeight = kDefaultMinPeakHeight;
    double height = minPeakHeight;
    if (EEH3::ReadNumber(in, height))
        minPeakHeight = SaturateToFloat(height);
    ReadLimits(in);
}

void EdpParams::WriteArgs(std::wostream& out) const {
    out << std::setprecision(9) << minPeakHeight << L' ';
    WriteLimits(out);
}

bool EdpParams::BuildSources(IUnknown* const* host, std::int32_t count) {
    if (count < 2 || !host[0])
        return false;
    ISampleChannel* channel = nullptr;
    if (FAILED(host[0]->QueryInterface(IID_ISampleChannel, reinterpret_cast<void**>(&channel))) || !channel)
        return false;
    ISampleChannel* second = nullptr;
    const HRESULT cloned = channel->CloneCursor(&second);
    auto peaks = EEH3::EventWrapper::Create(host[1], sizeof(OvoEventBase));
    if (FAILED(cloned) || !second || !peaks) {
        if (second)
            second->Release();
        channel->Release();
        return false;
    }
    sources.push_back(std::make_unique<EEH3::FloatExWrapper>(channel));
    sources.push_back(std::make_unique<EEH3::FloatExWrapper>(second));
    sources.push_back(std::move(peaks));
    channel->Release();
    second->Release();
    return true;
}

} // namespace Tarvik
