#pragma once
// Tarvik::ModelBase<N>: the base of the step model of id N. A concrete model
// registers each of its members as the parameter it holds; the registration is
// checked against the parameter table when the model is compiled.

#include "workflow/ModelBaseNoTpl.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

template <std::int32_t N> class ModelBase : public ModelBaseNoTpl {
public:
    static constexpr std::int32_t kModelId = N;

    std::int32_t GetModelId() const final { return N; }

protected:
    explicit ModelBase(ModelDocument* document) : ModelBaseNoTpl(document) {}

    template <ModelParamId P> void Register(ModelParamType<P>& member) {
        static_assert(kParamModel<P> == N, "the parameter belongs to another model");
        RegisterParam(P, kParamKind<P>, &member);
    }
    // Sets parameter P through the change transaction and ends the change (how a model switches
    // itself off).
    template <ModelParamId P> void SetAndCommit(const ModelParamType<P>& value) {
        SetModelParam<P>(*this, value);
        CommitChange();
    }
};

} // namespace Tarvik
