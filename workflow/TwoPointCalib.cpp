#include "workflow/TwoPointCalib.h"

#include "core/NumericHelpers.h"
#include "core/OFormatStringStream.h"
#include "module/ModuleInstance.h"

namespace Tarvik {

namespace {

constexpr UINT kFirstWord = 404;
constexpr UINT kSecondWord = 405;
constexpr UINT kInvalidValueCaption = 22949;
constexpr UINT kCantApplyCaption = 410;

const Ovo::String& Ordinal(bool first) {
    static const Ovo::String firstWord = LoadModuleString(kFirstWord);
    static const Ovo::String secondWord = LoadModuleString(kSecondWord);
    return first ? firstWord : secondWord;
}

StepMessage NotANumber(const TwoPointTexts& texts, UINT text, bool first) {
    return StepMessage(LoadModuleString(texts.notANumberCaption), FormatModuleString(text, Ordinal(first)));
}

} // namespace

Ovo::String FormatModuleString(UINT id, const Ovo::String& argument) {
    Ovo::OFormatStringStream format(LoadModuleString(id));
    format << argument;
    return format.str();
}

StepMessage ValidateTwoPoint(const TwoPointValues& v, const TwoPointTexts& texts) {
    // An edit field stores the not-a-number value for text it cannot read as a number.
    if (IsNotANumberValue(v.recorded1))
        return NotANumber(texts, texts.recordedNotANumber, true);
    if (IsNotANumberValue(v.recorded2))
        return NotANumber(texts, texts.recordedNotANumber, false);
    if (IsNotANumberValue(v.known1))
        return NotANumber(texts, texts.knownNotANumber, true);
    if (IsNotANumberValue(v.known2))
        return NotANumber(texts, texts.knownNotANumber, false);
    if (ApproxEqual(v.recorded1, v.recorded2))
        return StepMessage(kInvalidValueCaption, texts.recordedEqual);
    if (ApproxEqual(v.known1, v.known2))
        return StepMessage(kInvalidValueCaption, texts.knownEqual);
    return StepMessage::Empty();
}

StepMessage CheckTwoPoint(const TwoPointValues& v, bool applied, bool setupIncomplete,
                          const TwoPointTexts& texts) {
    if (setupIncomplete)
        return StepMessage(kCantApplyCaption, texts.setupIncomplete);
    if (IsNaN(v.recorded1) || IsNaN(v.known1) || IsNaN(v.recorded2) || IsNaN(v.known2))
        return StepMessage(kCantApplyCaption, texts.fillIn);
    return applied ? StepMessage::Empty() : StepMessage::Silent();
}

} // namespace Tarvik
