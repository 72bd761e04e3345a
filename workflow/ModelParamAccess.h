#pragma once
// Typed access to a model's parameters by id, for code outside the model:
//   SetModelParam<7>(model, true);   GetModelParam<38>(model)
// A setter refused by IsParamLocked returns false and changes nothing; a value
// equal to the member's (by its kind's equality) returns true and opens no
// change; otherwise the model's change is opened (BeginChange), the value stored
// and true returned. Setters never commit: the caller ends the change with
// CommitChange or RollbackChange, usually after several setters. Asking a model
// for an id it does not own is a caller's fault: a setter then returns false,
// a getter gives the type's default.

#include "workflow/Model.h"

namespace Tarvik {

template <ModelParamId P> bool SetModelParam(Model& model, const ModelParamType<P>& value) {
    if (model.IsParamLocked(P))
        return false;
    ModelParamType<P>* member = model.GetParamPtr<kParamKind<P>>(P);
    if (member == nullptr)
        return false;
    if (ParamValuesEqual<kParamKind<P>>(*member, value))
        return true;
    model.BeginChange();
    ModelParamType<P> copy(value);
    using std::swap;
    swap(*member, copy);
    return true;
}

template <ModelParamId P> ModelParamType<P> GetModelParam(const Model& model) {
    const ModelParamType<P>* member = model.GetParamPtr<kParamKind<P>>(P);
    return member != nullptr ? *member : ModelParamType<P>{};
}

template <ModelParamId P> bool SetModelParam(const ModelPtr& model, const ModelParamType<P>& value) {
    return model && SetModelParam<P>(*model, value);
}

template <ModelParamId P> ModelParamType<P> GetModelParam(const ModelPtr& model) {
    return model ? GetModelParam<P>(*model) : ModelParamType<P>{};
}

} // namespace Tarvik
