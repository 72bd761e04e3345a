#pragma once
// The window of the haemodynamics table, as far as the view classes need it.

#include "views/TitledView.h"

namespace Tarvik {

class TarvikHemodynamicsTableView : public TitledView<109> {
public:
    using TitledView<109>::TitledView;
};

} // namespace Tarvik
