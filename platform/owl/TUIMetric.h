#pragma once
// System metrics by name, read when asked.

#include "platform/user/metrics_api.h"

namespace OWL {

class TUIMetric {
public:
    constexpr explicit TUIMetric(int index) : mIndex(index) {}
    int Get() const { return GetSystemMetrics(mIndex); }
    operator int() const { return Get(); }

    static const TUIMetric CxHScroll;
    static const TUIMetric CyVScroll;
    static const TUIMetric CxVScroll;
    static const TUIMetric CyHScroll;

private:
    int mIndex;
};

inline constexpr TUIMetric TUIMetric::CxHScroll{SM_CXHSCROLL};
inline constexpr TUIMetric TUIMetric::CyVScroll{SM_CYVSCROLL};
inline constexpr TUIMetric TUIMetric::CxVScroll{SM_CXVSCROLL};
inline constexpr TUIMetric TUIMetric::CyHScroll{SM_CYHSCROLL};

} // namespace OWL
