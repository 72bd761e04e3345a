#pragma once
// The window of the saline calibration view, as far as the view classes need it.

#include "views/TitledView.h"

namespace Tarvik {

class TarvikSalineCalGraphView : public TitledView<139> {
public:
    using TitledView<139>::TitledView;
};

} // namespace Tarvik
