#include "TestSuite/UnitTestHelperLib/EventHelper.h"

#include "core/OStringStream.h"

#include <cmath>

namespace ExtLib {

bool EventHelper::same(const OvoEventBase& a, const OvoEventBase& b) {
    const double va = a.value;
    const double vb = b.value;
    const bool finite = std::isfinite(va);
    const bool result = finite == std::isfinite(vb) && std::fabs(a.GetPosition() - b.GetPosition()) < 0.001;
    if (!finite)
        return result;
    if (std::fabs(va) < 1e-12 && std::fabs(vb) < 1e-12)
        return result;
    // Here va == 0 only with vb at least 1e-12: an infinite ratio, no match.
    return result && va != 0.0 && std::fabs(va - vb) / std::fabs(va) < 1e-5;
}

Ovo::String EventHelper::Describe(const OvoEventBase& event) {
    Ovo::OStringStream text;
    text.imbue(std::locale::classic());
    text << L'[' << event.GetPosition() << L", " << event.value << L']';
    return text.str();
}

} // namespace ExtLib
