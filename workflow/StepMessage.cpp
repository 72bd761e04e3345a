#include "workflow/StepMessage.h"

#include "module/ModuleInstance.h"

namespace Tarvik {

StepMessage::StepMessage(UINT captionId, UINT messageId)
    : StepMessage(LoadModuleString(captionId), LoadModuleString(messageId)) {}

const StepMessage& StepMessage::Empty() {
    static const StepMessage empty;
    return empty;
}

} // namespace Tarvik
