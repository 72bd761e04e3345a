#pragma once
// The window of the PVA against EDV plot, as far as the view classes need it.

#include "views/TitledView.h"

namespace Tarvik {

class TarvikPVAEDVView : public TitledView<1087> {
public:
    using TitledView<1087>::TitledView;
};

} // namespace Tarvik
