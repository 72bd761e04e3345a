#include "analysis/TPlugin.h"

#include <algorithm>

namespace ExtLib {

void TPlugin::Evaluate(const double* p, int m, double* residuals) {
    std::copy(p, p + mParams.size(), mParams.begin());
    for (int i = 0; i < m; ++i) {
        const auto k = static_cast<std::size_t>(i);
        residuals[i] = mY[k] - mModel.Value(mX[k], mParams);
    }
}

int TPlugin::Callback(void* self, int m, int, const double* p, double* residuals, int) {
    static_cast<TPlugin*>(self)->Evaluate(p, m, residuals);
    return 0;
}

} // namespace ExtLib
