#pragma once
// The behaviour every step model shares: its parameter store, the change
// transaction and its notifications, validation messages, the copy of a whole
// state, and the reaction to the models it observes.
//
// The change transaction:
//  - a setter (SetModelParam) calls BeginChange, which snapshots the model
//    unless a change is open, then stores the value;
//  - CommitChange ends it: no snapshot, or suspended (the snapshot is dropped):
//    false. A validation message (GetStepMessage, which also sends 35): false,
//    the change stays open. Otherwise the snapshot is dropped and, when any id
//    differs from it (by the equality of its kind), the document's settings are
//    brought up to date, then 34 with exactly those ids and 36 or 37 (by
//    CheckCanApply) are sent: true. The notifying flag is set by the outermost
//    commit only;
//  - RollbackChange copies the snapshot back (sending 34 with the ids it
//    restores) and drops it.

#include <unordered_map>

#include "workflow/Model.h"
#include "workflow/ModelMessages.h"

namespace Tarvik {

class ModelDocument;

class ModelBaseNoTpl : public Model {
public:
    ZAR_COMMAND_TABLE(ModelBaseNoTpl, ZAREventHandlerBase)

    bool CommitChange() override;
    void RollbackChange() override;
    StepMessage GetStepMessage() override;
    StepMessage GetStepStatusMessage() override;
    void SetSuspended(bool suspended) override { mSuspended = suspended; }
    bool IsNotifying() const override { return mNotifying; }
    bool CopyStateFrom(Model* source) override;
    ModelParamSet GetParamIdSet() const override;
    bool LoadState(Ovo::BinIStream&, std::uint32_t) override { return true; }
    void SaveState(Ovo::BinOStream&) const override {}
    bool LoadExtraState(Ovo::BinIStream&, std::uint32_t) override { return true; }
    void SaveExtraState(Ovo::BinOStream&) const override {}
    void BeginChange() override;
    bool IsParamLocked(ModelParamId id) override { return IsParamReadOnly(id); }

    // The model's validation message; none by default.
    virtual StepMessage Validate() { return StepMessage::Empty(); }
    // Whether the step is complete: no message when it is; by default it always is.
    virtual StepMessage CheckCanApply() { return StepMessage::Empty(); }
    // A model this one observes committed a change of the ids changed.
    virtual void OnModelParamsChanged(Model* source, const ModelParamSet& changed) {}
    virtual bool IsParamReadOnly(ModelParamId id) { return false; }

    ModelDocument* Document() const { return mDocument; }
    bool HasOpenChange() const { return mSnapshot.get() != nullptr; }

    // The ids whose values differ between two models (by the equality of each kind); every id when
    // the models' ids differ.
    static ModelParamSet DiffModelParams(Model& a, Model& b);

    // Current versions of the two persisted blocks.
    static constexpr std::uint32_t kStateVersion = 17;
    static constexpr std::uint32_t kExtraStateVersion = 12;

protected:
    explicit ModelBaseNoTpl(ModelDocument* document);
    ~ModelBaseNoTpl() override;

    // Enters parameter id of kind into the store, pointing at member (a second registration replaces
    // the first). Concrete models register through ModelBase::Register.
    void RegisterParam(ModelParamId id, ModelParamKind kind, void* member);
    void* ParamAddress(ModelParamId id, ModelParamKind kind) override;

    // Attaches this model as an observer of the document's model of id (made when missing).
    void ObserveModel(std::int32_t id);
    // Whether the document's model of id has a status message.
    bool HasStepMessage(std::int32_t id);
    // Parameter 34 of the document's set-up model.
    bool IsWorkflowInUse();
    // Sends 34 with the given ids and this model as source, changing nothing.
    void NotifyParamsChanged(const ModelParamSet& ids);

private:
    struct ModelParamRef {
        ModelParamKind kind;
        void* member;
    };

    void OnParamsChangedMessage(const ModelParamsChangedData* data);
    void Send(TarvikMessageId id, const void* data) {
        ZARSubject::Notify(id, reinterpret_cast<ULONG_PTR>(data));
    }

    std::unordered_map<ModelParamId, ModelParamRef> mParams;
    ModelDocument* mDocument;
    bool mSuspended = false;
    ModelPtr mSnapshot;
    bool mNotifying = false;
};

} // namespace Tarvik
