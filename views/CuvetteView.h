#pragma once
// The window of the cuvette calibration view, as far as the view classes need it.

#include "views/TitledView.h"

namespace Tarvik {

class CuvetteView : public TitledView<141> {
public:
    using TitledView<141>::TitledView;
};

} // namespace Tarvik
