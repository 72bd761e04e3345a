#pragma once
// A step model's validation or status message: a flag (a message is present), a
// caption and a text. A message with the flag set and empty texts says "not
// complete" without anything to show.

#include "core/String.h"
#include "platform/win32/unknown.h"

namespace Tarvik {

class StepMessage {
public:
    // No message.
    StepMessage() = default;
    // Caption and text from the module's string table.
    StepMessage(UINT captionId, UINT messageId);
    StepMessage(Ovo::String caption, Ovo::String message)
        : mFlag(true), mCaption(std::move(caption)), mMessage(std::move(message)) {}

    // The one message without anything present.
    static const StepMessage& Empty();
    // A message present with empty texts.
    static StepMessage Silent() { return StepMessage(Ovo::String(), Ovo::String()); }

    bool HasMessage() const { return mFlag; }
    const Ovo::String& Caption() const { return mCaption; }
    const Ovo::String& Message() const { return mMessage; }

    friend bool operator==(const StepMessage&, const StepMessage&) = default;

private:
    bool mFlag = false;
    Ovo::String mCaption;
    Ovo::String mMessage;
};

} // namespace Tarvik
