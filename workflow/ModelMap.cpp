#include "workflow/ModelMap.h"

#include "workflow/ModelClassObjects.h"

namespace Tarvik {

ModelPtr ModelMap::GetModel(std::int32_t id, ModelDocument* document, IObserver* observer) {
    if (ModelPtr kept = Find(id))
        return kept;
    // Made before it is kept: a new model may ask for the models it observes meanwhile.
    ModelPtr made = MakeModelSharedPtr(CreateRegisteredObject(static_cast<std::uint32_t>(id), document));
    if (!made)
        return made;
    mModels.emplace(id, made);
    if (observer != nullptr)
        made->Attach(observer);
    return made;
}

ModelPtr ModelMap::Find(std::int32_t id) const {
    const auto it = mModels.find(id);
    return it != mModels.end() ? it->second : ModelPtr();
}

} // namespace Tarvik
