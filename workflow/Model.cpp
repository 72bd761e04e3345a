#include "workflow/Model.h"

namespace Tarvik {

HRESULT Model::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_ISubject, SubjectPart()}, {IID_IObserver, ObserverPart()}}, iid, out);
}

ModelPtr MakeModelSharedPtr(Model* model) {
    if (model == nullptr)
        return ModelPtr();
    model->AddRef();
    return ModelPtr(model, [](Model* m) { m->Release(); });
}

} // namespace Tarvik
