#pragma once
// The window of the workflow panel, as far as the view classes need it.

#include "views/TitledView.h"

namespace Tarvik {

class WorkflowView : public TitledView<191> {
public:
    using TitledView<191>::TitledView;
};

} // namespace Tarvik
