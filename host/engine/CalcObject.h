#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/ICalcObject.h"

#include <string>

namespace Vantrel {

/// The host's calculation object: a named formula that a channel's data come from once it is
/// assigned to the channel (IChannelCalcAssign). The class registry hands one out for the module's
/// calculation object class id.
class CalcObject : public ComObject<ICalcObject, ICalcObjectText> {
public:
    HRESULT SetTexts(IAutoOvoString* name, IAutoOvoString* formula, WORD flags) override;

    const std::u16string& name() const { return mName; }
    const std::u16string& formula() const { return mFormula; }

private:
    void* find(REFIID iid) override;

    std::u16string mName;
    std::u16string mFormula;
};

} // namespace Vantrel
