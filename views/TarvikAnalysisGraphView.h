#pragma once
// The window of the loop view, as far as the view classes need it.

#include "analysis/TarvikData.h"
#include "views/TitledView.h"

namespace Tarvik {

class TarvikAnalysisGraphView : public TitledView<106> {
public:
    using TitledView<106>::TitledView;

    // Whether the loops' smallest end-diastolic pressure (loop parameter 13)
    // is below 0.001, or their smallest minimum volume (parameter 5) below
    // 0.0001: values a relation plot cannot take on a logarithmic axis. False
    // without loop data, without loops, and for a value that is no number.
    static bool IsLoopParam13Small(TarvikData* loops);
    static bool IsLoopParam5Small(TarvikData* loops);
};

} // namespace Tarvik
