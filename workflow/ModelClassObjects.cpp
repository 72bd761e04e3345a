#include "workflow/ModelClassObjects.h"

#include "core/LinkedList.h"
#include "workflow/AlphaCalib.h"
#include "workflow/AnalysisStep.h"
#include "workflow/ConductanceCalib.h"
#include "workflow/CuvetteCalib.h"
#include "workflow/HemoTable.h"
#include "workflow/LoopView.h"
#include "workflow/PressureCalib.h"
#include "workflow/SalineCalib.h"
#include "workflow/SamplingStep.h"
#include "workflow/VolumeCalib.h"
#include "workflow/WorkflowSetup.h"
#include "workflow/WorkflowView.h"

namespace Tarvik {

namespace {

template <class M> class ModelClassObjT : public ModelClassObj {
public:
    Model* CreateObject(ModelDocument* document) const override { return new M(document); }
    std::uint32_t GetClassId() const override { return static_cast<std::uint32_t>(M::kModelId); }
};

template <class... Models> const ModelClassObj* MakeList() {
    static Ovo::LinkedList<ModelClassObj> list;
    static std::tuple<ModelClassObjT<Models>...> objects;
    std::apply([](auto&... object) { (list.PushFront(&object), ...); }, objects);
    return list.Head();
}

} // namespace

const ModelClassObj* ModelClassObjects() {
    static const ModelClassObj* const head =
        MakeList<WorkflowSetup, PressureCalib, ConductanceCalib, SamplingStep, CuvetteCalib, SalineCalib,
                 AnalysisStep, LoopView, WorkflowViewModel, AlphaCalib, VolumeCalib, HemoTable>();
    return head;
}

Model* CreateRegisteredObject(std::uint32_t classId, ModelDocument* document) {
    for (const ModelClassObj* object = ModelClassObjects(); object != nullptr; object = object->next)
        if (object->GetClassId() == classId)
            return object->CreateObject(document);
    return nullptr;
}

} // namespace Tarvik
