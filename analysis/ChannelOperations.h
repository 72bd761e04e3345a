#pragma once
// Channel operations of the module on a host document: giving a channel its
// calculation and looking channels up.

#include <cstdint>

#include "core/String.h"
#include "platform/vantrel/IChannelLookup.h"

namespace ExtLib {

// Gives calculation (a host calculation object answering ICalcObjectText) the name and formula
// texts, then assigns it to channel (AssignChannelCalculation). True when every call succeeds.
bool SetChannelCalculation(IUnknown* document, IUnknown* calculation, const Ovo::String& name,
                           const Ovo::String& formula, std::int32_t channel);
// Looks channel up, has its old data dropped, and hands calculation to the document with the
// channel's unit. True when every call returns S_OK.
bool AssignChannelCalculation(IUnknown* document, IUnknown* calculation, std::int32_t channel);
// Has the channel drop its computed data; false when there is no such channel.
bool ResetChannel(IUnknown* document, std::int32_t channel);
// The channel's IChannelInfo with one reference; null when the document has no such channel.
IChannelInfo* FindChannel(IUnknown* document, std::int32_t channel);

} // namespace ExtLib
