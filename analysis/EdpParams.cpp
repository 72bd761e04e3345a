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
    const auto channel = QueryInterfacePtr<ISampleChannel>(host[0], IID_ISampleChannel);
    if (!channel)
        return false;
    ComPtr<ISampleChannel> second;
    const HRESULT cloned = channel->CloneCursor(second.Put());
    auto peaks = EEH3::EventWrapper::Create(host[1], sizeof(OvoEventBase));
    if (FAILED(cloned) || !second || !peaks)
        return false;
    sources.push_back(std::make_unique<EEH3::FloatExWrapper>(channel.Get()));
    sources.push_back(std::make_unique<EEH3::FloatExWrapper>(second.Get()));
    sources.push_back(std::move(peaks));
    return true;
}

} // namespace Tarvik
