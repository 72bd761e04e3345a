#pragma once
// What the step dialogs, the set-up dialog and the calibration views ask of a
// document about its channels: their titles, the units of the workflow's
// pressure and volume channels, whether the user's selection on a channel lies
// in one record, and the two questions asked before a volume calibration is
// applied. Channels are numbered from 0; texts shown number them from 1.
//
// The document's host data answer (its data interface, and from it the
// channels' titles and selections and the channel objects); a query the host
// cannot answer gives the empty result: no titles, the empty unit, no
// selection, nothing to question.

#include <cstdint>
#include <string>
#include <vector>

#include "core/Unit.h"
#include "workflow/ModelDocument.h"

namespace Tarvik {

// Cleared, then the title of every channel of the host document, channel 0
// first; a channel whose title cannot be read has an empty one, so that an
// index is a channel number.
void GetChannelTitles(ModelDocument& document, std::vector<std::u16string>& titles);

// The channel's unit in the record where the analysed region starts; the
// empty unit when the host has none there.
Ovo::Unit GetChannelUnit(ModelDocument& document, std::int32_t channel);
// GetChannelUnit of the set-up model's pressure channel (parameter 1) and
// volume channel (parameter 2, the conductance channel of small mammals); the
// empty unit while the set-up model or its channel is missing.
Ovo::Unit GetPressureChannelUnit(ModelDocument& document);
Ovo::Unit GetVolumeChannelUnit(ModelDocument& document);

// True when the host reports a selection on the channel that starts and ends
// in the same record.
bool SelectionIsWithinOneRecord(ModelDocument& document, std::int32_t channel);

// Asked before a volume calibration is applied; each returns true when the
// caller must stop. The caller runs the compatibility check first.
//
// When the records of the volume channel carry different unit objects
// (records without one do not count), asks whether the calibration may unify
// them (Yes / No, string 169, caption 174); true unless the user says Yes.
bool ConfirmUnifyChannelUnits(ModelDocument& document);
// When the channel calculation on the volume channel does not let a volume
// calibration convert its unit, says so (string 176, caption 174) and
// returns true.
bool CheckVolumeCalibrationCompatible(ModelDocument& document);

} // namespace Tarvik
