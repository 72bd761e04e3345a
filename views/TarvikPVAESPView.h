#pragma once
// The window of the PVA against ESP plot, as far as the view classes need it.

#include "views/TitledView.h"

namespace Tarvik {

class TarvikPVAESPView : public TitledView<1088> {
public:
    using TitledView<1088>::TitledView;
};

} // namespace Tarvik
