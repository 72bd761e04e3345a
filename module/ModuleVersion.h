#pragma once
// The module's version text in the host, and small queries of the host about
// the module's classes and a document's channels.

#include "core/String.h"
#include "core/Unit.h"
#include "platform/vantrel/HostDocObject.h"
#include "platform/vantrel/IDocumentData.h"
#include "platform/win32/unknown.h"

namespace Tarvik {

// The text the host shows for a module of this file version (the fourth
// version number), version text and description; empty when none is shown:
// pre-release builds ("lpha", "eta") and final ones ("inal", but not "ev")
// below build 1024 show "description version".
Ovo::String ModuleVersionTextFor(WORD fileBuild, const Ovo::String& version, const Ovo::String& description);
// Gives the host the module's version text unless it has one already.
void ModuleVersionText();

// The id of the host's calculation object class: number 1 of the extension space.
DWORD CalcObjectClassId();

// The unit of a channel in a record of a document's data (or in any record for
// kDataAnyRecord); false, with unit unchanged, when the channel has none there.
bool GetChannelUnitText(IDocumentData* data, LONG channel, LONG record, Ovo::Unit& unit);

// The channel's unit object (with one reference) at a position where the
// channel has data: the start of the range (rangeStart) when the channel has
// data in its record, else the start of the document's current selection; the
// channel's data is asked for with the flags kChannelDataProbe. False, with
// unit null, when neither works or the document lacks the interfaces.
inline constexpr DWORD kChannelDataProbe = 0x40002000u;
bool FindChannelUnitSource(IHostDocObject* document, LONG channel, HostTickPosition rangeStart,
                           IUnknown** unit);

// The channel object (its IChannelInfo) of a document's channel, with one
// reference; false when the document has no channel lookup or no such channel.
bool GetChannelObject(IUnknown* document, LONG channel, IUnknown** channelObject);

// Whether the channel calculation the user set on a document's channel lets a
// volume calibration convert the channel's unit: true when the channel shows
// its own data (no calculation, or a channel object that tells of none), or
// when its calculation reads the channel itself and keeps the unit of its
// data. A channel the document does not have has no calculation: true.
bool IsChannelCalcCompatibleWithVolumeCalibration(IUnknown* document, LONG channel);

} // namespace Tarvik
