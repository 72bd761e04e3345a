#pragma once
// The window of the dP/dt max against EDV plot, as far as the view classes need it.

#include "views/TitledView.h"

namespace Tarvik {

class TarvikdPdTMaxEDVGraphView : public TitledView<135> {
public:
    using TitledView<135>::TitledView;
};

} // namespace Tarvik
