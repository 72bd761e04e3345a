#pragma once
// The stretch of the recording a data preview shows and its horizontal
// compression (ticks per pixel). With a usable selection in the host the
// preview shows the selection, at the smallest step of the ladder 1, 2, 5, 10,
// 20, 50, 100, 200, 500, 1000 at which it fits into 400 pixels (2000 beyond);
// without one it shows what the host's view of the recording shows, at that
// view's compression.

#include "analysis/TickPosition.h"
#include "platform/vantrel/HostDocObject.h"

namespace Tarvik {

// Sets all three outputs on every path. Without a host object, a data object
// or its data interface: (0, 0), (0, 0) and 1.0.
void GetPreviewRange(IHostDocObject* host, TickPosition& start, TickPosition& end, double& compression);

// The ladder's step for q ticks per pixel.
double CompressionStep(double q);

} // namespace Tarvik
