#pragma once
// Tarvik::Model: a step model as the document, views, dialogs, calibrators and
// other step models use it. It is a subject (ISubject) whose observers hear of
// each committed change, an observer (IObserver) of the models it depends on,
// and a COM object whose count starts at 0 (MakeModelSharedPtr holds one
// reference for the shared owners).
//
// Every parameter is addressed by its id (ModelParamTable.h); a change is a
// transaction: a setter opens it (BeginChange takes a snapshot) and stores the
// value, CommitChange validates, reports the changed ids and whether the step
// can be applied, RollbackChange restores the snapshot (ModelBaseNoTpl.h).

#include <boost/shared_ptr.hpp>

#include <cstdint>

#include "core/BinIStream.h"
#include "core/BinOStream.h"
#include "core/CComObjectRoot.h"
#include "module/ZAREventHandlerT.h"
#include "module/ZARSubject.h"
#include "workflow/ModelParamSet.h"
#include "workflow/StepMessage.h"

namespace Tarvik {

class Model : public ZARSubject, public ZAREventHandlerT, public Ovo::CComObjectRoot {
public:
    // ISubject gives the subject part (also for IUnknown), IObserver the observer part.
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    // Ends an open change: true when it was notified (see ModelBaseNoTpl).
    virtual bool CommitChange() = 0;
    virtual void RollbackChange() = 0;
    // Validates; a message found is also sent to the observers (StepMessageRaised).
    virtual StepMessage GetStepMessage() = 0;
    // The validation message, else the message of CheckCanApply, else none.
    virtual StepMessage GetStepStatusMessage() = 0;
    virtual void SetSuspended(bool suspended) = 0;
    virtual bool IsNotifying() const = 0;
    // Takes the whole state of a model of the same id; false otherwise.
    virtual bool CopyStateFrom(Model* source) = 0;
    // 1 to 12.
    virtual std::int32_t GetModelId() const = 0;
    // The ids of the model's parameters.
    virtual ModelParamSet GetParamIdSet() const = 0;
    // The first and the second persisted block (current versions 17 and 12). A load returns false
    // when its stream failed or held what the model cannot take; the model may then be half-loaded.
    virtual bool LoadState(Ovo::BinIStream& in, std::uint32_t version) = 0;
    virtual void SaveState(Ovo::BinOStream& out) const = 0;
    virtual bool LoadExtraState(Ovo::BinIStream& in, std::uint32_t version) = 0;
    virtual void SaveExtraState(Ovo::BinOStream& out) const = 0;
    // Opens a change, taking a snapshot, unless one is open.
    virtual void BeginChange() = 0;
    virtual bool IsParamLocked(ModelParamId id) = 0;

    // The member holding parameter id when the model has it with kind K; null otherwise.
    template <ModelParamKind K> ModelParamKindT<K>* GetParamPtr(ModelParamId id) {
        return static_cast<ModelParamKindT<K>*>(ParamAddress(id, K));
    }
    template <ModelParamKind K> const ModelParamKindT<K>* GetParamPtr(ModelParamId id) const {
        return static_cast<const ModelParamKindT<K>*>(const_cast<Model*>(this)->ParamAddress(id, K));
    }

protected:
    virtual void* ParamAddress(ModelParamId id, ModelParamKind kind) = 0;
};

using ModelPtr = boost::shared_ptr<Model>;

// The shared owner of a new model (null gives an empty pointer). The owners hold one COM reference
// together; the model goes when both the last owner and every other reference are gone.
ModelPtr MakeModelSharedPtr(Model* model);

} // namespace Tarvik
