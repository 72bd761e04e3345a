#pragma once
// The window of the loop view, as far as the view classes need it.

#include "views/TitledView.h"

namespace Tarvik {

class TarvikAnalysisGraphView : public TitledView<106> {
public:
    using TitledView<106>::TitledView;
};

} // namespace Tarvik
