#pragma once
// The notifications a step model sends its observers, in the module's message
// space, and their data records (the notification's data word is the record's
// address, valid during the notification).
//   34 ModelParamsChanged   {model, changed ids as two words}
//   35 StepMessageRaised    {model, caption, text}
//   36 ModelApplicable      {model}
//   37 ModelNotApplicable   {model}

#include <cstdint>

#include "core/String.h"
#include "module/MessageIds.h"
#include "workflow/ModelParamSet.h"

namespace Tarvik {

class Model;

inline TarvikMessageId ModelParamsChangedMsgId() {
    return DocMsgId<34>();
}
inline TarvikMessageId StepMessageRaisedMsgId() {
    return DocMsgId<35>();
}
inline TarvikMessageId ModelApplicableMsgId() {
    return DocMsgId<36>();
}
inline TarvikMessageId ModelNotApplicableMsgId() {
    return DocMsgId<37>();
}

struct ModelParamsChangedData {
    Model* model;
    std::uint32_t changed[2]; // ids 0 to 31, ids 32 to 61
    ModelParamSet Changed() const { return ModelParamSet::FromWords(changed[0], changed[1]); }
};

struct StepMessageRaisedData {
    Model* model;
    Ovo::String caption;
    Ovo::String message;
};

struct ModelNoticeData {
    Model* model;
};

} // namespace Tarvik
