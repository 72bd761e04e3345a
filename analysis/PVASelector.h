#pragma once
// "Tarvik PVA Parameter Selector" (formula function "TarvikPVAParamSelector"):
// the selector over the events of "PvaCalc", for PVA (26), PE (27) and CE (28).

#include "analysis/Selector.h"

namespace Tarvik::Enum {

class PVASelector : public Selector {
public:
    using Selector::Selector;

protected:
    std::uint32_t InputSize() const override { return sizeof(PVAEvent); }
    double Value(const unsigned char* record) const override;
    Selector* NewClone() const override { return new PVASelector(*this); }
};

} // namespace Tarvik::Enum
