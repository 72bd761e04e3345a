#pragma once
// The framework's range validator, as the controls' integer fields use it.

#include "platform/owl/TValidator.h"

namespace OvoControls {

class OvoRangeValidator : public OWL::TRangeValidator {
public:
    OvoRangeValidator(long minimum, long maximum) : OWL::TRangeValidator(minimum, maximum) {}
    ~OvoRangeValidator() override = default;
};

} // namespace OvoControls
