#pragma once
// A range validator that reports an invalid text in an error provider's
// balloon, "Invalid Value" / "Value must be in range <min> to <max>.", instead
// of the framework's message box (which it falls back to without a provider).

#include "controls/OvoRangeValidator.h"

namespace OvoControls {

class ErrorProvider;

class LongRangeValidatorErrProv : public OvoRangeValidator {
public:
    // The provider is not owned and may be null.
    LongRangeValidatorErrProv(long minimum, long maximum, ErrorProvider* provider)
        : OvoRangeValidator(minimum, maximum), mProvider(provider) {}

    void Error(OWL::TWindow* owner) override;

    ErrorProvider* Provider() const { return mProvider; }

private:
    ErrorProvider* mProvider;
};

} // namespace OvoControls
