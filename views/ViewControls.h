#pragma once
// The child controls the views create, one creator per kind: each makes the control at (0, 0) with
// no size (the view's layout places it), with its caption from the module's string table (0: no
// caption); the caller owns the object. And the fixed message ids that fill the id column of the
// views' and steps' command tables.

#include <memory>

#include "module/MessageIds.h"
#include "platform/owl/TButton.h"
#include "platform/owl/TEdit.h"
#include "platform/owl/TStatic.h"

namespace Tarvik {

std::unique_ptr<OWL::TButton> CreateButtonControl(OWL::TWindow* parent, int id, UINT captionId);
std::unique_ptr<OWL::TCheckBox> CreateCheckBoxControl(UINT captionId, OWL::TWindow* parent, int id);
std::unique_ptr<OWL::TStatic> CreateStaticControl(UINT captionId, OWL::TWindow* parent, int id);
std::unique_ptr<OWL::TEdit> CreateEditControl(OWL::TWindow* parent, int id);

// Each writes its id to *id.
void HostNotifyId4EC1_15(TarvikMessageId* id); // number 15 of the recalculation notices
void HostNotifyId3A7D_0(TarvikMessageId* id);  // number 0 of the recording notices
void HostCommandId80170008(TarvikMessageId* id);
void HostMessageId8001000E(TarvikMessageId* id);
void GetTarvikMsgId2(TarvikMessageId* id);
void GetTarvikMsgId4(TarvikMessageId* id);

} // namespace Tarvik
