#pragma once
// The comment of the loop event a merged event reader comes to next, made for
// the host's traces.

#include "document/MergedEventReader.h"
#include "platform/vantrel/IStrevComment.h"

namespace Tarvik {

// Takes the reader's next event and makes its comment: the event's drawing class (asked of the
// series it came from) gives its colour and text; its position is (the event's tick, the reader's
// start record). dataSource: what the reader reads (the host's data object of the document);
// channel: the channel the reader reads. 0 and the comment with one reference, or 1 and null when
// the reader has no event left.
int MakeCurrentEventComment(MergedEventReader& reader, IUnknown* dataSource, std::int32_t channel,
                            IStrevComment** comment);

} // namespace Tarvik
