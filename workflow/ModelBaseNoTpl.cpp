#include "workflow/ModelBaseNoTpl.h"

#include "core/StorageBinIStreamLite.h"
#include "core/StorageBinOStreamLite.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/stream.h"
#include "workflow/ModelClassObjects.h"
#include "workflow/ModelDocument.h"

namespace Tarvik {

ZARCommandTable& ModelBaseNoTpl::CommandTable() {
    using Rows = TableRows<ModelBaseNoTpl>;
    static ZARCommandTable table{Rows::Observer<&ModelBaseNoTpl::OnParamsChangedMessage>(DocId<34>)};
    return table;
}

ModelBaseNoTpl::ModelBaseNoTpl(ModelDocument* document) : mDocument(document) {}

ModelBaseNoTpl::~ModelBaseNoTpl() = default;

void ModelBaseNoTpl::RegisterParam(ModelParamId id, ModelParamKind kind, void* member) {
    mParams[id] = ModelParamRef{kind, member};
}

void* ModelBaseNoTpl::ParamAddress(ModelParamId id, ModelParamKind kind) {
    const auto it = mParams.find(id);
    return it != mParams.end() && it->second.kind == kind ? it->second.member : nullptr;
}

ModelParamSet ModelBaseNoTpl::GetParamIdSet() const {
    ModelParamSet ids;
    for (const auto& entry : mParams)
        ids.Set(entry.first);
    return ids;
}

ModelParamSet ModelBaseNoTpl::DiffModelParams(Model& a, Model& b) {
    if (a.GetModelId() != b.GetModelId())
        return ModelParamSet::All();
    ModelParamSet changed;
    for (ModelParamId id : a.GetParamIdSet().Ids()) {
        const bool equal =
            VisitParamKind(kModelParams[static_cast<std::size_t>(id)].kind, [&]<ModelParamKind K>() {
                const auto* x = a.GetParamPtr<K>(id);
                const auto* y = b.GetParamPtr<K>(id);
                return x != nullptr && y != nullptr && ParamValuesEqual<K>(*x, *y);
            });
        if (!equal)
            changed.Set(id);
    }
    return changed;
}

void ModelBaseNoTpl::BeginChange() {
    if (mSnapshot)
        return;
    ModelPtr snapshot =
        MakeModelSharedPtr(CreateRegisteredObject(static_cast<std::uint32_t>(GetModelId()), mDocument));
    if (!snapshot)
        return;
    mSnapshot = snapshot;
    snapshot->CopyStateFrom(this);
}

bool ModelBaseNoTpl::CommitChange() {
    if (!mSnapshot)
        return false;
    if (mSuspended) {
        mSnapshot.reset();
        return false;
    }
    if (GetStepMessage().HasMessage())
        return false;
    const ModelParamSet changed = DiffModelParams(*this, *mSnapshot);
    mSnapshot.reset();
    if (changed.Empty())
        return false;
    const bool outermost = !mNotifying;
    mNotifying = true;
    if (mDocument)
        mDocument->EnsureSettingsLoaded();
    const ModelParamsChangedData data{this, {changed.Word(0), changed.Word(1)}};
    Send(ModelParamsChangedMsgId(), &data);
    const ModelNoticeData notice{this};
    Send(CheckCanApply().HasMessage() ? ModelNotApplicableMsgId() : ModelApplicableMsgId(), &notice);
    if (outermost)
        mNotifying = false;
    return true;
}

void ModelBaseNoTpl::RollbackChange() {
    if (!mSnapshot)
        return;
    // Held here: the copy may notify observers that open or end changes of this model.
    const ModelPtr snapshot = mSnapshot;
    CopyStateFrom(snapshot.get());
    mSnapshot.reset();
}

namespace {

// A memory stream that frees its memory on release.
ComPtr<IStream> MemoryStream() {
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.Put());
    return stream;
}

bool Rewind(IStream* stream) {
    return stream != nullptr && SUCCEEDED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
}

} // namespace

bool ModelBaseNoTpl::CopyStateFrom(Model* source) {
    if (source == nullptr || source->GetModelId() != GetModelId())
        return false;
    const ModelParamSet changed = DiffModelParams(*this, *source);
    const ComPtr<IStream> main = MemoryStream(), extra = MemoryStream();
    {
        StorageBinOStreamLite mainOut(main.Get(), true), extraOut(extra.Get(), true);
        source->SaveState(mainOut);
        source->SaveExtraState(extraOut);
    }
    if (!Rewind(main.Get()) || !Rewind(extra.Get()))
        return false;
    {
        StorageBinIStreamLite in(main.Get());
        if (!LoadState(in, kStateVersion))
            return false;
    }
    {
        StorageBinIStreamLite in(extra.Get());
        if (!LoadExtraState(in, kExtraStateVersion))
            return false;
    }
    NotifyParamsChanged(changed);
    return true;
}

void ModelBaseNoTpl::NotifyParamsChanged(const ModelParamSet& ids) {
    const ModelParamsChangedData data{this, {ids.Word(0), ids.Word(1)}};
    Send(ModelParamsChangedMsgId(), &data);
}

StepMessage ModelBaseNoTpl::GetStepMessage() {
    StepMessage message = Validate();
    if (!message.HasMessage())
        return message;
    const bool suspended = mSuspended;
    mSuspended = true;
    const StepMessageRaisedData data{this, message.Caption(), message.Message()};
    Send(StepMessageRaisedMsgId(), &data);
    mSuspended = suspended;
    return message;
}

StepMessage ModelBaseNoTpl::GetStepStatusMessage() {
    StepMessage message = GetStepMessage();
    if (message.HasMessage())
        return message;
    message = CheckCanApply();
    return message.HasMessage() ? message : StepMessage::Empty();
}

void ModelBaseNoTpl::OnParamsChangedMessage(const ModelParamsChangedData* data) {
    if (mDocument != nullptr && mDocument->IsLoadingSettings())
        return;
    OnModelParamsChanged(data->model, data->Changed());
}

void ModelBaseNoTpl::ObserveModel(std::int32_t id) {
    if (mDocument == nullptr)
        return;
    if (const ModelPtr model = mDocument->GetModel(id))
        model->Attach(ObserverPart());
}

bool ModelBaseNoTpl::HasStepMessage(std::int32_t id) {
    const ModelPtr model = mDocument != nullptr ? mDocument->GetModel(id) : ModelPtr();
    return model && model->GetStepStatusMessage().HasMessage();
}

bool ModelBaseNoTpl::IsWorkflowInUse() {
    const ModelPtr setup = mDocument != nullptr ? mDocument->FindModel() : ModelPtr();
    const bool* inUse = setup ? setup->GetParamPtr<ModelParamKind::Bool>(34) : nullptr;
    return inUse != nullptr && *inUse;
}

} // namespace Tarvik
