#pragma once

#include "core/String.h"
#include "host/engine/ComObject.h"
#include "platform/vantrel/ICalcObject.h"

namespace Vantrel {

/// The host's calculation object: a named formula that a channel's data come from once it is
/// assigned to the channel (IChannelCalcAssign). The class registry hands one out for the module's
/// calculation object class id.
class CalcObject : public ComObject<ICalcObject, ICalcObjectText> {
public:
    HRESULT SetTexts(IAutoOvoString* name, IAutoOvoString* formula, WORD flags) override;

    const Ovo::String& name() const { return mName; }
    const Ovo::String& formula() const { return mFormula; }

private:
    void* find(REFIID iid) override;

    Ovo::String mName;
    Ovo::String mFormula;
};

} // namespace Vantrel
