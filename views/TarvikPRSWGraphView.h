#pragma once
// The window of the PRSW relation plot, as far as the view classes need it.

#include "views/TitledView.h"

namespace Tarvik {

class TarvikPRSWGraphView : public TitledView<107> {
public:
    using TitledView<107>::TitledView;
};

} // namespace Tarvik
